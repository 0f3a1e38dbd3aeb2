// The guide's pictures: every picture the page shows is there, and the
// children's part shows each tool really changing the drawing, since a child
// who cannot read learns the tool from that picture alone.
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <set>

namespace {

const QString kDocs = QStringLiteral(PINZ_PROGRAM_DIR "/docs");

QString page() {
  QFile f(kDocs + "/wmain.htm");
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

TEST(Guide, EveryPictureThePageShowsIsThere) {
  const QString html = page();
  ASSERT_FALSE(html.isEmpty());
  int shown = 0;
  QRegularExpression src(QStringLiteral("src=\"([^\"]+)\""));
  for (auto it = src.globalMatch(html); it.hasNext();) {
    const QString file = it.next().captured(1);
    ++shown;
    EXPECT_FALSE(QImage(kDocs + "/" + file).isNull()) << file.toStdString();
  }
  EXPECT_GT(shown, 40);
}

TEST(Guide, ChildrensPartComesFirstAndEachToolChangesTheDrawing) {
  const QString html = page();
  const qsizetype kids = html.indexOf(QStringLiteral("id=\"kids\""));
  ASSERT_GE(kids, 0);
  EXPECT_LT(kids, html.indexOf(QStringLiteral("id=\"start\""))) << "before the words for grown-ups";
  const QImage before(kDocs + "/pictures/kid-before.png");
  ASSERT_FALSE(before.isNull());
  QRegularExpression work(QStringLiteral("pictures/(kid-tool\\d+\\.png)"));
  std::set<QString> tools;
  for (auto it = work.globalMatch(html); it.hasNext();) tools.insert(it.next().captured(1));
  EXPECT_GE(tools.size(), 14u);
  for (const QString& file : tools) {
    const QImage after(kDocs + "/pictures/" + file);
    ASSERT_EQ(after.size(), before.size()) << file.toStdString();
    long changed = 0;
    for (int y = 0; y < after.height(); ++y)
      for (int x = 0; x < after.width(); ++x) changed += after.pixel(x, y) != before.pixel(x, y);
    EXPECT_GT(changed, 500) << file.toStdString() << " shows almost nothing happening";
  }
}

}  // namespace
