// The clip art window: the size rule, what OK and Cancel leave on the
// clipboard, and the shipped pictures.
#include <QListWidget>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QLabel>
#include <gtest/gtest.h>

#include "paint/files/artform.h"
#include "paint/files/paste.h"
#include "platform/bmp.h"
#include "platform/clipboard.h"
#include "platform/folders.h"
#include "platform/prompt.h"

namespace pz {
namespace {

struct SizeCase {
  int w, h, p, ew, eh;
};

class ClipartSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ClipartSize, TenthsOfTheNaturalSizeNeverBelowOnePixel) {
  const SizeCase& c = GetParam();
  EXPECT_EQ(clipartSize(QSize(c.w, c.h), c.p), QSize(c.ew, c.eh));
}

// The tenth is taken before multiplying, so 200 % of 64 x 48 is 120 x 80, not
// an exact double: the same rule that shows 45 x 30 at 100 % as 40 x 30.
INSTANTIATE_TEST_SUITE_P(Rule, ClipartSize,
                         ::testing::Values(SizeCase{64, 48, 20, 120, 80}, SizeCase{64, 48, 1, 6, 4},
                                           SizeCase{45, 30, 10, 40, 30}, SizeCase{45, 30, 15, 60, 45},
                                           SizeCase{9, 7, 10, 1, 1}, SizeCase{5, 120, 1, 1, 12}));

// A clip art folder with pictures of the given sizes, each white with a red
// block in the middle.
class ClipartWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    QDir().mkpath(dir.path() + "/clipart");
  }
  void add(const QString& name, int w, int h) {
    Surface s(w, h, kWhite);
    s.fillRect({w / 4, h / 4, w - w / 4, h - h / 4}, 0x0000FF);
    ASSERT_TRUE(writeBmp24(dir.path() + "/clipart/" + name + ".bmp", s));
  }
  int rowOf(Tartform& f, const QString& name) {
    for (int i = 0; i < f.filelist->count(); ++i)
      if (f.filelist->item(i)->text() == name) return i;
    return -1;
  }
  QSize clipboardSize() {
    auto s = clipboardImage();
    return s ? QSize(s->width(), s->height()) : QSize();
  }
  QTemporaryDir dir;
};

TEST_F(ClipartWindow, ListsThePicturesAndShowsTheFirstAtItsNaturalSize) {
  add("wide", 64, 48);
  add("odd", 45, 30);
  Tartform f(dir.path());
  f.FormActivate();
  ASSERT_EQ(f.filelist->count(), 2);
  EXPECT_EQ(f.filelist->currentRow(), 0);
  EXPECT_EQ(f.shownSize(), f.naturalSize());
  EXPECT_EQ(f.Label1->text(), QStringLiteral("100 %"));
  EXPECT_EQ(f.sizescroll->minimum(), 1);
  EXPECT_EQ(f.sizescroll->maximum(), 20);
  EXPECT_EQ(f.sizescroll->value(), 10);
}

TEST_F(ClipartWindow, AListClickKeepsTheNaturalSizeUntilTheBarMoves) {
  add("wide", 64, 48);
  add("odd", 45, 30);
  Tartform f(dir.path());
  f.FormActivate();
  const int odd = rowOf(f, "odd"), wide = rowOf(f, "wide");
  f.filelist->setCurrentRow(wide);
  f.filelist->setCurrentRow(odd);
  EXPECT_EQ(f.shownSize(), QSize(45, 30));
  f.sizescroll->setValue(11);
  EXPECT_EQ(f.Label1->text(), QStringLiteral("110 %"));
  f.sizescroll->setValue(10);
  EXPECT_EQ(f.shownSize(), QSize(40, 30));
  EXPECT_EQ(f.cimg->size(), QSize(40, 30));
  EXPECT_EQ(f.Label1->text(), QStringLiteral("100 %"));
  // Loading another entry from a moved bar puts the bar back to 10, sizing it.
  f.sizescroll->setValue(4);
  f.filelist->setCurrentRow(wide);
  EXPECT_EQ(f.sizescroll->value(), 10);
  EXPECT_EQ(f.shownSize(), QSize(60, 40));
}

TEST_F(ClipartWindow, OkPutsTheSizedPictureOnTheClipboard) {
  add("wide", 64, 48);
  struct Row {
    int p;
    QSize expected;
  };
  for (Row r : {Row{20, {120, 80}}, Row{1, {6, 4}}}) {
    Tartform f(dir.path());
    f.FormActivate();
    f.sizescroll->setValue(r.p);
    f.Image2Click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(clipboardSize(), r.expected) << r.p;
  }
  // The stretch is a plain copy: the red block keeps exact red, no blends.
  auto s = clipboardImage();
  ASSERT_TRUE(s);
  for (int y = 0; y < s->height(); ++y)
    for (int x = 0; x < s->width(); ++x) {
      const Color c = s->pixel(x, y);
      EXPECT_TRUE(c == kWhite || c == 0x0000FF) << x << "," << y;
    }
}

