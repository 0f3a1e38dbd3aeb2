// Small helpers shared by the tool operations: random dabs and the clipped
// rectangle a stamp covers.
#pragma once

#include <algorithm>

#include "paint/tools/colour.h"
#include "platform/surface.h"

namespace pz {

constexpr std::uint32_t kBlackRaw = toRaw(kBlack);
constexpr std::uint32_t kWhiteRaw = toRaw(kWhite);

// One dab with reach r round (x, y): an x then a y offset in -r .. r-1.
// Returns whether the dab counts (within pixelDistance r of the point).
inline bool dabPoint(int x, int y, int r, int& px, int& py) {
  const int dx = randomBelow(2 * r) - r;
  const int dy = randomBelow(2 * r) - r;
  px = x + dx;
  py = y + dy;
  return pixelDistance(x, y, px, py) <= r;
}

// The part of the size x size square with top-left (left, top) that lies on a
// surface, as offsets into the square: i0 <= i < i1, j0 <= j < j1.
struct StampClip {
  int i0 = 0, i1 = 0, j0 = 0, j1 = 0;
  bool empty() const { return i0 >= i1 || j0 >= j1; }
};

inline StampClip clipStamp(const Surface& s, int left, int top, int size) {
  StampClip c;
  c.i0 = std::max(0, -left);
  c.j0 = std::max(0, -top);
  c.i1 = std::min(size, s.width() - left);
  c.j1 = std::min(size, s.height() - top);
  return c;
}

// Narrows a clip so that the square, placed at (left, top) on a second
// surface (the brush), also stays inside that one.
inline void narrowTo(StampClip& c, const Surface& s, int left, int top) {
  c.i0 = std::max(c.i0, -left);
  c.j0 = std::max(c.j0, -top);
  c.i1 = std::min(c.i1, s.width() - left);
  c.j1 = std::min(c.j1, s.height() - top);
}

// Walks the rows of the brush-sized square centred on (x, y) that lie on both
// the picture and the brush image (laid from the brush's top-left), calling
// f(pictureRow, brushRow, n) for the n pixels of each row.
template <typename F>
inline void forStampRows(Surface& pic, const Surface& brush, int x, int y, int size, F&& f) {
  const int left = x - size / 2, top = y - size / 2;
  StampClip c = clipStamp(pic, left, top, size);
  narrowTo(c, brush, 0, 0);
  if (c.empty()) return;
  for (int j = c.j0; j < c.j1; ++j) f(pic.row(top + j) + (left + c.i0), brush.row(j) + c.i0, c.i1 - c.i0);
}

}  // namespace pz
