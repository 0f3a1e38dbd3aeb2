// Tiny editing states for tool tests: a white picture, a blank 50 x 50 brush
// and the random generator back at its first state.
#pragma once

#include <gtest/gtest.h>

#include "paint/tools/colour.h"
#include "paint/tools/paint_state.h"

namespace pz::test {

inline PaintState tinyState(int w, int h, Color fill = kWhite) {
  PaintState st;
  st.pictureBmp.create(w, h, fill);
  st.brushImage.create(50, 50, kWhite);
  setRandomState(1);
  return st;
}

inline int countPixels(const Surface& s, Color c) {
  int n = 0;
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x) n += s.pixel(x, y) == c;
  return n;
}

inline int countDifferent(const Surface& a, const Surface& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
  return n;
}

}  // namespace pz::test
