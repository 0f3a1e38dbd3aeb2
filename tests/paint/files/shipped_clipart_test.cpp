// The shipped clip art stays whole when pasted: Paste makes every pixel of
// the corner colour transparent, so that colour may only be the background
// round the picture, never a body, a sail or a cloud inside it.
#include <gtest/gtest.h>

#include <vector>

#include "platform/bmp.h"
#include "platform/folders.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << s.toStdString(); }

namespace pz {
namespace {

const QString kClipart = QStringLiteral(PINZ_PROGRAM_DIR "/clipart");

struct Hole {
  int x, y, pixels;
};

// Areas of colour `k` that cannot be reached from the border of the picture
// without crossing another colour (4-connected, as the eye sees an area
// closed by an outline).
std::vector<Hole> enclosedAreas(const Surface& s, Color k) {
  const int w = s.width(), h = s.height();
  std::vector<char> seen(std::size_t(w) * h, 0);
  std::vector<Hole> out;
  std::vector<int> stack;
  auto flood = [&](int start, bool& edge) {
    int n = 0;
    stack.push_back(start);
    seen[std::size_t(start)] = 1;
    while (!stack.empty()) {
      const int i = stack.back();
      stack.pop_back();
      ++n;
      const int x = i % w, y = i / w;
      if (x == 0 || y == 0 || x == w - 1 || y == h - 1) edge = true;
      const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
      for (auto& q : next) {
        if (q[0] < 0 || q[1] < 0 || q[0] >= w || q[1] >= h) continue;
        const int j = q[1] * w + q[0];
        if (!seen[std::size_t(j)] && s.pixel(q[0], q[1]) == k) {
          seen[std::size_t(j)] = 1;
          stack.push_back(j);
        }
      }
    }
    return n;
  };
  for (int i = 0; i < w * h; ++i) {
    if (seen[std::size_t(i)] || s.pixel(i % w, i / w) != k) continue;
    bool edge = false;
    const int n = flood(i, edge);
    if (!edge) out.push_back({i % w, i / w, n});
  }
  return out;
}

class EachClipart : public ::testing::TestWithParam<QString> {};

TEST_P(EachClipart, CornersShareOneColourThatAppearsOnlyOutsideThePicture) {
  auto s = readBmp(kClipart + "/" + GetParam());
  ASSERT_TRUE(s);
  const int w = s->width(), h = s->height();
  const Color k = s->pixel(0, 0);
  EXPECT_EQ(k, kWhite);
  EXPECT_EQ(s->pixel(w - 1, 0), k);
  EXPECT_EQ(s->pixel(0, h - 1), k);
  EXPECT_EQ(s->pixel(w - 1, h - 1), k);
  // A speck where outlines meet can stay; anything a child could see as a
  // part of the thing (a body, a sail, a window) must not vanish.
  for (const Hole& hole : enclosedAreas(*s, k))
    EXPECT_LT(hole.pixels, 12) << "an enclosed area of " << hole.pixels << " background pixels at " << hole.x
                               << "," << hole.y;
}

TEST_P(EachClipart, SomethingIsDrawnWithExactlyBlackOutlines) {
  auto s = readBmp(kClipart + "/" + GetParam());
  ASSERT_TRUE(s);
  long ink = 0, black = 0;
  for (int y = 0; y < s->height(); ++y)
    for (int x = 0; x < s->width(); ++x) {
      ink += s->pixel(x, y) != kWhite;
      black += s->pixel(x, y) == kBlack;
    }
  EXPECT_GT(ink, long(s->width()) * s->height() / 5);
  EXPECT_GT(black, 100);
}

INSTANTIATE_TEST_SUITE_P(Shipped, EachClipart, ::testing::ValuesIn(listFolder(kClipart, "bmp")),
                         [](const auto& info) {
                           QString n = info.param;
                           n.chop(4);
                           for (QChar& c : n)
                             if (!c.isLetterOrNumber()) c = '_';
                           return n.toStdString();
                         });

TEST(ShippedClipart, FortyEightPicturesOrMore) {
  EXPECT_GE(listFolder(kClipart, "bmp").size(), 48);
}

}  // namespace
}  // namespace pz