TEST_F(ClipartWindow, APictureBelowTenPixelsStillGivesABitmap) {
  add("tiny", 7, 5);
  Tartform f(dir.path());
  f.FormActivate();
  f.sizescroll->setValue(3);
  f.Image2Click();
  EXPECT_EQ(clipboardSize(), QSize(1, 1));
}

TEST_F(ClipartWindow, CancelLeavesTheClipboardAlone) {
  add("wide", 64, 48);
  setClipboardImage(Surface(3, 2, 0x00FF00));
  Tartform f(dir.path());
  f.FormActivate();
  f.sizescroll->setValue(20);
  f.Image3Click();
  EXPECT_EQ(f.result(), QDialog::Rejected);
  EXPECT_EQ(clipboardSize(), QSize(3, 2));
}

TEST_F(ClipartWindow, AnEmptyFolderOffersNothingAndOkKeepsTheClipboard) {
  setClipboardImage(Surface(3, 2, 0x00FF00));
  Tartform f(dir.path());
  f.FormActivate();
  EXPECT_EQ(f.filelist->count(), 0);
  f.Image2Click();
  EXPECT_EQ(clipboardSize(), QSize(3, 2));
}

// Damaged files: each says which file it is, OK then leaves the clipboard
// alone, and the good pictures stay usable.
TEST_F(ClipartWindow, AnUnreadablePictureSaysSoAndTheOthersStillWork) {
  ScriptedPrompter prompts;
  add("good", 40, 30);
  const QByteArray whole = encodeBmp24(Surface(40, 30, 0x0000FF));
  const struct {
    const char* name;
    QByteArray bytes;
  } damaged[] = {{"garbage", "this is no bitmap"}, {"cut_in_its_header", whole.left(30)}, {"empty", ""}};
  for (const auto& d : damaged) {
    QFile f(dir.path() + "/clipart/" + d.name + ".bmp");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(d.bytes);
  }
  setClipboardImage(Surface(3, 2, 0x00FF00));
  Tartform f(dir.path());
  f.FormActivate();
  ASSERT_EQ(f.filelist->count(), 4);
  for (const auto& d : damaged) {
    prompts.shown.clear();
    f.filelist->setCurrentRow(rowOf(f, d.name));  // the list's click
    ASSERT_EQ(prompts.shown.size(), 1) << d.name;
    EXPECT_TRUE(prompts.shown[0].contains(dir.path() + "/clipart/" + d.name + ".bmp")) << prompts.shown[0].toStdString();
    f.Image2Click();
    EXPECT_EQ(clipboardSize(), QSize(3, 2)) << d.name;
  }
  prompts.shown.clear();
  f.filelist->setCurrentRow(rowOf(f, "good"));
  EXPECT_TRUE(prompts.shown.isEmpty());
  f.Image2Click();
  EXPECT_EQ(clipboardSize(), QSize(40, 30));
}

TEST(ShippedClipart, TwentyPicturesOrMoreEachPastedWithATransparentBackground) {
  const QString folder = QStringLiteral(PINZ_PROGRAM_DIR "/clipart");
  const QStringList files = listFolder(folder, QStringLiteral("bmp"));
  EXPECT_GE(files.size(), 20);
  for (const QString& name : files) {
    std::optional<Surface> s = readBmp(folder + "/" + name);
    ASSERT_TRUE(s) << name.toStdString();
    EXPECT_GE(s->width(), 100) << name.toStdString();
    const Color k = s->pixel(0, 0);
    EXPECT_EQ(k, kWhite) << name.toStdString();
    EXPECT_EQ(s->pixel(s->width() - 1, 0), k) << name.toStdString();
    EXPECT_EQ(s->pixel(0, s->height() - 1), k) << name.toStdString();
    EXPECT_EQ(s->pixel(s->width() - 1, s->height() - 1), k) << name.toStdString();
    // Something is drawn, and it keeps black outlines exactly black.
    int ink = 0, black = 0;
    for (int y = 0; y < s->height(); ++y)
      for (int x = 0; x < s->width(); ++x) {
        ink += s->pixel(x, y) != kWhite;
        black += s->pixel(x, y) == kBlack;
      }
    EXPECT_GT(ink, s->width() * s->height() / 5) << name.toStdString();
    EXPECT_GT(black, 100) << name.toStdString();
  }
}

TEST(ShippedClipart, PasteAfterOkMakesTheBackgroundTransparent) {
  Tartform f(QStringLiteral(PINZ_PROGRAM_DIR));
  f.FormActivate();
  ASSERT_GT(f.filelist->count(), 0);
  f.sizescroll->setValue(5);
  f.Image2Click();
  QString error;
  std::optional<Surface> img = pasteImageFromClipboard(&error);
  ASSERT_TRUE(img);
  PaintState st;
  buildPasteBmp(st, *img);
  EXPECT_EQ(st.pasteMask, kPasteWithMask);
}

}  // namespace
}  // namespace pz
