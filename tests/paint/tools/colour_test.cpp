#include "paint/tools/colour.h"

#include <gtest/gtest.h>

#include "paint/tools/blend_cache.h"

namespace pz {
namespace {

TEST(Brightness, TruncatesTheMean) {
  EXPECT_EQ(brightness(rgb(255, 128, 87)), 156);  // 470 / 3
  EXPECT_EQ(brightness(rgb(1, 1, 0)), 0);
  EXPECT_EQ(brightness(kWhite), 255);
  EXPECT_EQ(brightness(kInvalid), 255);  // only the colour bytes count
}

struct DistanceRow {
  int dx, dy, expected;
};
class PixelDistanceRows : public ::testing::TestWithParam<DistanceRow> {};
TEST_P(PixelDistanceRows, TruncatesTheSquareRoot) {
  const auto r = GetParam();
  EXPECT_EQ(pixelDistance(10, 20, 10 + r.dx, 20 + r.dy), r.expected);
  EXPECT_EQ(pixelDistance(10 + r.dx, 20 + r.dy, 10, 20), r.expected);
}
INSTANTIATE_TEST_SUITE_P(Rows, PixelDistanceRows,
                         ::testing::Values(DistanceRow{0, 0, 0}, DistanceRow{3, 4, 5}, DistanceRow{-3, -4, 5},
                                           DistanceRow{1, 1, 1}, DistanceRow{24, 7, 25}, DistanceRow{17, 18, 24},
                                           DistanceRow{25, 0, 25}, DistanceRow{-6, -6, 8}));

// The stamping loops test "distance below h" and "distance at most r" on the
// squared offsets; that must agree with pixelDistance everywhere it is used.
TEST(PixelDistance, SquaredComparisonsAgreeForEveryRadiusInUse) {
  for (int r = 0; r <= 60; ++r)
    for (int dx = -70; dx <= 70; ++dx)
      for (int dy = -70; dy <= 70; ++dy) {
        const int d = pixelDistance(0, 0, dx, dy), d2 = dx * dx + dy * dy;
        ASSERT_EQ(d < r, d2 < r * r) << r << " " << dx << " " << dy;
        ASSERT_EQ(d <= r, d2 < (r + 1) * (r + 1)) << r << " " << dx << " " << dy;
      }
}

TEST(NextRandom, FollowsTheGeneratorFromStateOne) {
  setRandomState(1);
  const std::uint32_t expected[] = {346u, 13854878u, 1621890440u, 816282396u, 1778554774u};
  for (std::uint32_t e : expected) EXPECT_EQ(nextRandom(), e);
}

TEST(NextRandom, OffsetBelowZeroDrawsNothing) {
  setRandomState(1);
  EXPECT_EQ(randomBelow(0), 0);
  EXPECT_EQ(randomState(), 1u);
  EXPECT_EQ(randomBelow(10), 6);  // 346 % 10
  EXPECT_EQ(nextRandom(), 13854878u);
}

TEST(NextRandom, StaysBelowTwoToTheThirtyOne) {
  setRandomState(0xFFFFFFFFFFFFFFFFull);
  for (int i = 0; i < 10000; ++i) ASSERT_LT(nextRandom(), 0x80000000u);
}

TEST(Hsv, ConvertsTheStartColour) {
  const HsvColor c = rgbToHsv(rgb(255, 128, 87));
  EXPECT_EQ(c.v, 255.0f);
  EXPECT_EQ(c.s, 168.0f / 255.0f);
  EXPECT_GT(c.h, 0.0f);
  EXPECT_LT(c.h, 1.0f / 6.0f);
}

TEST(Hsv, NegativeHuesWrapIntoTheUnitRange) {
  const HsvColor c = rgbToHsv(rgb(255, 0, 10));  // red with blue: hue just below 1
  EXPECT_GT(c.h, 0.9f);
  EXPECT_LT(c.h, 1.0f);
}

struct HsvRow {
  float h, s, v;
  Color expected;
};
class HsvToRgbRows : public ::testing::TestWithParam<HsvRow> {};
TEST_P(HsvToRgbRows, Converts) {
  const auto r = GetParam();
  EXPECT_EQ(hsvToRgb(r.h, r.s, r.v), r.expected);
}
INSTANTIATE_TEST_SUITE_P(
    Rows, HsvToRgbRows,
    ::testing::Values(HsvRow{0.3f, 0.7f, 0.0f, kBlack},         // no value: black whatever the hue
                      HsvRow{0.9f, 0.0f, 200.7f, rgb(200, 200, 200)},  // no saturation: grey
                      HsvRow{0.0f, 0.0f, 255.0f, kWhite},
                      HsvRow{1.0f, 1.0f, 255.0f, rgb(255, 0, 0)},  // hue 1 is hue 0
                      HsvRow{2.0f / 3.0f, 1.0f, 255.0f, rgb(0, 0, 255)},
                      HsvRow{1.5f, 1.0f, 255.0f, kBlack},          // no sector: black
                      HsvRow{0.5f, 1.0f, 1e30f, kBlack}));         // far out of range, still defined

struct BlendRow {
  Color a, b, mixed, averaged;
};
class BlendRows : public ::testing::TestWithParam<BlendRow> {};
TEST_P(BlendRows, MixAndAverage) {
  const auto r = GetParam();
  EXPECT_EQ(mixColors(r.a, r.b), r.mixed);
  EXPECT_EQ(mixColors(r.b, r.a), r.mixed);
  if (r.averaged != kInvalid) {
    EXPECT_EQ(averageColors(r.a, r.b), r.averaged);
    EXPECT_EQ(averageColors(r.b, r.a), r.averaged);
  }
}
INSTANTIATE_TEST_SUITE_P(
    Rows, BlendRows,
    ::testing::Values(
        // A colour with itself loses a unit to single-precision saturation.
        BlendRow{rgb(255, 128, 87), rgb(255, 128, 87), rgb(255, 127, 86), rgb(255, 127, 86)},
        // Hues at least 0.5 apart are summed, not averaged round the circle.
        BlendRow{rgb(255, 0, 0), rgb(0, 0, 255), rgb(0, 0, 255), kInvalid},
        BlendRow{rgb(255, 0, 0), rgb(255, 255, 0), rgb(255, 127, 0), kInvalid},
        BlendRow{rgb(200, 100, 50), rgb(50, 100, 200), rgb(50, 50, 200), kInvalid},
        BlendRow{rgb(255, 128, 87), rgb(0, 0, 255), rgb(62, 0, 255), rgb(95, 43, 255)}));

TEST(Blend, MixNeverBrightens) {
  setRandomState(7);
  for (int i = 0; i < 5000; ++i) {
    const Color a = nextRandom() & kRgbMask, b = nextRandom() & kRgbMask;
    const HsvColor m = mixHsv(rgbToHsv(a), rgbToHsv(b));
    ASSERT_LE(m.v, std::min(rgbToHsv(a).v, rgbToHsv(b).v));
    ASSERT_GE(m.s, std::max(rgbToHsv(a).s, rgbToHsv(b).s));
  }
}

// The memo must return exactly what the plain functions compute.
TEST(BlendCache, AgreesWithThePlainFunctions) {
  setRandomState(3);
  BlendCache mix(&mixColors), avg(&averageColors);
  for (int i = 0; i < 20000; ++i) {
    // Few distinct values, so that entries are both hit and replaced.
    const Color a = (nextRandom() % 64) * 0x030507u & kRgbMask;
    const Color b = (nextRandom() % 64) * 0x070301u & kRgbMask;
    ASSERT_EQ(mix.get(a, b), mixColors(a, b));
    ASSERT_EQ(avg.get(b, a), averageColors(a, b));
  }
}

}  // namespace
}  // namespace pz
