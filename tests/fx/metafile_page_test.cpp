// The metafile page: loading from a file and the clipboard, the size steps,
// the copy button's rules and copies of the rendered picture.
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

#include "fx/areaselect.h"
#include "fx/metafilepage.h"
#include "fx/pamain.h"
#include "platform/application.h"
#include "platform/clipboard_metafile.h"
#include "platform/file_filter.h"
#include "platform/prompt.h"
#include "tests/platform/metafile_testing.h"

namespace fx {
namespace {

using pz::testing::WmfBuilder;

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A placeable WMF w x h inches/96 big, filled red with a black left half.
QByteArray picture(int w, int h) {
  WmfBuilder b;
  b.rec(0x020C, {h, w});
  b.rec(0x02FC, {0, 0x00FF, 0, 0});  // red brush: slot 0
  b.rec(0x012D, {0});
  b.rec(0x02FA, {5, 0, 0, 0, 0});    // null pen: slot 1
  b.rec(0x012D, {1});
  b.rec(0x041B, {h, w, 0, 0});
  b.rec(0x02FC, {0, 0, 0, 0});       // black brush: slot 2
  b.rec(0x012D, {2});
  b.rec(0x041B, {h, w / 2, 0, 0});
  return b.placeable(0, 0, w, h, 96);
}

TEST(MetafileFilter, ShowsPlainPatternsAndMatchesAnyCase) {
  EXPECT_EQ(metafileFileFilter(), QStringLiteral("Windows Metafiles (*.wmf *.emf)"));
  for (const char* name : {"PATO.WMF", "chart.emf", "Chart.Emf", "a.wmf"})
    EXPECT_TRUE(pz::nameFilterMatches(metafileFileFilter(), QString::fromUtf8(name))) << name;
  EXPECT_FALSE(pz::nameFilterMatches(metafileFileFilter(), QStringLiteral("chart.emf.bak")));
}

class MetafilePageTest : public ::testing::Test {
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

  pz::ScriptedPrompter prompts;
  QTemporaryDir dir;
  Tpamain w{QStringList{QStringLiteral("W")}};
  MetafilePage* page = nullptr;
};

TEST_F(MetafilePageTest, TwoInchesAt96DpiReport192AndStepBy25Percent) {
  // 2 inches wide at 1440 units per inch.
  WmfBuilder b;
  b.rec(0x020C, {1440, 2880});
  load(file("two.WMF", b.placeable(0, 0, 2880, 1440, 1440)));
  ASSERT_TRUE(w.st.meta.metafile);
  EXPECT_EQ(w.st.meta.pictureWidth(), 192);
  EXPECT_EQ(w.st.meta.metafileWidth, 96);
  EXPECT_EQ(page->wmfdimensionlabel->text(), QStringLiteral("Width: 96  Height: 48"));
  EXPECT_EQ(page->wmffilelabel->text(), QStringLiteral("two.WMF"));
  EXPECT_TRUE(page->GroupBox5->isVisible());
  EXPECT_TRUE(page->GroupBox3->isVisible());
  EXPECT_EQ(page->wmfeditsize->text(), QStringLiteral("100"));
  page->wmfspindownClick();
  EXPECT_EQ(w.st.meta.metafileWidth, 72);
  EXPECT_EQ(page->wmfeditsize->text(), QStringLiteral("75"));
  for (int i = 0; i < 12; ++i) page->wmfspinupClick();
  EXPECT_EQ(w.st.meta.metafilePercent, 300);  // the upper limit holds
  EXPECT_EQ(w.st.meta.metafileWidth, 288);
  EXPECT_EQ(page->wmfdimensionlabel->text(), QStringLiteral("Width: 288  Height: 144"));
  for (int i = 0; i < 15; ++i) page->wmfspindownClick();
  EXPECT_EQ(w.st.meta.metafilePercent, 25);  // and the lower one
  EXPECT_EQ(w.st.meta.metafileWidth, 24);
  page->wmfnativesizebuttonClick();
  EXPECT_EQ(w.st.meta.metafilePercent, 100);
  EXPECT_EQ(w.st.meta.metafileWidth, 96);
  EXPECT_EQ(page->wmfeditsize->text(), QStringLiteral("100"));
}

TEST(MetafileScaled, RoundsHalvesToEven) {
  struct Row {
    int native, percent, expected;
  } rows[] = {{96, 75, 72}, {50, 25, 12}, {54, 25, 14}, {10, 125, 12}, {14, 125, 18}, {101, 50, 50}, {103, 50, 52}};
  for (const Row& r : rows) EXPECT_EQ(metafileScaled(r.native, r.percent), r.expected) << r.native << " " << r.percent;
}

TEST_F(MetafilePageTest, WholeCopyAtHalfOfA200By100PictureIs100By50) {
  load(file("p.wmf", picture(400, 200)));  // native 200 x 100
  EXPECT_FALSE(page->GroupBox3->copyEnabled());  // a file load disables the copy
  page->wmfspindownClick();
  page->wmfspindownClick();
  page->GroupBox3->chooseMode(SelectWhole);
  EXPECT_TRUE(page->GroupBox3->copyEnabled());
  auto bmp = page->GroupBox3->selectionBitmap();
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->width(), 100);
  EXPECT_EQ(bmp->height(), 50);
  EXPECT_EQ(bmp->pixel(10, 25), pz::kBlack);
  EXPECT_EQ(bmp->pixel(90, 25), pz::rgb(255, 0, 0));
  // Every size change disables the copy, in whole mode too.
  page->wmfspinupClick();
  EXPECT_FALSE(page->GroupBox3->copyEnabled());
  page->GroupBox3->chooseMode(SelectWhole);
  EXPECT_TRUE(page->GroupBox3->copyEnabled());
  page->wmfnativesizebuttonClick();
  EXPECT_FALSE(page->GroupBox3->copyEnabled());
}

TEST_F(MetafilePageTest, WholeCopyOfAPictureLargerThanTheViewIsWhiteBeyondIt) {
  load(file("big.wmf", picture(2000, 1600)));  // native 1000 x 800, the view is smaller
  page->wmfspinupClick();
  const int viewW = page->wmfdisplay->surface().width(), viewH = page->wmfdisplay->surface().height();
  ASSERT_LT(viewW, w.st.meta.metafileWidth);
  page->GroupBox3->chooseMode(SelectWhole);
  auto bmp = page->GroupBox3->selectionBitmap();
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->width(), w.st.meta.metafileWidth);
  EXPECT_EQ(bmp->height(), w.st.meta.metafileHeight);
  EXPECT_EQ(bmp->pixel(viewW - 1, 10), pz::rgb(255, 0, 0));
  EXPECT_EQ(bmp->pixel(viewW + 5, 10), pz::kWhite);
  EXPECT_EQ(bmp->pixel(10, viewH + 5), pz::kWhite);
  EXPECT_EQ(bmp->pixel(bmp->width() - 1, bmp->height() - 1), pz::kWhite);
}

