// The open dialogs' name filters: written as the user reads them, matched in
// any case, and Qt's own dialog listing upper-case names under them.
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include "platform/file_filter.h"

namespace pz {
namespace {

TEST(NameFilter, ReadsAsWritten) {
  EXPECT_EQ(nameFilter(QStringLiteral("AVI Movies"), {QStringLiteral("*.avi")}), QStringLiteral("AVI Movies (*.avi)"));
  EXPECT_EQ(nameFilter(QStringLiteral("Windows Metafiles"), {QStringLiteral("*.wmf"), QStringLiteral("*.emf")}),
            QStringLiteral("Windows Metafiles (*.wmf *.emf)"));
  EXPECT_EQ(nameFilters({QStringLiteral("A (*.a)"), QStringLiteral("B (*.b)")}), QStringLiteral("A (*.a);;B (*.b)"));
}

TEST(NameFilter, MatchesWholeNamesInAnyCase) {
  const QString filters = nameFilters({nameFilter(QStringLiteral("AVI Movies"), {QStringLiteral("*.avi")}),
                                       nameFilter(QStringLiteral("Metafiles"), {QStringLiteral("*.wmf"),
                                                                                QStringLiteral("*.emf")})});
  const struct {
    const char* name;
    bool matches;
  } rows[] = {{"clip.avi", true},   {"CLIP.AVI", true},      {"Clip.Avi", true},     {"Holiday Clip.AVI", true},
              {"PATO.WMF", true},   {"chart.Emf", true},     {"clip.avi.txt", false}, {"clipavi", false},
              {"avi", false},       {"clip.mp4", false},     {"x.wmfx", false},       {"my.avi.bak", false}};
  for (const auto& r : rows) EXPECT_EQ(nameFilterMatches(filters, QString::fromUtf8(r.name)), r.matches) << r.name;
  // A bare pattern without a label works as well.
  EXPECT_TRUE(nameFilterMatches(QStringLiteral("*.bmp"), QStringLiteral("A.BMP")));
}

// The names Qt's own dialog lists in its folder view once it has read the folder.
QSet<QString> listed(QFileDialog& dlg) {
  auto* view = dlg.findChild<QListView*>(QStringLiteral("listView"));
  QSet<QString> names;
  if (!view) return names;
  for (int i = 0; i < 100; ++i) {
    QCoreApplication::processEvents();
    QThread::msleep(20);
    QCoreApplication::processEvents();
    const QModelIndex root = view->rootIndex();
    if (view->model()->rowCount(root) >= 3) {
      for (int r = 0; r < view->model()->rowCount(root); ++r)
        names.insert(view->model()->index(r, 0, root).data().toString());
      break;
    }
  }
  return names;
}

TEST(NameFilter, DialogListsEveryCase) {
  QTemporaryDir dir;
  for (const char* n : {"HOLIDAY.AVI", "party.avi", "Trip.Avi", "notes.txt", "film.mp4"}) {
    QFile f(dir.filePath(QString::fromLatin1(n)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  QFileDialog dlg(nullptr, QStringLiteral("Open"), dir.path());
  prepareOpenDialog(dlg, nameFilter(QStringLiteral("AVI Movies"), {QStringLiteral("*.avi")}));
  EXPECT_TRUE(dlg.testOption(QFileDialog::DontUseNativeDialog));
  EXPECT_EQ(dlg.fileMode(), QFileDialog::ExistingFile);
  EXPECT_EQ(dlg.nameFilters(), QStringList{QStringLiteral("AVI Movies (*.avi)")});
  dlg.show();
  const QSet<QString> want{QStringLiteral("HOLIDAY.AVI"), QStringLiteral("party.avi"), QStringLiteral("Trip.Avi")};
  EXPECT_EQ(listed(dlg), want);
}

}  // namespace
}  // namespace pz
