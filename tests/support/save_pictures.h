// The two pictures the save-kill test and its child program save in turn:
// noisy, so each JPEG is large and a save takes long enough to be cut short.
#pragma once

#include <cstdint>
#include <random>

#include "platform/surface.h"

namespace pz::testing {

inline Surface noisyPicture(int w, int h, unsigned seed) {
  Surface s(w, h, kWhite);
  std::mt19937 gen(seed);
  for (int y = 0; y < h; ++y) {
    std::uint32_t* row = s.row(y);
    for (int x = 0; x < w; ++x) row[x] = toRaw(Color(gen() & 0xFFFFFFu));
  }
  return s;
}

}  // namespace pz::testing
