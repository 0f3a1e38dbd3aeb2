// Behaviour of the mixing and water tools on tiny pictures.
#include <gtest/gtest.h>

#include "paint/tools/brushes.h"
#include "paint/tools/paint_ops.h"
#include "tool_fixture.h"

namespace pz {
namespace {

using test::countDifferent;
using test::countPixels;
using test::tinyState;

constexpr Color kPaint = 0x005780FF;
constexpr Color kBlue = 0x00FF0000;

TEST(MixingDabs, PaintUnmixedOnWhiteMixedOverColourNeverOnBlack) {
  for (int tool : {ToolPastelMix, ToolSprayPaintMix}) {
    PaintState st = tinyState(90, 30);
    st.pictureBmp.fillRect({30, 0, 60, 30}, kBlue);
    st.pictureBmp.fillRect({60, 0, 90, 30}, kBlack);
    for (int x : {15, 45, 75}) {
      if (tool == ToolPastelMix)
        paintPastelMix(st, x, 15);
      else
        sprayPaintMix(st, x, 15);
    }
    // What repeated dabs can leave: the paint or the blue, mixed with the paint again and again.
    std::vector<Color> onWhiteOk{kWhite, kPaint}, onBlueOk{kBlue};
    for (int k = 0; k < 8; ++k) {
      onWhiteOk.push_back(mixColors(onWhiteOk.back(), kPaint));
      onBlueOk.push_back(mixColors(onBlueOk.back(), kPaint));
    }
    auto allowed = [](const std::vector<Color>& v, Color c) { return std::find(v.begin(), v.end(), c) != v.end(); };
    int onWhite = 0, onBlue = 0;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 90; ++x) {
        const Color c = st.pictureBmp.pixel(x, y);
        if (x < 30) {
          ASSERT_TRUE(allowed(onWhiteOk, c)) << x << "," << y;
          onWhite += c != kWhite;
        } else if (x < 60) {
          ASSERT_TRUE(allowed(onBlueOk, c)) << x << "," << y;
          onBlue += c != kBlue;
        } else {
          ASSERT_EQ(c, kBlack);
        }
      }
    EXPECT_GT(onWhite, 10);
    EXPECT_GT(onBlue, 10);
  }
}

TEST(SprayMix, DarkensAndSaturatesOnRepeatedPasses) {
  PaintState st = tinyState(60, 60, rgb(200, 220, 240));
  st.currentColor = rgb(250, 120, 40);
  for (int k = 0; k < 30; ++k) sprayPaintMix(st, 30, 30);
  const HsvColor paper = rgbToHsv(rgb(200, 220, 240));
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x) {
      const HsvColor c = rgbToHsv(st.pictureBmp.pixel(x, y));
      ASSERT_LE(c.v, paper.v);
      ASSERT_GE(c.s, paper.s);
    }
}

// A water brush of one flat colour, so each pixel's expected result is plain.
PaintState flatWaterBrush(Color brushColour, int w, int h, Color paper) {
  PaintState st = tinyState(w, h, paper);
  st.brushSize = 14;
  st.brushImage.fill(kWhite);
  st.brushImage.fillRect({0, 0, 12, 12}, brushColour);
  return st;
}

TEST(WaterPen, LaysTheBrushOnlyOverBrighterPixels) {
  const Color brushC = rgb(90, 90, 90);       // brightness 90
  PaintState st = flatWaterBrush(brushC, 20, 20, kWhite);
  st.pictureBmp.setPixel(3, 3, rgb(30, 90, 150));  // exactly as bright: stays
  st.pictureBmp.setPixel(4, 3, rgb(91, 90, 90));   // brighter by a third: stays (same truncated mean)
  st.pictureBmp.setPixel(5, 3, rgb(93, 90, 90));   // brighter: replaced
  st.pictureBmp.setPixel(6, 3, rgb(10, 10, 10));   // darker: shows through
  st.pictureBmp.setPixel(7, 3, kBlack);
  paintWaterPen(st, 7, 7);  // square from (0, 0)
  const Surface& p = st.pictureBmp;
  EXPECT_EQ(p.pixel(3, 3), rgb(30, 90, 150));
  EXPECT_EQ(p.pixel(4, 3), rgb(91, 90, 90));
  EXPECT_EQ(p.pixel(5, 3), brushC);
  EXPECT_EQ(p.pixel(6, 3), rgb(10, 10, 10));
  EXPECT_EQ(p.pixel(7, 3), kBlack);
  EXPECT_EQ(p.pixel(0, 0), brushC);
  EXPECT_EQ(p.pixel(12, 12), kWhite);  // the brush's white never replaces
  // A second pass over its own wash changes nothing.
  const Surface once = p;
  paintWaterPen(st, 7, 7);
  EXPECT_EQ(countDifferent(once, st.pictureBmp), 0);
}

TEST(WaterPenMix, WritesTheBrushOnWhiteAndMixesOverColour) {
  const Color brushC = rgb(40, 160, 220);
  PaintState st = flatWaterBrush(brushC, 20, 20, kWhite);
  st.pictureBmp.setPixel(2, 2, kBlue);
  st.pictureBmp.setPixel(3, 2, kBlack);
  st.pictureBmp.setPixel(13, 2, kBlue);  // under the brush's white part
  paintWaterPenMix(st, 7, 7);
  const Surface& p = st.pictureBmp;
  EXPECT_EQ(p.pixel(0, 0), brushC);
  EXPECT_EQ(p.pixel(2, 2), mixColors(brushC, kBlue));
  EXPECT_EQ(p.pixel(3, 2), kBlack);
  EXPECT_EQ(p.pixel(13, 2), kBlue);
  EXPECT_EQ(p.pixel(13, 13), kWhite);
  // Strokes build up: a second pass mixes the first.
  paintWaterPenMix(st, 7, 7);
  EXPECT_EQ(p.pixel(0, 0), mixColors(brushC, brushC));
}

