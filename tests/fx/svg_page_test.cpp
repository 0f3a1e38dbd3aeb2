// SVG drawings on the metafile page: opened from a file or taken from the
// clipboard, shown at their own size, resized and copied like metafiles.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "fx/areaselect.h"
#include "fx/metafilepage.h"
#include "fx/pamain.h"
#include "platform/application.h"
#include "platform/prompt.h"

namespace fx {
namespace {

// w x h pixels: a red left half and a transparent right half.
QByteArray drawing(int w, int h) {
  return QStringLiteral(
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" viewBox=\"0 0 2 1\" "
             "preserveAspectRatio=\"none\"><rect width=\"1\" height=\"1\" fill=\"#ff0000\"/></svg>")
      .arg(w)
      .arg(h)
      .toUtf8();
}

class SvgPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QGuiApplication::clipboard()->clear();
    w.resize(1000, 700);
    w.show();
    w.FormActivate();
    page = w.TabSheet3;
  }
  void TearDown() override { QGuiApplication::clipboard()->clear(); }

  QString file(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
  }
  void load(const QString& path) {
    prompts.files.push_back(path);
    page->wmfbrowseforfilebuttonClick();
  }
  int redCount() {
    const pz::Surface& v = page->wmfdisplay->surface();
    int n = 0;
    for (int y = 0; y < v.height(); ++y)
      for (int x = 0; x < v.width(); ++x) n += v.pixel(x, y) == pz::rgb(255, 0, 0);
    return n;
  }

  pz::ScriptedPrompter prompts;
  QTemporaryDir dir;
  Tpamain w{QStringList{QStringLiteral("W")}};
  MetafilePage* page = nullptr;
};

TEST_F(SvgPageTest, OpensAtItsOwnSizeAndResizesAndCopiesLikeAMetafile) {
  load(file("Drawing.SVG", drawing(200, 100)));
  ASSERT_TRUE(w.st.meta.svg);
  EXPECT_FALSE(w.st.meta.metafile);
  // Not halved as a metafile's picture size is.
  EXPECT_EQ(w.st.meta.metafileNativeWidth, 200);
  EXPECT_EQ(w.st.meta.metafileNativeHeight, 100);
  EXPECT_EQ(page->wmfdimensionlabel->text(), QStringLiteral("Width: 200  Height: 100"));
  EXPECT_EQ(page->wmffilelabel->text(), QStringLiteral("Drawing.SVG"));
  EXPECT_TRUE(page->GroupBox5->isVisible());
  EXPECT_EQ(redCount(), 100 * 100);
  EXPECT_EQ(page->wmfdisplay->surface().pixel(150, 50), pz::kWhite);

  page->wmfspindownClick();  // 75 %
  EXPECT_EQ(w.st.meta.metafileWidth, 150);
  EXPECT_EQ(redCount(), 75 * 75);
  page->GroupBox3->chooseMode(SelectWhole);
  auto bmp = page->GroupBox3->selectionBitmap();
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->width(), 150);
  EXPECT_EQ(bmp->height(), 75);
  EXPECT_EQ(bmp->pixel(10, 10), pz::rgb(255, 0, 0));
  EXPECT_EQ(bmp->pixel(140, 70), pz::kWhite);
  page->wmfnativesizebuttonClick();
  EXPECT_EQ(w.st.meta.metafileWidth, 200);
  EXPECT_EQ(page->wmfeditsize->text(), QStringLiteral("100"));

  // A compressed drawing replaces it.
  load(QStringLiteral(PINZ_TEST_DATA "/svg/house.svgz"));
  EXPECT_EQ(w.st.meta.metafileNativeWidth, 240);
  EXPECT_EQ(page->wmfdisplay->surface().pixel(20, 140), pz::rgb(0x22, 0x8b, 0x22));
  EXPECT_EQ(page->wmfdisplay->surface().pixel(20, 20), pz::rgb(0x87, 0xce, 0xeb));
}

TEST_F(SvgPageTest, ABrokenDrawingShowsAMessageAndKeepsTheEarlierPicture) {
  load(file("good.svg", drawing(200, 100)));
  struct Row {
    const char* name;
    QByteArray bytes;
    const char* says;
  } rows[] = {
      {"open.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"><g><rect", "open.svg cannot be shown"},
      {"huge.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1e12\" height=\"5\"/>", "too large"},
      {"empty.svgz", "", "empty"},
  };
  for (const Row& r : rows) {
    prompts.files.push_back(file(r.name, r.bytes));
    try {
      page->wmfbrowseforfilebuttonClick();
      ADD_FAILURE() << r.name << ": no message";
    } catch (const pz::Error& e) {
      EXPECT_TRUE(e.text().contains(QString::fromLatin1(r.says))) << e.text().toStdString();
    }
    ASSERT_TRUE(w.st.meta.svg) << r.name;
    EXPECT_EQ(w.st.meta.svg->width(), 200) << r.name;
  }
  page->redraw();
  EXPECT_EQ(redCount(), 100 * 100);
}

TEST_F(SvgPageTest, TakesADrawingFromTheClipboard) {
  // What a browser offers when an SVG image's source is copied: text first,
  // then the drawing.
  auto* m = new QMimeData;
  m->setData(QStringLiteral("text/plain"), "not a picture");
  m->setData(QStringLiteral("image/svg+xml"), drawing(80, 40));
  QGuiApplication::clipboard()->setMimeData(m);
  w.FormActivate();
  EXPECT_TRUE(page->wmffromclipboardbutt->isEnabled());
  page->wmffromclipboardbuttClick();
  ASSERT_TRUE(w.st.meta.svg);
  EXPECT_TRUE(page->wmffilelabel->text().isEmpty());
  EXPECT_EQ(w.st.meta.metafileWidth, 80);
  EXPECT_EQ(w.st.meta.metafileHeight, 40);
  EXPECT_EQ(redCount(), 40 * 40);
  page->wmfspinupClick();
  EXPECT_EQ(w.st.meta.metafileWidth, 100);

  // A hostile drawing on the clipboard: a message, the drawing kept.
  auto* bad = new QMimeData;
  bad->setData(QStringLiteral("image/svg+xml"), "<svg xmlns=\"http://www.w3.org/2000/svg\"><g>");
  QGuiApplication::clipboard()->setMimeData(bad);
  EXPECT_THROW(page->wmffromclipboardbuttClick(), pz::Error);
  ASSERT_TRUE(w.st.meta.svg);
  EXPECT_EQ(w.st.meta.svg->width(), 80);
}

}  // namespace
}  // namespace fx
