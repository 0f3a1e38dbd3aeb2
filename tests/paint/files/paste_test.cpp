// Paste: the corner rule, the drop, the preview's partial redraw and the
// clipboard checks.
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>
#include <gtest/gtest.h>

#include "paint/files/paste.h"
#include "paint/files/selection.h"
#include "platform/clipboard.h"

namespace pz {
namespace {

constexpr Color kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00, kPaper = 0x80C0E0;

// A 6 x 4 image: a black frame line in the middle row, a white hole inside,
// and the four corners as given (top-left, top-right, bottom-left, bottom-right).
Surface cornerImage(Color tl, Color tr, Color bl, Color br) {
  Surface s(6, 4, kWhite);
  for (int x = 1; x < 5; ++x) s.setPixel(x, 1, kBlack);
  s.setPixel(2, 2, kWhite);  // white inside the image
  s.setPixel(3, 2, kRed);
  s.setPixel(0, 0, tl);
  s.setPixel(5, 0, tr);
  s.setPixel(0, 3, bl);
  s.setPixel(5, 3, br);
  return s;
}

struct CornerCase {
  const char* name;
  Color tl, tr, bl, br;
  int expectedMask;
};

class CornerRule : public ::testing::TestWithParam<CornerCase> {};

TEST_P(CornerRule, DecidesTransparencyAndTheDropFollowsIt) {
  const CornerCase& c = GetParam();
  PaintState st;
  st.pictureBmp.create(20, 20, kPaper);
  const Surface img = cornerImage(c.tl, c.tr, c.bl, c.br);
  buildPasteBmp(st, img);
  ASSERT_EQ(st.pasteBmp.width(), 12);
  ASSERT_EQ(st.pasteBmp.height(), 4);
  EXPECT_EQ(st.pasteMask, c.expectedMask);
  // Centred on (10, 10): the top-left lands at (10 - 12/4, 10 - 4/2) = (7, 8).
  dropPasteAt(st, {6, 7}, 4, 3);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) {
      const Color src = img.pixel(x, y), got = st.pictureBmp.pixel(7 + x, 8 + y);
      if (c.expectedMask == kPasteWithMask && src == c.tl)
        EXPECT_EQ(got, kPaper) << x << "," << y;
      else
        EXPECT_EQ(got, src) << x << "," << y;
    }
  EXPECT_EQ(st.pictureBmp.pixel(6, 8), kPaper);
  EXPECT_EQ(st.pictureBmp.pixel(13, 11), kPaper);
}

INSTANTIATE_TEST_SUITE_P(
    Corners, CornerRule,
    ::testing::Values(CornerCase{"all_white", kWhite, kWhite, kWhite, kWhite, kPasteWithMask},
                      CornerCase{"three_of_four", kWhite, kWhite, kGreen, kWhite, kPasteWithMask},
                      CornerCase{"top_left_differs", kBlue, kWhite, kWhite, kWhite, kPasteOpaque},
                      CornerCase{"one_other_matches", kWhite, kWhite, kGreen, kBlue, kPasteOpaque},
                      CornerCase{"blue_key", kBlue, kBlue, kBlue, kGreen, kPasteWithMask}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Paste, WhiteCornersMakeEveryWhitePixelTransparentAndBlackStaysBlack) {
  PaintState st;
  st.pictureBmp.create(10, 10, kGreen);
  buildPasteBmp(st, cornerImage(kWhite, kWhite, kWhite, kWhite));
  // The mask half: white where the picture shows through.
  EXPECT_EQ(st.pasteBmp.pixel(6 + 2, 2), kWhite);
  EXPECT_EQ(st.pasteBmp.pixel(6 + 1, 1), kBlack);
  dropPasteAt(st, {3, 2}, 0, 0);  // top-left at (0, 0)
  EXPECT_EQ(st.pictureBmp.pixel(2, 2), kGreen);  // the white hole inside
  EXPECT_EQ(st.pictureBmp.pixel(1, 1), kBlack);
  EXPECT_EQ(st.pictureBmp.pixel(3, 2), kRed);
}

TEST(Paste, OddSizesCentreByTruncatingDivision) {
  PaintState st;
  st.pictureBmp.create(30, 30, kWhite);
  buildPasteBmp(st, Surface(5, 3, kRed));  // all corners red: every pixel transparent
  EXPECT_EQ(st.pasteMask, kPasteWithMask);
  buildPasteBmp(st, [] {
    Surface s(5, 3, kRed);
    s.setPixel(0, 0, kBlue);
    return s;
  }());
  ASSERT_EQ(st.pasteMask, kPasteOpaque);
  EXPECT_EQ(pasteRect(st, {10, 10}).left, 8);  // 10 - (2 * 5) div 4
  EXPECT_EQ(pasteRect(st, {10, 10}).top, 9);   // 10 - 3 div 2
  dropPasteAt(st, {10, 10}, 0, 0);
  EXPECT_EQ(st.pictureBmp.pixel(8, 9), kBlue);
  EXPECT_EQ(st.pictureBmp.pixel(12, 11), kRed);
  EXPECT_EQ(st.pictureBmp.pixel(13, 11), kWhite);
}

TEST(Paste, CutThenPasteReturnsThePixels) {
  PaintState st;
  st.pictureBmp.create(120, 90, kWhite);
  for (int y = 0; y < 90; ++y)
    for (int x = 0; x < 120; ++x) st.pictureBmp.setPixel(x, y, rgb(x * 2, y * 2, (x + y) % 256));
  const Surface before = st.pictureBmp;
  st.selPicture = {30, 20, 71, 45};  // 41 x 25
  setClipboardImage(pictureBlock(st.pictureBmp, selectionRect(st)));
  clearSelection(st);
  EXPECT_EQ(st.pictureBmp.pixel(30, 20), kWhite);
  EXPECT_EQ(st.pictureBmp.pixel(70, 44), kWhite);
  EXPECT_NE(st.pictureBmp.pixel(71, 44), kWhite);

  QString error;
  std::optional<Surface> img = pasteImageFromClipboard(&error);
  ASSERT_TRUE(img) << error.toStdString();
  buildPasteBmp(st, *img);
  // The drop point that puts the top-left back at (30, 20), through a scrolled view.
  dropPasteAt(st, {30 + 41 / 2 - 5, 20 + 25 / 2 - 7}, 5, 7);
  EXPECT_TRUE(st.pictureBmp == before);
}

class Preview : public ::testing::TestWithParam<Color> {};

TEST_P(Preview, RedrawsOnlyWhatItLeavesAndMatchesAFullRedraw) {
  PaintState st;
  st.pictureBmp.create(300, 200, kWhite);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 300; ++x) st.pictureBmp.setPixel(x, y, rgb(x, y, 77));
  Surface img(40, 30, kWhite);
  img.fillRect({5, 5, 35, 25}, kBlack);
  img.fillRect({10, 10, 20, 20}, kWhite);
  img.setPixel(0, 0, GetParam());
  buildPasteBmp(st, img);
  ASSERT_EQ(st.pasteMask, GetParam() == kWhite ? kPasteWithMask : kPasteOpaque);
  const Color outside = 0x808000;
  const int hpos = 40, vpos = 10;
  Surface view(320, 240);
  showPictureBlock(view, st.pictureBmp, hpos, vpos, view.bounds(), outside);
  const Surface pictureBefore = st.pictureBmp;

  PastePreview preview;
  const Point moves[] = {{20, 20}, {25, 22}, {300, 230}, {2, 1}, {318, 5}, {160, 120}};
  Point sprite{0, 0};
  for (Point p : moves) {
    // The pointer sprite was drawn over the old preview; the preview clears it.
    view.fillRect({sprite.x, sprite.y, sprite.x + 50, sprite.y + 50}, kBlue);
    preview.draw(view, st, hpos, vpos, p, {sprite.x, sprite.y, sprite.x + 50, sprite.y + 50}, outside);
    Surface full(320, 240);
    showPictureBlock(full, st.pictureBmp, hpos, vpos, full.bounds(), outside);
    const Point o = pasteOrigin(st, p);
    drawPasteImage(full, st, o.x, o.y);
    ASSERT_TRUE(view == full) << "after the move to " << p.x << "," << p.y;
    sprite = {p.x - 25, p.y - 25};
  }
  EXPECT_TRUE(st.pictureBmp == pictureBefore);  // the preview never draws into the picture
}

INSTANTIATE_TEST_SUITE_P(MaskedAndOpaque, Preview, ::testing::Values(kWhite, kBlue));

TEST(Paste, ViewPastThePictureShowsTheOutsideColour) {
  Surface picture(10, 10, kRed), view(30, 30, kBlack);
  showPictureBlock(view, picture, -5, 3, {0, 0, 30, 30}, kGreen);
  EXPECT_EQ(view.pixel(4, 0), kGreen);  // left of the picture
  EXPECT_EQ(view.pixel(5, 0), kRed);
  EXPECT_EQ(view.pixel(14, 6), kRed);
  EXPECT_EQ(view.pixel(15, 6), kGreen);  // right of it
  EXPECT_EQ(view.pixel(5, 7), kGreen);   // below it
}

// What another program offers: only an encoded image, here PNG bytes.
void offerPng(const QImage& img) {
  QByteArray png;
  QBuffer buf(&png);
  buf.open(QIODevice::WriteOnly);
  ASSERT_TRUE(img.save(&buf, "PNG"));
  auto* mime = new QMimeData;
  mime->setData(QStringLiteral("image/png"), png);
  mime->setImageData(img);
  QGuiApplication::clipboard()->setMimeData(mime);
}

TEST(Paste, RefusesAClipboardImageLargerThanAnyPicture) {
  struct Row {
    int w, h;
    bool accepted;
  };
  for (Row r : {Row{16000, 2, true}, Row{16001, 2, false}, Row{2, 16001, false}}) {
    QImage img(r.w, r.h, QImage::Format_RGB32);
    img.fill(Qt::red);
    offerPng(img);
    QString error;
    std::optional<Surface> s = pasteImageFromClipboard(&error);
    EXPECT_EQ(bool(s), r.accepted) << r.w << "x" << r.h;
    if (!r.accepted) {
      EXPECT_EQ(error, QString::fromLatin1(kPasteTooLargeMessage));
    }
  }
}

// Another program's PNG as it arrives from the X11 clipboard: the bytes
// only, decoded by Qt's image readers when the image is asked for, so Qt's
// own limit on decoded images applies.
class EncodedOnly : public QMimeData {
 public:
  explicit EncodedOnly(QByteArray png) : png_(std::move(png)) {}
  QStringList formats() const override { return {QStringLiteral("image/png"), kImage}; }
  bool hasFormat(const QString& f) const override { return formats().contains(f); }

