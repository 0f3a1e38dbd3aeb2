// The shipped palettes hide no line-art black: a click a little off a patch
// must not pick the colour that the bucket and the pencils treat as a line.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "paint/files/builtin_pictures.h"
#include "platform/bmp.h"
#include "platform/folders.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << s.toStdString(); }

namespace pz {
namespace {

const QString kPalettes = QStringLiteral(PINZ_PROGRAM_DIR "/palettes");

struct BlackPart {
  int left, top, right, bottom;  // inclusive
  long pixels;
};

// The 4-connected groups of exactly black pixels.
std::vector<BlackPart> blackParts(const Surface& s) {
  const int w = s.width(), h = s.height();
  std::vector<char> seen(std::size_t(w) * h, 0);
  std::vector<BlackPart> out;
  std::vector<int> stack;
  for (int start = 0; start < w * h; ++start) {
    if (seen[std::size_t(start)] || s.pixel(start % w, start / w) != kBlack) continue;
    BlackPart part{w, h, -1, -1, 0};
    stack.push_back(start);
    seen[std::size_t(start)] = 1;
    while (!stack.empty()) {
      const int i = stack.back();
      stack.pop_back();
      const int x = i % w, y = i / w;
      ++part.pixels;
      part.left = std::min(part.left, x);
      part.right = std::max(part.right, x);
      part.top = std::min(part.top, y);
      part.bottom = std::max(part.bottom, y);
      const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
      for (auto& n : next) {
        if (n[0] < 0 || n[1] < 0 || n[0] >= w || n[1] >= h) continue;
        const int j = n[1] * w + n[0];
        if (!seen[std::size_t(j)] && s.pixel(n[0], n[1]) == kBlack) {
          seen[std::size_t(j)] = 1;
          stack.push_back(j);
        }
      }
    }
    out.push_back(part);
  }
  return out;
}

class EachPalette : public ::testing::TestWithParam<QString> {};

TEST_P(EachPalette, BlackOnlyAsOneWholePatchAndNeverInTheGutters) {
  auto s = readBmp(kPalettes + "/" + GetParam());
  ASSERT_TRUE(s);
  EXPECT_NE(s->pixel(0, 0), kBlack) << "the frame round the patches";
  EXPECT_NE(s->pixel(s->width() - 1, s->height() - 1), kBlack);
  const std::vector<BlackPart> parts = blackParts(*s);
  EXPECT_LE(parts.size(), 1u) << "at most one deliberate black patch";
  for (const BlackPart& p : parts) {
    const long box = long(p.right - p.left + 1) * (p.bottom - p.top + 1);
    EXPECT_EQ(p.pixels, box) << "black that is not one solid patch, at " << p.left << "," << p.top;
    EXPECT_GE(p.right - p.left, 20) << "a black patch as big as the others";
    EXPECT_GE(p.bottom - p.top, 20);
  }
}

TEST_P(EachPalette, NoColourTurnsIntoLineBlackWhenASavedPictureIsReopened) {
  // Reopening a saved picture makes every pixel whose three parts are all
  // below 30 exactly black, so such a colour becomes a line the next day.
  auto s = readBmp(kPalettes + "/" + GetParam());
  ASSERT_TRUE(s);
  for (int y = 0; y < s->height(); ++y)
    for (int x = 0; x < s->width(); ++x) {
      const Color c = s->pixel(x, y);
      if (c == kBlack) continue;
      ASSERT_FALSE(redOf(c) < 30 && greenOf(c) < 30 && blueOf(c) < 30) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, EachPalette, ::testing::ValuesIn(listFolder(kPalettes, "bmp")),
                         [](const auto& info) {
                           QString n = info.param;
                           n.chop(4);
                           for (QChar& c : n)
                             if (!c.isLetterOrNumber()) c = '_';
                           return n.toStdString();
                         });

TEST(ShippedPalettes, PeopleHasSkinHairAndEyeColours) {
  auto s = readBmp(kPalettes + "/people.bmp");
  ASSERT_TRUE(s);
  std::vector<Color> patches;
  for (int y = 0; y < s->height(); ++y)
    for (int x = 0; x < s->width(); ++x) {
      const Color c = s->pixel(x, y);
      if (c != kPaletteGutter && std::find(patches.begin(), patches.end(), c) == patches.end()) patches.push_back(c);
    }
  int pale = 0, dark = 0, blueOrGreen = 0;
  for (Color c : patches) {
    pale += redOf(c) > 240 && greenOf(c) > 200 && blueOf(c) > 170 && redOf(c) > blueOf(c) + 20;
    dark += redOf(c) < 100 && redOf(c) > greenOf(c) && greenOf(c) > blueOf(c);
    blueOrGreen += (blueOf(c) > redOf(c) + 60 || greenOf(c) > redOf(c) + 40);
  }
  EXPECT_GE(patches.size(), 24u);
  EXPECT_GE(pale, 2) << "pale skin";
  EXPECT_GE(dark, 2) << "dark skin and dark hair";
  EXPECT_GE(blueOrGreen, 2) << "blue and green eyes";
}

}  // namespace
}  // namespace pz