TEST_F(MetafilePageTest, AnUnreadableFileLeavesTheEarlierPictureHeld) {
  load(file("good.wmf", picture(400, 200)));
  const QByteArray bad = readAll(pz::testing::metafileData("corrupt/hdr_badchecksum.wmf"));
  ASSERT_FALSE(bad.isEmpty());
  prompts.files.push_back(file("bad.wmf", bad));
  try {
    page->wmfbrowseforfilebuttonClick();
    ADD_FAILURE() << "no error";
  } catch (const pz::Error& e) {
    EXPECT_TRUE(e.text().contains(QStringLiteral("bad.wmf")));
    EXPECT_TRUE(e.text().contains(QStringLiteral("checksum")));
  }
  EXPECT_EQ(page->wmffilelabel->text(), QStringLiteral("bad.wmf"));
  ASSERT_TRUE(w.st.meta.metafile);
  EXPECT_EQ(w.st.meta.pictureWidth(), 400);
  // A picture of another kind by its extension, and a cancelled dialog.
  prompts.files.push_back(file("notes.txt", "hello"));
  EXPECT_THROW(page->wmfbrowseforfilebuttonClick(), pz::Error);
  page->wmfbrowseforfilebuttonClick();  // no answer queued: cancelled
  EXPECT_EQ(w.st.meta.pictureWidth(), 400);
  // Still drawn at its size.
  page->redraw();
  EXPECT_EQ(page->wmfdisplay->surface().pixel(150, 50), pz::rgb(255, 0, 0));
}

