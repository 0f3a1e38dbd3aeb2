// Behaviour of the tools that lay colour without blending, on tiny pictures.
#include <gtest/gtest.h>

#include "paint/tools/dispatch.h"
#include "paint/tools/paint_ops.h"
#include "tool_fixture.h"

namespace pz {
namespace {

using test::countDifferent;
using test::countPixels;
using test::tinyState;

constexpr Color kPaint = 0x005780FF;
constexpr Color kRed = 0x000000FF;
constexpr Color kBlue = 0x00FF0000;

// A picture with black lines, a coloured block and white paper.
PaintState linedState(int tool) {
  PaintState st = tinyState(80, 80);
  st.pictureBmp.fillRect({40, 0, 80, 40}, kBlue);
  st.pictureBmp.fillRect({0, 38, 80, 41}, kBlack);
  st.pictureBmp.fillRect({38, 0, 41, 80}, kBlack);
  st.pictureBmp.fillRect({20, 20, 22, 60}, 0x010101);
  st.currentTool = tool;
  st.strokeWidth = 4;
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 50; ++x) st.brushImage.setPixel(x, y, rgb(x * 5, y * 5, 90));
  return st;
}

void stroke(PaintState& st, std::initializer_list<Point> pts) {
  bool first = true;
  st.stroking = 1;
  for (Point p : pts) {
    if (!st.stroking) break;
    toolStep(st, p.x, p.y, first ? PhasePress : PhaseDrag);
    first = false;
  }
  st.stroking = 0;
}

// Every tool but the pencil, the black eraser and the stars leaves black alone.
class SparesBlack : public ::testing::TestWithParam<int> {};
TEST_P(SparesBlack, LinesSurviveAStrokeAcrossThem) {
  for (bool whiteOnly : {false, true}) {
    PaintState st = linedState(GetParam());
    st.whiteOnly = whiteOnly;
    const Surface before = st.pictureBmp;
    stroke(st, {{30, 30}, {39, 39}, {45, 39}, {39, 20}, {60, 60}, {5, 39}});
    EXPECT_GT(countDifferent(before, st.pictureBmp), 0);
    for (int y = 0; y < 80; ++y)
      for (int x = 0; x < 80; ++x)
        if (before.pixel(x, y) == kBlack) {
          ASSERT_EQ(st.pictureBmp.pixel(x, y), kBlack) << x << "," << y;
        }
  }
}
INSTANTIATE_TEST_SUITE_P(Tools, SparesBlack,
                         ::testing::Values(ToolPastel, ToolTextureBrush, ToolWaterPen, ToolRazor, ToolAcrylicPaint,
                                           ToolBucket, ToolColorEraser, ToolPastelMix, ToolWaterPenMix,
                                           ToolSprayPaint, ToolReplacementPaint, ToolOilPaint, ToolSprayPaintMix));

// Stamps, dabs and runs reaching past the edge (or lying wholly outside) do
// nothing there and never fail, at every brush size and width.
class EdgesNeverFail : public ::testing::TestWithParam<int> {};
TEST_P(EdgesNeverFail, AtCornersAndFarOutside) {
  for (int size : {50, 26, 14})
    for (int width : {2, 10}) {
      PaintState st = tinyState(7, 5, kBlue);
      st.pictureBmp.setPixel(3, 2, kBlack);
      st.currentTool = GetParam();
      st.brushSize = size;
      st.strokeWidth = width;
      for (int mode : {1, 2, 5, 6}) {
        st.razorMode = mode;
        stroke(st, {{0, 0}, {6, 4}, {-1, -1}, {7, 5}, {-200, 3}, {3, 900}, {-1000000, 1000000}});
      }
      EXPECT_EQ(st.pictureBmp.width(), 7);
      EXPECT_EQ(st.brushImage.width(), 50);
    }
}
INSTANTIATE_TEST_SUITE_P(Tools, EdgesNeverFail,
                         ::testing::Values(ToolPastel, ToolTextureBrush, ToolWaterPen, ToolRazor, ToolAcrylicPaint,
                                           ToolBucket, ToolBlackPencil, ToolBlackEraser, ToolColorEraser,
                                           ToolPastelMix, ToolWaterPenMix, ToolSprayPaint, ToolWandStars,
                                           ToolReplacementPaint, ToolOilPaint, ToolSprayPaintMix));

TEST(Pastel, SmallestBrushReachesOnlyOneToTheLeftAndUp) {
  PaintState st = tinyState(20, 20);
  st.brushSize = 14;
  for (int k = 0; k < 50; ++k) paintPastel(st, 10, 10);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      const bool reachable = (x == 9 || x == 10) && (y == 9 || y == 10);
      if (!reachable) {
        ASSERT_EQ(st.pictureBmp.pixel(x, y), kWhite) << x << "," << y;
      }
    }
  EXPECT_EQ(countPixels(st.pictureBmp, kPaint), 4);
}