TEST(WaterPen, RealBrushStampIsCentredOnThePoint) {
  PaintState st = tinyState(100, 100);
  prepareWaterBrush(st);
  paintWaterPen(st, 50, 50);
  EXPECT_EQ(st.pictureBmp.pixel(50, 50), st.shadeTable[1]);
  EXPECT_EQ(st.pictureBmp.pixel(50, 25), st.shadeTable[25]);
  EXPECT_EQ(st.pictureBmp.pixel(50, 24), kWhite);
  EXPECT_EQ(st.pictureBmp.pixel(25, 50), st.shadeTable[25]);
  EXPECT_EQ(st.pictureBmp.pixel(74, 50), st.shadeTable[25]);
  EXPECT_EQ(st.pictureBmp.pixel(75, 50), kWhite);
}

PaintState oilState(int w, int h, Color paper) {
  PaintState st = tinyState(w, h, paper);
  st.brushSize = 14;
  prepareOilBrush(st);
  return st;
}

TEST(Oil, LaysShadesOnPaperAndKeepsTheBrush) {
  PaintState st = oilState(40, 40, kWhite);
  st.pictureBmp.setPixel(20, 20, kBlack);
  const Surface brush = st.brushImage;
  paintOil(st, 20, 20);
  EXPECT_EQ(countDifferent(brush, st.brushImage), 0);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      const Color c = st.pictureBmp.pixel(x, y);
      if (x == 20 && y == 20) {
        ASSERT_EQ(c, kBlack);
      } else if (pixelDistance(20, 20, x, y) < 7) {
        ASSERT_NE(std::find(st.shadeTable.begin(), st.shadeTable.begin() + 10, c), st.shadeTable.begin() + 10);
      } else {
        ASSERT_EQ(c, kWhite);
      }
    }
}

// Over colour the brush and the picture both take the average; a second
// stamp one pixel on averages with what the first laid down, and its brush
// pixels carry the first stamp's averages.
TEST(Oil, TwoOverlappingStampsCarryTheAverage) {
  const Color paper = rgb(30, 200, 90);
  PaintState st = oilState(40, 40, paper);
  const Surface brush0 = st.brushImage;
  paintOil(st, 20, 20);
  const Surface brush1 = st.brushImage, pic1 = st.pictureBmp;
  for (int k = 0; k < 14; ++k)
    for (int l = 0; l < 14; ++l) {
      const int bx = 18 + k, by = 18 + l, px = 13 + k, py = 13 + l;
      if (pixelDistance(25, 25, bx, by) >= 7) {
        ASSERT_EQ(pic1.pixel(px, py), paper);
        continue;
      }
      const Color a = averageColors(brush0.pixel(bx, by), paper);
      ASSERT_EQ(brush1.pixel(bx, by), a);
      ASSERT_EQ(pic1.pixel(px, py), a);
    }
  paintOil(st, 21, 20);
  for (int k = 0; k < 14; ++k)
    for (int l = 0; l < 14; ++l) {
      const int bx = 18 + k, by = 18 + l, px = 14 + k, py = 13 + l;
      if (pixelDistance(25, 25, bx, by) >= 7) continue;
      const Color a = averageColors(brush1.pixel(bx, by), pic1.pixel(px, py));
      ASSERT_EQ(st.brushImage.pixel(bx, by), a) << k << "," << l;
      ASSERT_EQ(st.pictureBmp.pixel(px, py), a) << k << "," << l;
    }
}

TEST(Oil, BlackStaysAndItsBrushPixelKeepsItsColour) {
  PaintState st = oilState(40, 40, kBlack);
  const Surface brush = st.brushImage;
  paintOil(st, 20, 20);
  EXPECT_EQ(countPixels(st.pictureBmp, kBlack), 1600);
  EXPECT_EQ(countDifferent(brush, st.brushImage), 0);
}

TEST(Oil, AtTheEdgeSkipsTheOutsidePartAndItsBrushPixels) {
  const Color paper = rgb(30, 200, 90);
  PaintState st = oilState(10, 10, paper);
  const Surface brush0 = st.brushImage;
  paintOil(st, 2, 3);  // stamp from (-5, -4)
  for (int k = 0; k < 14; ++k)
    for (int l = 0; l < 14; ++l) {
      const int bx = 18 + k, by = 18 + l, px = -5 + k, py = -4 + l;
      const bool inside = px >= 0 && py >= 0 && px < 10 && py < 10;
      if (pixelDistance(25, 25, bx, by) >= 7 || !inside) {
        ASSERT_EQ(st.brushImage.pixel(bx, by), brush0.pixel(bx, by)) << k << "," << l;
      } else {
        ASSERT_EQ(st.pictureBmp.pixel(px, py), averageColors(brush0.pixel(bx, by), paper));
      }
    }
}

// At size 50 the stamp's disc is centred on (25, 25) but the speckle on
// (24, 24): the few stamp pixels that start white are skipped.
TEST(Oil, FullSizeStampSkipsTheBrushPixelsThatStartWhite) {
  PaintState st = tinyState(100, 100);
  prepareOilBrush(st);
  ASSERT_EQ(st.brushImage.pixel(49, 25), kWhite);
  ASSERT_LT(pixelDistance(25, 25, 49, 25), 25);
  paintOil(st, 50, 50);
  EXPECT_EQ(st.pictureBmp.pixel(74, 50), kWhite);  // brush pixel (49, 25)
  EXPECT_NE(st.pictureBmp.pixel(26, 50), kWhite);  // brush pixel (1, 25)
}

}  // namespace
}  // namespace pz
