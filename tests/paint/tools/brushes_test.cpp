#include "paint/tools/brushes.h"

#include <gtest/gtest.h>

#include "tool_fixture.h"

namespace pz {
namespace {

using test::tinyState;

TEST(Shades, RunFromTenBelowToEightAbove) {
  PaintState st = tinyState(1, 1);
  st.currentColor = rgb(255, 128, 87);
  prepareShades(st);
  EXPECT_EQ(st.shadeTable[0], rgb(245, 118, 77));
  EXPECT_EQ(st.shadeTable[1], rgb(247, 120, 79));
  EXPECT_EQ(st.shadeTable[9], rgb(255, 136, 95));
}

TEST(Shades, ClampAtBothEnds) {
  PaintState st = tinyState(1, 1);
  st.currentColor = rgb(4, 248, 247);
  prepareShades(st);
  EXPECT_EQ(st.shadeTable[0], rgb(0, 238, 237));
  EXPECT_EQ(st.shadeTable[2], rgb(4, 242, 241));
  // Entry 9 is the channel + 8: 248 saturates, 247 just reaches 255.
  EXPECT_EQ(st.shadeTable[8], rgb(16, 254, 253));
  EXPECT_EQ(st.shadeTable[9], rgb(18, 255, 255));
}

TEST(WaterBrush, StepsOfTheStartColour) {
  EXPECT_EQ(waterStep(255, 50, 25), 0.0f);
  EXPECT_EQ(waterStep(128, 50, 25), 2.54f);
  EXPECT_EQ(waterStep(87, 50, 25), 3.36f);
  PaintState st = tinyState(1, 1);
  prepareWaterBrush(st);
  EXPECT_EQ(st.shadeTable[0], rgb(255, 128, 87));
  EXPECT_EQ(st.shadeTable[25], rgb(255, 191, 170));
}

struct OuterRow {
  int brushSize;
  float step;
  int outer;
};
class WaterOuterRows : public ::testing::TestWithParam<OuterRow> {};
TEST_P(WaterOuterRows, FullWaterOnAZeroChannel) {
  const auto r = GetParam();
  const int h = r.brushSize / 2;
  EXPECT_EQ(waterStep(0, 100, h), r.step);
  PaintState st = tinyState(1, 1);
  st.currentColor = rgb(0, 0, 255);
  st.brushSize = r.brushSize;
  st.waterPercent = 100;
  prepareWaterBrush(st);
  EXPECT_EQ(st.shadeTable[h], rgb(r.outer, r.outer, 255));
}
INSTANTIATE_TEST_SUITE_P(Rows, WaterOuterRows,
                         ::testing::Values(OuterRow{50, 10.2f, 254}, OuterRow{26, 19.615385f, 255},
                                           OuterRow{14, 36.428570f, 254}));

TEST(WaterBrush, IsConcentricRingsOnWhite) {
  PaintState st = tinyState(1, 1);
  st.currentColor = rgb(0, 0, 200);
  st.brushSize = 26;
  prepareWaterBrush(st);
  const Surface& b = st.brushImage;
  EXPECT_EQ(b.pixel(13, 13), st.shadeTable[1]);  // entry 0 is never drawn
  EXPECT_EQ(b.pixel(0, 0), kWhite);
  EXPECT_EQ(b.pixel(30, 13), kWhite);  // beyond 2h
  for (int n = 1; n <= 13; ++n) EXPECT_EQ(b.pixel(13 + n - 1, 13), st.shadeTable[n]) << n;
  // Symmetric about the centre.
  for (int i = 0; i < 26; ++i)
    for (int j = 0; j < 26; ++j) ASSERT_EQ(b.pixel(i, j), b.pixel(j, i));
}

TEST(OilBrush, SpecklesADiscAt24WithShades) {
  PaintState st = tinyState(1, 1);
  prepareOilBrush(st);
  const Surface& b = st.brushImage;
  int inDisc = 0;
  for (int i = 0; i < 50; ++i)
    for (int j = 0; j < 50; ++j) {
      const Color c = b.pixel(i, j);
      if (pixelDistance(24, 24, i, j) < 25) {
        ++inDisc;
        ASSERT_NE(std::find(st.shadeTable.begin(), st.shadeTable.begin() + 10, c), st.shadeTable.begin() + 10);
      } else {
        ASSERT_EQ(c, kWhite) << i << " " << j;
      }
    }
  // One draw per disc pixel, column by column: the first pixel, (0, 18),
  // takes the first draw (346 % 10 = 6), the next (0, 19) the second (8).
  EXPECT_EQ(b.pixel(0, 17), kWhite);
  EXPECT_EQ(b.pixel(0, 18), st.shadeTable[6]);
  EXPECT_EQ(b.pixel(0, 19), st.shadeTable[8]);
  EXPECT_EQ(b.pixel(49, 24), kWhite);  // the disc is centred on (24, 24)
  setRandomState(1);
  for (int k = 0; k < inDisc; ++k) nextRandom();
  const std::uint64_t after = randomState();
  setRandomState(1);
  prepareOilBrush(st);
  EXPECT_EQ(randomState(), after);
}

}  // namespace
}  // namespace pz