TEST(Pastel, PaintsOverColourAndStaysWithinReach) {
  PaintState st = tinyState(40, 40, kBlue);
  paintPastel(st, 20, 20);  // size 50: reach 6
  int painted = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x)
      if (st.pictureBmp.pixel(x, y) == kPaint) {
        ++painted;
        ASSERT_LE(pixelDistance(20, 20, x, y), 6);
      }
  EXPECT_GT(painted, 20);
}

TEST(Replacement, StartedOnBlackChangesNothingEvenAcrossColours) {
  PaintState st = linedState(ToolReplacementPaint);
  const Surface before = st.pictureBmp;
  stroke(st, {{39, 39}, {45, 10}, {10, 10}, {60, 20}});
  EXPECT_EQ(countDifferent(before, st.pictureBmp), 0);
}

TEST(Replacement, ReplacesOnlyTheExactColourUnderThePress) {
  PaintState st = tinyState(30, 30, kBlue);
  const Color nearBlue = 0x00FE0000, nearBlue2 = 0x00FF0001;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x)
      if ((x + y) % 3 == 1) st.pictureBmp.setPixel(x, y, (x % 2) ? nearBlue : nearBlue2);
  st.currentTool = ToolReplacementPaint;
  stroke(st, {{15, 15}, {15, 15}, {14, 15}, {16, 14}});
  EXPECT_GT(countPixels(st.pictureBmp, kPaint), 10);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x)
      if ((x + y) % 3 == 1) {
        ASSERT_NE(st.pictureBmp.pixel(x, y), kPaint);
      }
}

TEST(Replacement, TheTargetIsSampledAtThePressOnly) {
  PaintState st = tinyState(60, 20);
  st.pictureBmp.fillRect({30, 0, 60, 20}, kRed);
  st.currentTool = ToolReplacementPaint;
  stroke(st, {{10, 10}, {45, 10}, {50, 10}});
  EXPECT_EQ(st.replaceTarget, kWhite);
  EXPECT_EQ(countPixels(st.pictureBmp, kRed), 30 * 20);  // red untouched by the drag
}

TEST(Acrylic, SpecklesADiscOfShadesSparingBlack) {
  PaintState st = tinyState(60, 60);
  st.pictureBmp.setPixel(30, 30, kBlack);
  st.currentTool = ToolAcrylicPaint;
  st.brushSize = 26;
  stroke(st, {{30, 30}});
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x) {
      const Color c = st.pictureBmp.pixel(x, y);
      if (x == 30 && y == 30) {
        ASSERT_EQ(c, kBlack);
      } else if (pixelDistance(30, 30, x, y) < 13) {
        ASSERT_NE(std::find(st.shadeTable.begin(), st.shadeTable.begin() + 10, c), st.shadeTable.begin() + 10);
      } else {
        ASSERT_EQ(c, kWhite);
      }
    }
}

// Pixels of the disc outside the picture still take their random draw, so a
// stamp at the edge lays the same shades as the same part of a whole stamp.
TEST(Acrylic, OutsidePartStillDrawsItsRandomNumbers) {
  PaintState whole = tinyState(60, 60), edge = tinyState(30, 60);
  whole.currentTool = edge.currentTool = ToolAcrylicPaint;
  stroke(whole, {{30, 30}});
  setRandomState(1);
  stroke(edge, {{30, 30}});
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 30; ++x) ASSERT_EQ(edge.pictureBmp.pixel(x, y), whole.pictureBmp.pixel(x, y));
}

TEST(SpraySingle, StaysWithinFiveWidths) {
  PaintState st = tinyState(100, 100);
  st.strokeWidth = 3;
  sprayPaintSingle(st, 50, 50);
  int painted = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x)
      if (st.pictureBmp.pixel(x, y) != kWhite) {
        ++painted;
        ASSERT_EQ(st.pictureBmp.pixel(x, y), kPaint);
        ASSERT_LE(pixelDistance(50, 50, x, y), 15);
      }
  EXPECT_GT(painted, 30);
  EXPECT_LE(painted, 60);
}

