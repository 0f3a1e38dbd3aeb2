#include "platform/surface.h"

#include <gtest/gtest.h>

namespace pz {
namespace {

TEST(Surface, ReadsOutsideAreInvalidAndWritesOutsideAreIgnored) {
  Surface s(4, 3, kWhite);
  EXPECT_EQ(s.pixel(-1, 0), kInvalid);
  EXPECT_EQ(s.pixel(4, 0), kInvalid);
  EXPECT_EQ(s.pixel(0, 3), kInvalid);
  s.setPixel(4, 0, kBlack);
  s.setPixel(-1, -1, kBlack);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(s.pixel(x, y), kWhite);
  s.setPixel(1, 2, 0x00123456);
  EXPECT_EQ(s.pixel(1, 2), 0x00123456u);
}

TEST(Surface, ColourLayoutIsBlueGreenRed) {
  Surface s(1, 1, rgb(255, 128, 87));
  EXPECT_EQ(s.pixel(0, 0), 0x005780FFu);
  const QColor q = s.image().pixelColor(0, 0);
  EXPECT_EQ(q.red(), 255);
  EXPECT_EQ(q.green(), 128);
  EXPECT_EQ(q.blue(), 87);
}

TEST(Surface, SetSizeKeepsTopLeftAndFillsWhite) {
  Surface s(2, 2, kBlack);
  s.setSize(3, 1);
  EXPECT_EQ(s.width(), 3);
  EXPECT_EQ(s.height(), 1);
  EXPECT_EQ(s.pixel(0, 0), kBlack);
  EXPECT_EQ(s.pixel(1, 0), kBlack);
  EXPECT_EQ(s.pixel(2, 0), kWhite);
}

TEST(Surface, CopiesAreDeep) {
  Surface a(2, 2, kWhite);
  Surface b = a;
  b.setPixel(0, 0, kBlack);
  EXPECT_EQ(a.pixel(0, 0), kWhite);
  QImage keep = a.toImage();
  a.setPixel(1, 1, kBlack);
  EXPECT_EQ(keep.pixelColor(1, 1), QColor(Qt::white));
}

struct RopCase {
  Rop rop;
  Color src, dst, expected;
};

class BitBltRops : public ::testing::TestWithParam<RopCase> {};

TEST_P(BitBltRops, CombinesSourceAndDestination) {
  const RopCase c = GetParam();
  Surface src(1, 1, c.src), dst(1, 1, c.dst);
  bitBlt(dst, 0, 0, 1, 1, &src, 0, 0, c.rop, 0x00112233);
  EXPECT_EQ(dst.pixel(0, 0), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    All, BitBltRops,
    ::testing::Values(RopCase{Rop::SrcCopy, 0x00102030, 0x00FFFFFF, 0x00102030},
                      RopCase{Rop::SrcAnd, 0x00F0F0F0, 0x000F0FFF, 0x000000F0},
                      RopCase{Rop::SrcPaint, 0x00F00000, 0x0000000F, 0x00F0000F},
                      RopCase{Rop::SrcInvert, 0x00FFFFFF, 0x00000000, 0x00FFFFFF},
                      RopCase{Rop::SrcErase, 0x00FFFFFF, 0x000000FF, 0x00FFFF00},
                      RopCase{Rop::Blackness, 0x00FFFFFF, 0x00FFFFFF, 0x00000000},
                      RopCase{Rop::Whiteness, 0x00000000, 0x00000000, 0x00FFFFFF},
                      RopCase{Rop::DstInvert, 0x00000000, 0x00FF00FF, 0x0000FF00},
                      RopCase{Rop::PatCopy, 0x00000000, 0x00FFFFFF, 0x00112233}));

TEST(BitBlt, ClipsAgainstBothSurfaces) {
  Surface src(3, 3, kBlack), dst(4, 4, kWhite);
  bitBlt(dst, 2, 2, 5, 5, &src, -1, -1);  // only src (0..1, 0..1) lands at dst (3, 3)
  EXPECT_EQ(dst.pixel(2, 2), kWhite);
  EXPECT_EQ(dst.pixel(3, 3), kBlack);
  int black = 0;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) black += dst.pixel(x, y) == kBlack;
  EXPECT_EQ(black, 1);
}

TEST(StretchBlt, RepeatsAndDropsWithoutBlending) {
  Surface src(2, 1);
  src.setPixel(0, 0, 0x000000FF);
  src.setPixel(1, 0, 0x0000FF00);
  Surface big(4, 2);
  stretchBlt(big, 0, 0, 4, 2, src, 0, 0, 2, 1);
  EXPECT_EQ(big.pixel(0, 0), 0x000000FFu);
  EXPECT_EQ(big.pixel(1, 1), 0x000000FFu);
  EXPECT_EQ(big.pixel(2, 0), 0x0000FF00u);
  EXPECT_EQ(big.pixel(3, 1), 0x0000FF00u);
  Surface small(1, 1);
  stretchBlt(small, 0, 0, 1, 1, src, 0, 0, 2, 1);
  EXPECT_EQ(small.pixel(0, 0), 0x000000FFu);
}

TEST(StretchBlt, OutsideSourceTakesTheGivenColour) {
  Surface src(1, 1, kBlack), dst(4, 1, kWhite);
  stretchBlt(dst, 0, 0, 4, 1, src, 0, 0, 2, 1, Rop::SrcCopy, 0x00808080);
  EXPECT_EQ(dst.pixel(1, 0), kBlack);
  EXPECT_EQ(dst.pixel(2, 0), 0x00808080u);
}

TEST(Lines, LeaveOutTheEndPointAndInvertTwiceRestores) {
  Surface s(10, 10, kWhite);
  s.pen = {PenStyle::Solid, 1, kBlack};
  s.moveTo(1, 1);
  s.lineTo(5, 1);
  EXPECT_EQ(s.pixel(1, 1), kBlack);
  EXPECT_EQ(s.pixel(4, 1), kBlack);
  EXPECT_EQ(s.pixel(5, 1), kWhite);
  Surface before = s;
  s.rop2 = Rop2::Not;
  s.pen.style = PenStyle::Dot;
  for (int pass = 0; pass < 2; ++pass) {
    s.moveTo(0, 0);
    s.lineTo(9, 7);
  }
  EXPECT_TRUE(s == before);
}

TEST(FloodFill, FillsFourConnectedRegionOfExactColour) {
  Surface s(5, 5, kWhite);
  for (int i = 0; i < 5; ++i) s.setPixel(2, i, kBlack);  // wall
  s.setPixel(0, 0, 0x00FEFEFE);                          // a near-white colour, not paper
  s.brush.color = 0x000000FF;
  s.floodFillSurface(1, 1, kWhite);
  EXPECT_EQ(s.pixel(1, 4), 0x000000FFu);
  EXPECT_EQ(s.pixel(0, 0), 0x00FEFEFEu);
  EXPECT_EQ(s.pixel(3, 3), kWhite);
}

TEST(FloodFill, LargeRegionDoesNotOverflowTheStack) {
  Surface s(3000, 3000, kWhite);
  for (int y = 1; y < 3000; y += 2)
    for (int x = (y / 2) % 2 ? 0 : 1; x < 2999; ++x) s.setPixel(x, y, kBlack);  // a long serpentine
  s.brush.color = 0x000000FF;
  s.floodFillSurface(0, 0, kWhite);
  EXPECT_EQ(s.pixel(2999, 2998), 0x000000FFu);
}

TEST(Shapes, EllipseFitsItsBoxAndRectangleWithNullPenIsSmaller) {
  Surface s(12, 12, kWhite);
  s.pen.style = PenStyle::Null;
  s.brush = {false, kBlack};
  s.ellipse(0, 0, 10, 10);
  EXPECT_EQ(s.pixel(5, 5), kBlack);
  EXPECT_EQ(s.pixel(0, 0), kWhite);
  EXPECT_EQ(s.pixel(10, 5), kWhite);
  Surface r(6, 6, kWhite);
  r.pen.style = PenStyle::Null;
  r.brush = {false, kBlack};
  r.rectangle(0, 0, 4, 4);
  EXPECT_EQ(r.pixel(2, 2), kBlack);
  EXPECT_EQ(r.pixel(3, 3), kWhite);
}

}  // namespace
}  // namespace pz
