// Razor, Bucket and Texture Brush on tiny pictures.
#include <gtest/gtest.h>

#include "paint/tools/paint_ops.h"
#include "tool_fixture.h"

namespace pz {
namespace {

using test::countDifferent;
using test::countPixels;
using test::tinyState;

constexpr Color kPaint = 0x005780FF;
constexpr Color kBlue = 0x00FF0000;
constexpr Color kGreen = 0x0000FF00;

// Row y of a razor picture: which x were painted.
std::vector<int> paintedIn(const Surface& s, int y) {
  std::vector<int> xs;
  for (int x = 0; x < s.width(); ++x)
    if (s.pixel(x, y) == kPaint) xs.push_back(x);
  return xs;
}

struct RazorRow {
  int mode;
  int x, y;
  int firstRow0, lastRow0;  // painted span on row y (or column x for mode 6)
  int firstRow1, lastRow1;  // on row y + 1 (column x + 1)
};
class RazorRows : public ::testing::TestWithParam<RazorRow> {};
// A 300-pixel line with black at x = 20 and x = 250 on row 10 only.
TEST_P(RazorRows, RunsStopAtBlackOrAfterAHundred) {
  const auto r = GetParam();
  const bool vertical = r.mode == 6;
  PaintState st = vertical ? tinyState(12, 300) : tinyState(300, 12);
  auto at = [&](int along, int across) {
    return vertical ? Point{across, along} : Point{along, across};
  };
  for (int along : {20, 250}) {
    const Point p = at(along, 10);
    st.pictureBmp.setPixel(p.x, p.y, kBlack);
  }
  st.razorMode = r.mode;
  const Point press = at(r.x, r.y);
  shaveRazor(st, press.x, press.y);
  for (int k = 0; k < 2; ++k) {
    const int across = r.y + k;
    const int first = k ? r.firstRow1 : r.firstRow0, last = k ? r.lastRow1 : r.lastRow0;
    for (int along = 0; along < 300; ++along) {
      const Point p = at(along, across);
      const bool painted = st.pictureBmp.pixel(p.x, p.y) == kPaint;
      ASSERT_EQ(painted, along >= first && along <= last) << "line " << across << " at " << along;
    }
  }
}
INSTANTIATE_TEST_SUITE_P(
    Rows, RazorRows,
    ::testing::Values(RazorRow{1, 100, 10, 21, 100, 1, 100},    // left: black at 20; 100 pixels
                      RazorRow{2, 100, 10, 100, 199, 100, 199},  // right: 100 pixels each
                      RazorRow{2, 220, 10, 220, 249, 220, 299},  // black at 250; off the edge
                      RazorRow{5, 100, 10, 21, 199, 1, 199},     // both ways, both rows
                      RazorRow{6, 100, 10, 21, 199, 1, 199},     // up and down, two columns
                      RazorRow{1, 30, 9, 0, 30, 21, 30}));       // row y + 1 is the lined one

TEST(Razor, OnBlackDoesNothingAndABlackSecondStartWritesNothing) {
  PaintState st = tinyState(50, 4);
  st.pictureBmp.setPixel(25, 1, kBlack);
  st.pictureBmp.setPixel(25, 2, kBlack);
  shaveRazor(st, 25, 1);
  EXPECT_EQ(countPixels(st.pictureBmp, kPaint), 0);
  shaveRazor(st, 25, 0);  // second run starts on black (25, 1)
  EXPECT_EQ(paintedIn(st.pictureBmp, 0).size(), 26u);
  EXPECT_EQ(paintedIn(st.pictureBmp, 1).size(), 0u);
}

// A run that leaves the picture keeps counting its steps: it does not
// come back in, and a start outside the picture writes only the steps that
// fall inside within its 100.
TEST(Razor, RunsLeavingThePictureKeepCounting) {
  PaintState st = tinyState(300, 2);
  st.razorMode = 2;
  shaveRazor(st, -60, 0);  // outside: read as not black
  const auto xs = paintedIn(st.pictureBmp, 0);
  ASSERT_EQ(xs.size(), 40u);
  EXPECT_EQ(xs.front(), 0);
  EXPECT_EQ(xs.back(), 39);
}

TEST(Bucket, FillsTheFourConnectedRegionOfExactlyThatColour) {
  PaintState st = tinyState(10, 10, kBlue);
  Surface& p = st.pictureBmp;
  for (int i = 0; i < 10; ++i) p.setPixel(i, 5, kBlack);  // splits top from bottom
  p.setPixel(3, 2, 0x00FE0000);                           // one unit off: not filled
  p.setPixel(0, 4, kGreen);
  p.setPixel(1, 5, kBlue);  // a gap in the line joins top and bottom
  p.setPixel(8, 8, kGreen);
  p.setPixel(9, 9, kBlue);  // walled off by green at (8, 9) and (9, 8)
  p.setPixel(8, 9, kGreen);
  p.setPixel(9, 8, kGreen);
  fillBucket(st, 0, 0);
  EXPECT_EQ(p.pixel(3, 2), 0x00FE0000u);
  EXPECT_EQ(p.pixel(0, 4), kGreen);
  EXPECT_EQ(p.pixel(1, 5), kPaint);
  EXPECT_EQ(p.pixel(5, 9), kPaint);
  EXPECT_EQ(p.pixel(9, 9), kBlue);
  EXPECT_EQ(countPixels(p, kBlue), 1);
}

TEST(Bucket, OnBlackOrOnTheCurrentColourChangesNothing) {
  PaintState st = tinyState(10, 10, kPaint);
  st.pictureBmp.fillRect({0, 0, 5, 10}, kBlack);
  const Surface before = st.pictureBmp;
  fillBucket(st, 2, 2);
  fillBucket(st, 7, 7);
  fillBucket(st, -1, 3);
  fillBucket(st, 10, 3);
  EXPECT_EQ(countDifferent(before, st.pictureBmp), 0);
}

// A spiral corridor one pixel wide: a recursive fill would go thousands of
// calls deep; a large comb gives a scanline fill many seeds at once.
TEST(Bucket, LongCorridorsAndCombsAreFilledWithoutRecursion) {
  PaintState st = tinyState(1201, 1201, kBlack);
  Surface& p = st.pictureBmp;
  for (int y = 0; y < 1201; y += 2) p.fillRect({0, y, 1200, y + 1}, kWhite);
  for (int y = 1; y < 1201; y += 4) p.setPixel(1199, y, kWhite);
  for (int y = 3; y < 1201; y += 4) p.setPixel(0, y, kWhite);
  for (int x = 0; x < 1201; x += 2) p.setPixel(x, 1200, kWhite);
  fillBucket(st, 0, 0);
  EXPECT_EQ(countPixels(p, kWhite), 0);
  PaintState comb = tinyState(2000, 2000);
  for (int x = 1; x < 2000; x += 2) comb.pictureBmp.fillRect({x, 1, x + 1, 2000}, kBlack);
  fillBucket(comb, 0, 1999);
  EXPECT_EQ(countPixels(comb.pictureBmp, kWhite), 0);
}

PaintState textureState(bool whiteOnly) {
  PaintState st = tinyState(60, 60);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 50; ++x) st.brushImage.setPixel(x, y, rgb(100 + x, 100 + y, 7));
  st.whiteOnly = whiteOnly;
  st.brushSize = 26;
  st.pictureBmp.fillRect({20, 20, 30, 30}, kGreen);
  st.pictureBmp.fillRect({25, 0, 26, 60}, kBlack);
  return st;
}

TEST(Texture, PlacesTheTopLeftOfTheTextureAtTheSquaresCorner) {
  PaintState st = textureState(false);
  paintTexture(st, 20, 20);  // square from (7, 7), 26 x 26
  EXPECT_EQ(st.pictureBmp.pixel(7, 7), rgb(100, 100, 7));
  EXPECT_EQ(st.pictureBmp.pixel(32, 32), rgb(125, 125, 7));
  EXPECT_EQ(st.pictureBmp.pixel(33, 20), kWhite);
  EXPECT_EQ(st.pictureBmp.pixel(22, 22), rgb(115, 115, 7));  // over the colour
  EXPECT_EQ(st.pictureBmp.pixel(25, 10), kBlack);
  // A second stamp paints over the first.
  paintTexture(st, 22, 20);
  EXPECT_EQ(st.pictureBmp.pixel(10, 10), rgb(101, 103, 7));
  EXPECT_EQ(st.pictureBmp.pixel(9, 10), rgb(100, 103, 7));
  EXPECT_EQ(st.pictureBmp.pixel(8, 10), rgb(101, 103, 7));  // left over from the first
}

TEST(Texture, WhiteOnlyNeverPaintsOverAColourOrAnEarlierStamp) {
  PaintState st = textureState(true);
  paintTexture(st, 20, 20);
  EXPECT_EQ(st.pictureBmp.pixel(7, 7), rgb(100, 100, 7));
  EXPECT_EQ(st.pictureBmp.pixel(22, 22), kGreen);
  EXPECT_EQ(st.pictureBmp.pixel(25, 10), kBlack);
  paintTexture(st, 22, 20);
  EXPECT_EQ(st.pictureBmp.pixel(10, 10), rgb(103, 103, 7));  // first stamp kept
  EXPECT_EQ(st.pictureBmp.pixel(33, 20), rgb(124, 113, 7));  // paper reached by the second
}

TEST(Texture, StampAtTheCornerUsesTheMatchingTexturePixels) {
  PaintState st = textureState(false);
  st.brushSize = 50;
  paintTexture(st, 0, 0);  // square from (-25, -25)
  EXPECT_EQ(st.pictureBmp.pixel(0, 0), rgb(125, 125, 7));
  EXPECT_EQ(st.pictureBmp.pixel(24, 24), rgb(149, 149, 7));
  EXPECT_EQ(st.pictureBmp.pixel(26, 0), kWhite);
}

}  // namespace
}  // namespace pz
