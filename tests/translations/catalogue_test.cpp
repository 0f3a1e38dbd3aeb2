// The catalogues are complete: every text marked in the code is in every
// language's source, translated, with its placeholders; and no text a user
// reads is left unmarked in the code.
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/language.h"
#include "tests/translations/source_scan.h"
#include "tests/translations/ts_reader.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << s.toStdString(); }

namespace pz {
namespace {

using testing::readTs;
using testing::TsMessage;

const QString kSource = QStringLiteral(PINZ_SOURCE_DIR);

QString tsPath(const QString& prefix, const QString& lang) {
  return kSource + QStringLiteral("/translations/%1_%2.ts").arg(prefix, lang);
}

QString describe(const TsMessage& m) { return m.context + QStringLiteral(": \"") + m.source + QLatin1Char('"'); }

// "%1", "%2" ... as a sorted list, each as often as it occurs.
QStringList placeholders(const QString& s) {
  QStringList out;
  static const QRegularExpression re(QStringLiteral("%\\d"));
  for (auto it = re.globalMatch(s); it.hasNext();) out << it.next().captured();
  out.sort();
  return out;
}

// The "&" that mark a menu item's key, leaving out HTML entities ("&amp;").
int shortcutMarks(QString s) {
  static const QRegularExpression entity(QStringLiteral("&(?:[A-Za-z]+|#\\d+);"));
  return int(s.remove(entity).count(QLatin1Char('&')));
}

class Catalogue : public ::testing::TestWithParam<QString> {};

TEST_P(Catalogue, EveryEntryIsFinishedAndKeepsItsPlaceholders) {
  QString error;
  const auto messages = readTs(tsPath(QStringLiteral("pinzola"), GetParam()), &error);
  ASSERT_TRUE(error.isEmpty()) << error.toStdString();
  ASSERT_GT(messages.size(), 100u);
  QStringList bad;
  for (const TsMessage& m : messages) {
    if (!m.type.isEmpty()) bad << m.type + QStringLiteral(" ") + describe(m);
    else if (m.translation.trimmed().isEmpty()) bad << QStringLiteral("empty ") + describe(m);
    else if (placeholders(m.translation) != placeholders(m.source))
      bad << QStringLiteral("placeholders differ in ") + describe(m) + QStringLiteral(" -> ") + m.translation;
    else if (shortcutMarks(m.source) != shortcutMarks(m.translation))
      bad << QStringLiteral("shortcut marks differ in ") + describe(m);
  }
  EXPECT_TRUE(bad.isEmpty()) << bad.join(QLatin1Char('\n')).toStdString();
}

// lupdate over the code gives the texts of ours; each must be in the source
// of every language (a text added without updating the catalogues fails here).
TEST_P(Catalogue, HoldsEveryTextMarkedInTheCode) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const QString fresh = tmp.filePath(QStringLiteral("fresh.ts"));
  QString lupdate = QStringLiteral("/usr/lib/qt6/bin/lupdate");
  if (!QFile::exists(lupdate)) lupdate = QStringLiteral("lupdate");
  QProcess p;
  p.setWorkingDirectory(kSource);
  p.start(lupdate, {QStringLiteral("-silent"), QStringLiteral("-I"), QStringLiteral("."), QStringLiteral("-locations"),
                    QStringLiteral("none"), QStringLiteral("-extensions"), QStringLiteral("cpp,h"),
                    QStringLiteral("platform"), QStringLiteral("paint/canvas"), QStringLiteral("paint/files"),
                    QStringLiteral("paint/tools"), QStringLiteral("fx"), QStringLiteral("data/docs"), QStringLiteral("-ts"), fresh});
  ASSERT_TRUE(p.waitForFinished(120000)) << "lupdate did not run";
  ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  const auto marked = readTs(fresh);
  ASSERT_GT(marked.size(), 100u);

  QSet<QString> have;
  for (const TsMessage& m : readTs(tsPath(QStringLiteral("pinzola"), GetParam())))
    have.insert(m.context + QChar(0) + m.source);
  QStringList missing;
  for (const TsMessage& m : marked)
    if (!have.contains(m.context + QChar(0) + m.source)) missing << describe(m);
  EXPECT_TRUE(missing.isEmpty()) << "run scripts/update-translations.sh and translate:\n"
                                 << missing.join(QLatin1Char('\n')).toStdString();
}

// The names of the shipped drawings, clip art and palettes, as the build
// wrote them into the program folder.
QStringList shippedContentNames() {
  QStringList names;
  for (const char* folder : {"bmps", "clipart", "palettes"}) {
    QDir dir(QStringLiteral(PINZ_PROGRAM_DIR "/") + QLatin1String(folder));
    for (const QString& f : dir.entryList({QStringLiteral("*.bmp")}, QDir::Files))
      names << f.left(f.lastIndexOf(QLatin1Char('.')));
  }
  names.removeDuplicates();
  return names;
}

TEST_P(Catalogue, NamesEveryShippedPicture) {
  const QStringList names = shippedContentNames();
  ASSERT_GT(names.size(), 10);
  QString error;
  const auto messages = readTs(tsPath(QStringLiteral("content"), GetParam()), &error);
  ASSERT_TRUE(error.isEmpty()) << error.toStdString();
  QSet<QString> translated;
  for (const TsMessage& m : messages)
    if (m.context == QLatin1String("Content") && m.type.isEmpty() && !m.translation.trimmed().isEmpty())
      translated.insert(m.source);
  QStringList missing;
  for (const QString& n : names)
    if (!translated.contains(n)) missing << n;
  EXPECT_TRUE(missing.isEmpty()) << "untranslated: " << missing.join(QStringLiteral(", ")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, Catalogue, ::testing::ValuesIn(shippedLanguages().begin(), shippedLanguages().end()),
                         [](const auto& info) { return info.param.toStdString(); });

TEST(SourceScan, NoUserTextIsLeftUnmarked) {
  QStringList found;
  for (const char* folder : {"platform", "paint/canvas", "paint/files", "paint/tools", "fx"}) {
    QDirIterator it(kSource + QLatin1Char('/') + QLatin1String(folder), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString path = it.next();
      if (path.contains(QLatin1String("/clipkeeper/"))) continue;  // a helper process with no window
      QFile f(path);
      ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
      for (const testing::Literal& l : testing::unmarkedUserTexts(QString::fromUtf8(f.readAll())))
        found << QStringLiteral("%1:%2: \"%3\"").arg(path.mid(kSource.size() + 1)).arg(l.line).arg(l.text);
    }
  }
  EXPECT_TRUE(found.isEmpty()) << "mark these with tr() or QCoreApplication::translate():\n"
                               << found.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace pz
