// The art files as the build writes them into the program folder: sizes,
// sprite masks that agree with their images, tips under the pointer, and
// options bands whose lit choice lies inside the click zone that selects it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/bmp.h"

namespace pz {
namespace {

Surface art(const char* name) {
  QString error;
  auto s = readBmp(QStringLiteral(PINZ_PROGRAM_DIR "/") + name, &error);
  if (!s) ADD_FAILURE() << error.toStdString();
  return s ? *s : Surface();
}

struct FileSize {
  const char* name;
  int w, h;
};

class ArtFileSize : public ::testing::TestWithParam<FileSize> {};

TEST_P(ArtFileSize, HasTheSizeItIsReadWith) {
  const Surface s = art(GetParam().name);
  EXPECT_EQ(s.width(), GetParam().w);
  EXPECT_EQ(s.height(), GetParam().h);
}

INSTANTIATE_TEST_SUITE_P(All, ArtFileSize,
                         ::testing::Values(FileSize{"a1.pzl", 85, 225}, FileSize{"a2.pzl", 50, 50},
                                           FileSize{"a11.pzl", 320, 200}, FileSize{"a12.pzl", 325, 439},
                                           FileSize{"a3.pzl", 150, 50}, FileSize{"a4.pzl", 150, 50},
                                           FileSize{"a5.pzl", 150, 50}, FileSize{"a6.pzl", 150, 50},
                                           FileSize{"a7.pzl", 150, 50}, FileSize{"a8.pzl", 150, 50},
                                           FileSize{"a9.pzl", 150, 50}, FileSize{"a10.pzl", 150, 50},
                                           FileSize{"a14.pzl", 150, 50}, FileSize{"a15.pzl", 150, 50},
                                           FileSize{"a17.pzl", 150, 50}));

TEST(ArtFiles, BlankSheetIsWhite) {
  const Surface s = art("a2.pzl");
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x) ASSERT_EQ(s.pixel(x, y), kWhite) << x << "," << y;
}

struct SpriteCase {
  const char* name;
  int offsetX, offsetY;  // top-left of the sprite relative to the pointer
};

class Sprite : public ::testing::TestWithParam<SpriteCase> {};

// Drawing is mask AND then image OR: a white mask pixel must have a black image
// pixel, or the surface under the sprite would be tinted.
TEST_P(Sprite, MaskIsExactAndAgreesWithTheImage) {
  const Surface s = art(GetParam().name);
  int covered = 0;
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 50; ++x) {
      const Color m = s.pixel(50 + x, y);
      ASSERT_TRUE(m == kBlack || m == kWhite) << x << "," << y;
      if (m == kWhite)
        ASSERT_EQ(s.pixel(x, y), kBlack) << x << "," << y;
      else
        ++covered;
    }
  EXPECT_GT(covered, 60) << "the sprite shows hardly anything";
}

TEST_P(Sprite, ToolTipLiesUnderThePointer) {
  const Surface s = art(GetParam().name);
  const int tx = -GetParam().offsetX, ty = -GetParam().offsetY;
  bool near = false;
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx)
      if (s.contains(tx + dx, ty + dy) && tx + dx < 50 && s.pixel(50 + tx + dx, ty + dy) == kBlack) near = true;
  EXPECT_TRUE(near) << "nothing drawn within 2 pixels of (" << tx << "," << ty << ")";
}

INSTANTIATE_TEST_SUITE_P(All, Sprite,
                         ::testing::Values(SpriteCase{"a3.pzl", -2, -42}, SpriteCase{"a4.pzl", -5, -43},
                                           SpriteCase{"a5.pzl", -3, -45}, SpriteCase{"a6.pzl", -25, -3},
                                           SpriteCase{"a7.pzl", -24, -3}, SpriteCase{"a8.pzl", -9, -5},
                                           SpriteCase{"a10.pzl", -32, -22}, SpriteCase{"a14.pzl", -38, -45},
                                           SpriteCase{"a15.pzl", -25, -25}, SpriteCase{"a17.pzl", -15, -15}));

// The frame round the chosen option is drawn in one bright yellow.
constexpr Color kLit = rgb(255, 214, 0);

struct Box {
  int left, top, right, bottom;  // inclusive
};

Box litBox(const Surface& s, int top, int height) {
  Box b{1 << 20, 1 << 20, -1, -1};
  for (int y = top; y < top + height; ++y)
    for (int x = 0; x < s.width(); ++x)
      if (s.pixel(x, y) == kLit) {
        b.left = std::min(b.left, x);
        b.right = std::max(b.right, x);
        b.top = std::min(b.top, y - top);
        b.bottom = std::max(b.bottom, y - top);
      }
  return b;
}

// Sizes: the strip is drawn at (130, 0) and a press picks band Y div 25.
TEST(OptionBands, EachSizeBandLightsTheRowThatSelectsIt) {
  const Surface s = art("a1.pzl");
  for (int band = 0; band < 3; ++band) {
    const Box b = litBox(s, band * 75, 75);
    ASSERT_GE(b.right, 0) << "band " << band << " lights nothing";
    EXPECT_EQ(b.top / 25, band);
    EXPECT_EQ(b.bottom / 25, band);
    EXPECT_GE(130 + b.left, 130);
    EXPECT_LE(130 + b.right, 214);
  }
}

// Razor modes: drawn at x = 88; presses at 82-161, 162-241, 242-321, 322+.
int razorZone(int X) { return X <= 81 ? -1 : X <= 161 ? 0 : X <= 241 ? 1 : X <= 321 ? 2 : 3; }

TEST(OptionBands, EachRazorBandLightsTheCellThatSelectsIt) {
  const Surface s = art("a11.pzl");
  for (int band = 0; band < 4; ++band) {
    const Box b = litBox(s, band * 50, 50);
    ASSERT_GE(b.right, 0) << "band " << band << " lights nothing";
    EXPECT_EQ(razorZone(88 + b.left), band);
    EXPECT_EQ(razorZone(88 + b.right), band);
  }
}

// Widths: drawn at x = 88; a press picks (X - 88) div 41.
TEST(OptionBands, EachWidthBandLightsItsCellAndShowsTheTrueWidths) {
  const Surface s = art("a12.pzl");
  const int rows[8] = {0, 56, 110, 165, 220, 275, 330, 385};
  const int widths[8] = {2, 3, 4, 5, 6, 7, 8, 10};
  for (int band = 0; band < 8; ++band) {
    const Box b = litBox(s, rows[band], 54);
    ASSERT_GE(b.right, 0) << "band " << band << " lights nothing";
    EXPECT_EQ(b.left / 41, band);
    EXPECT_EQ(b.right / 41, band);
    EXPECT_LT(b.bottom, 54);
    // Across the middle of each cell the line is exactly its width.
    const int y = rows[band] + 27;
    for (int cell = 0; cell < 8; ++cell) {
      const Color background = s.pixel(41 * cell + 5, y);
      int run = 0;
      for (int x = 41 * cell + 6; x < std::min(325, 41 * cell + 35); ++x)
        if (s.pixel(x, y) != background) ++run;
      EXPECT_EQ(run, widths[cell]) << "band " << band << " cell " << cell;
    }
  }
}

}  // namespace
}  // namespace pz