TEST(WandStars, DrawOverBlackWithARandomColour) {
  PaintState st = tinyState(100, 100, kBlack);
  st.strokeWidth = 2;
  drawWandStar(st, 50, 50);
  Color star = kBlack;
  int n = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x)
      if (st.pictureBmp.pixel(x, y) != kBlack) {
        if (star == kBlack) star = st.pictureBmp.pixel(x, y);
        ASSERT_EQ(st.pictureBmp.pixel(x, y), star);
        ++n;
      }
  EXPECT_GT(n, 20);
  EXPECT_LE(redOf(star), 254);
  EXPECT_LE(greenOf(star), 254);
  EXPECT_LE(blueOf(star), 254);
  // Five draws: x offset, y offset, red, green, blue.
  setRandomState(1);
  for (int k = 0; k < 5; ++k) nextRandom();
  const auto expected = randomState();
  setRandomState(1);
  drawWandStar(st, 50, 50);
  EXPECT_EQ(randomState(), expected);
}

TEST(WandStars, CentresLieFromFiveWidthsLeftOrAboveToOneLessRightOrBelow) {
  PaintState st = tinyState(60, 60);
  st.strokeWidth = 2;  // L = 10, arms of 5
  int lo = 99, hi = -99, top = 99, bottom = -99;
  for (int k = 0; k < 3000; ++k) {
    st.pictureBmp.fill(kWhite);
    drawWandStar(st, 30, 30);
    // The two-pixel bars cross at the star centre: the rightmost fullest
    // column and the lowest fullest row.
    int bestCol = 0, colMax = -1, bestRow = 0, rowMax = -1;
    for (int i = 0; i < 60; ++i) {
      int c = 0, r = 0;
      for (int j = 0; j < 60; ++j) {
        c += st.pictureBmp.pixel(i, j) != kWhite;
        r += st.pictureBmp.pixel(j, i) != kWhite;
      }
      if (c >= colMax) colMax = c, bestCol = i;
      if (r >= rowMax) rowMax = r, bestRow = i;
    }
    lo = std::min(lo, bestCol - 30);
    hi = std::max(hi, bestCol - 30);
    top = std::min(top, bestRow - 30);
    bottom = std::max(bottom, bestRow - 30);
  }
  EXPECT_EQ(lo, -10);
  EXPECT_EQ(hi, 9);
  EXPECT_EQ(top, -10);
  EXPECT_EQ(bottom, 9);
}

TEST(Pencil, JoinsThePointsOfAStrokeInBlack) {
  PaintState st = tinyState(40, 40, kBlue);
  st.currentTool = ToolBlackPencil;
  st.strokeWidth = 2;
  stroke(st, {{5, 5}, {30, 5}, {30, 30}});
  EXPECT_EQ(st.lastPoint, (Point{30, 30}));
  for (int x = 6; x < 30; ++x) ASSERT_EQ(st.pictureBmp.pixel(x, 5), kBlack) << x;
  for (int y = 6; y < 30; ++y) ASSERT_EQ(st.pictureBmp.pixel(30, y), kBlack) << y;
  EXPECT_EQ(st.pictureBmp.pixel(20, 20), kBlue);
  // A new stroke starts from its own press, not from the old last point.
  stroke(st, {{10, 35}});
  EXPECT_EQ(st.pictureBmp.pixel(20, 20), kBlue);
  EXPECT_EQ(st.pictureBmp.pixel(20, 33), kBlue);
}

struct EraserRow {
  int mode;
  Color before, after;
};
class EraserRows : public ::testing::TestWithParam<EraserRow> {};
TEST_P(EraserRows, ClearsItsSquareOnly) {
  const auto r = GetParam();
  PaintState st = tinyState(40, 40, r.before);
  st.strokeWidth = 2;  // d = 4: a square of 9
  eraseSquare(st, 20, 20, r.mode);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      const bool inside = x >= 16 && x <= 24 && y >= 16 && y <= 24;
      ASSERT_EQ(st.pictureBmp.pixel(x, y), inside ? r.after : r.before) << x << "," << y;
    }
}
INSTANTIATE_TEST_SUITE_P(Rows, EraserRows,
                         ::testing::Values(EraserRow{1, kBlack, kWhite}, EraserRow{1, 0x010101, 0x010101},
                                           EraserRow{1, kBlue, kBlue}, EraserRow{2, 0x010101, kWhite},
                                           EraserRow{2, kBlue, kWhite}, EraserRow{2, kWhite, kWhite},
                                           EraserRow{2, kBlack, kBlack}));

TEST(Eraser, WidestSquareIs41) {
  PaintState st = tinyState(60, 60, kBlue);
  st.strokeWidth = 10;
  eraseSquare(st, 30, 30, 2);
  EXPECT_EQ(countPixels(st.pictureBmp, kWhite), 41 * 41);
}

}  // namespace
}  // namespace pz
