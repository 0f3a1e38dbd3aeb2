// The span flood fill against a plain breadth-first fill on random pictures
// of few colours, where regions are ragged and spans meet in every way.
#include <gtest/gtest.h>

#include <deque>
#include <random>

#include "platform/surface.h"

namespace pz {
namespace {

void referenceFill(Surface& s, int x, int y, Color target, Color paint) {
  if (!s.contains(x, y) || s.pixel(x, y) != target || target == paint) return;
  std::deque<std::pair<int, int>> q{{x, y}};
  s.setPixel(x, y, paint);
  while (!q.empty()) {
    auto [px, py] = q.front();
    q.pop_front();
    const int nx[] = {px - 1, px + 1, px, px}, ny[] = {py, py, py - 1, py + 1};
    for (int k = 0; k < 4; ++k)
      if (s.contains(nx[k], ny[k]) && s.pixel(nx[k], ny[k]) == target) {
        s.setPixel(nx[k], ny[k], paint);
        q.emplace_back(nx[k], ny[k]);
      }
  }
}

TEST(FloodFillSurface, MatchesABreadthFirstFillOnRaggedRegions) {
  std::mt19937 rng(11);
  const Color palette[] = {kWhite, kBlack, 0x00112233};
  for (int round = 0; round < 300; ++round) {
    const int w = 1 + int(rng() % 40), h = 1 + int(rng() % 40);
    Surface a(w, h);
    const int colours = 2 + round % 2;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) a.setPixel(x, y, palette[rng() % colours]);
    Surface b = a;
    const int x = int(rng() % w), y = int(rng() % h);
    const Color target = a.pixel(x, y);
    a.brush.color = 0x00ABCDEF;
    a.floodFillSurface(x, y, target);
    referenceFill(b, x, y, target, 0x00ABCDEF);
    ASSERT_TRUE(a == b) << "round " << round;
  }
}

}  // namespace
}  // namespace pz