// What LibreOffice Draw offers when a drawing is copied, in its order.
QMimeData* libreOfficeClipboard(bool bitmapFirst) {
  auto* m = new QMimeData;
  QByteArray pngBytes;
  {
    QImage img(30, 20, QImage::Format_RGB32);
    img.fill(Qt::blue);
    QBuffer buf(&pngBytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
  }
  if (bitmapFirst) m->setData(QStringLiteral("image/png"), pngBytes);
  m->setData(QStringLiteral("application/x-openoffice-gdimetafile;windows_formatname=\"GDIMetaFile\""), "VCLMTF");
  m->setData(QStringLiteral("application/x-openoffice-emf;windows_formatname=\"Image EMF\""),
             readAll(pz::testing::metafileData("clipboard/lo_clip_emf.emf")));
  m->setData(QStringLiteral("application/x-openoffice-wmf;windows_formatname=\"Image WMF\""),
             readAll(pz::testing::metafileData("clipboard/lo_clip_wmf.wmf")));
  if (!bitmapFirst) m->setData(QStringLiteral("image/png"), pngBytes);
  return m;
}

TEST_F(MetafilePageTest, RetrievesLibreOfficesMetafileFromTheClipboard) {
  page->updateClipboardButton();
  EXPECT_FALSE(page->wmffromclipboardbutt->isEnabled());
  QGuiApplication::clipboard()->setMimeData(libreOfficeClipboard(false));
  w.FormActivate();  // switching back to the program tests the clipboard again
  EXPECT_TRUE(page->wmffromclipboardbutt->isEnabled());
  load(file("p.wmf", picture(400, 200)));
  page->GroupBox3->chooseMode(SelectWhole);
  page->wmffromclipboardbuttClick();
  ASSERT_TRUE(w.st.meta.metafile);
  EXPECT_EQ(w.st.meta.metafile->kind(), pz::Metafile::Kind::Emf);  // listed before the WMF
  EXPECT_TRUE(page->wmffilelabel->text().isEmpty());
  EXPECT_TRUE(page->GroupBox3->copyEnabled());  // a clipboard load keeps the copy's state
  EXPECT_EQ(w.st.meta.metafileWidth, w.st.meta.pictureWidth() / 2);
  page->wmfspinupClick();
  EXPECT_EQ(w.st.meta.metafilePercent, 125);
  EXPECT_EQ(page->wmfeditsize->text(), QStringLiteral("125"));
  int inked = 0;
  const pz::Surface& v = page->wmfdisplay->surface();
  for (int y = 0; y < w.st.meta.metafileHeight; ++y)
    for (int x = 0; x < w.st.meta.metafileWidth; ++x) inked += v.pixel(x, y) != pz::kWhite;
  EXPECT_GT(inked, 100);
}

TEST_F(MetafilePageTest, ABitmapListedFirstIsHeldAsABitmap) {
  QGuiApplication::clipboard()->setMimeData(libreOfficeClipboard(true));
  page->updateClipboardButton();
  EXPECT_TRUE(page->wmffromclipboardbutt->isEnabled());
  page->wmffromclipboardbuttClick();
  EXPECT_FALSE(w.st.meta.metafile);
  ASSERT_TRUE(w.st.meta.bitmap);
  EXPECT_EQ(w.st.meta.metafileWidth, 15);
  EXPECT_EQ(page->wmfdisplay->surface().pixel(5, 5), pz::rgb(0, 0, 255));
  // A clipboard with only a bitmap holds no metafile: the button stays off
  // and a click does nothing.
  QGuiApplication::clipboard()->setImage(QImage(5, 5, QImage::Format_RGB32));
  page->updateClipboardButton();
  EXPECT_FALSE(page->wmffromclipboardbutt->isEnabled());
}

TEST_F(MetafilePageTest, ClipboardMimeTypesMatchOnTheTextBeforeTheFirstSemicolon) {
  struct Row {
    const char* format;
    pz::ClipFormat kind;
  } rows[] = {
      {"application/x-openoffice-emf;windows_formatname=\"Image EMF\"", pz::ClipFormat::Emf},
      {"application/x-openoffice-wmf;windows_formatname=\"Image WMF\"", pz::ClipFormat::Wmf},
      {"image/emf", pz::ClipFormat::Emf},         {"image/x-emf", pz::ClipFormat::Emf},
      {"image/wmf", pz::ClipFormat::Wmf},         {"image/x-wmf", pz::ClipFormat::Wmf},
      {"image/png", pz::ClipFormat::Bitmap},      {"image/bmp", pz::ClipFormat::Bitmap},
      {"application/x-openoffice-gdimetafile;windows_formatname=\"GDIMetaFile\"", pz::ClipFormat::None},
      {"text/plain;charset=utf-8", pz::ClipFormat::None},
      {"application/x-openoffice-emfx", pz::ClipFormat::None},
  };
  for (const Row& r : rows) EXPECT_EQ(pz::clipboardFormatKind(QString::fromLatin1(r.format)), r.kind) << r.format;
}

TEST_F(MetafilePageTest, ControlColumnClickRedrawsAndNothingHappensWithoutAPicture) {
  pz::Surface& v = page->wmfdisplay->surface();
  v.fill(pz::rgb(0, 255, 0));
  page->redraw();  // nothing held: the view is left alone
  page->wmfctrlpanelClick();
  EXPECT_EQ(v.pixel(5, 5), pz::rgb(0, 255, 0));
  load(file("p.wmf", picture(400, 200)));
  v.fillRect({150, 10, 170, 30}, pz::rgb(0, 255, 0));  // a mark on the picture
  v.fillRect({500, 10, 520, 30}, pz::rgb(0, 255, 0));  // and beyond it
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(100, 200), QPointF(100, 200), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(page->wmfctrlpanel, &press);
  EXPECT_EQ(v.pixel(160, 20), pz::rgb(255, 0, 0));
  EXPECT_EQ(v.pixel(510, 20), pz::kWhite);
}

TEST_F(MetafilePageTest, AFreehandCopyRendersAgainWithoutTheOutline) {
  load(file("p.wmf", picture(400, 200)));
  page->GroupBox3->chooseMode(SelectIrregular);
  AreaSelect* g = page->GroupBox3;
  g->press(150, 20);
  g->drag(190, 20);
  g->drag(190, 80);
  g->drag(150, 80);
  g->drag(150, 21);
  g->release(150, 21);
  EXPECT_TRUE(g->copyEnabled());
  auto bmp = g->selectionBitmap();
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->width(), 40);
  EXPECT_EQ(bmp->pixel(20, 0), pz::rgb(255, 0, 0));  // the outline was rendered away
}

}  // namespace
}  // namespace fx