 protected:
  QVariant retrieveData(const QString& f, QMetaType) const override {
    if (f == kImage) return QImage::fromData(png_, "PNG");
    if (f == QLatin1String("image/png")) return png_;
    return {};
  }

 private:
  inline static const QString kImage = QStringLiteral("application/x-qt-image");
  QByteArray png_;
};

TEST(Paste, ReadsAnotherProgramsPngUpToTheProgramsOwnLimit) {
  struct Row {
    int w, h;
    bool accepted;
  };
  const int qtLimit = QImageReader::allocationLimit();
  for (Row r : {Row{6000, 6000, true}, Row{16000, 2, true}, Row{16001, 2, false}}) {
    QImage img(r.w, r.h, QImage::Format_RGB32);
    img.fill(Qt::red);
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    ASSERT_TRUE(img.save(&buf, "PNG"));
    img = QImage();
    QGuiApplication::clipboard()->setMimeData(new EncodedOnly(png));
    QString error;
    std::optional<Surface> s = pasteImageFromClipboard(&error);
    ASSERT_EQ(bool(s), r.accepted) << r.w << "x" << r.h << ": " << error.toStdString();
    if (s) {
      EXPECT_EQ(s->width(), r.w);
      EXPECT_EQ(s->pixel(r.w - 1, r.h - 1), kRed);
    } else {
      EXPECT_EQ(error, QString::fromLatin1(kPasteTooLargeMessage));
    }
    EXPECT_EQ(QImageReader::allocationLimit(), qtLimit) << "Qt's limit is lifted only for the read";
  }
  QGuiApplication::clipboard()->clear();
}

TEST(Paste, TheSizeIsReadFromTheEncodedImageBeforeDecoding) {
  QImage img(20000, 1, QImage::Format_RGB32);
  img.fill(Qt::blue);
  offerPng(img);
  EXPECT_EQ(clipboardImageSize(), QSize(20000, 1));
}

}  // namespace
}  // namespace pz
