#include "paint/files/texture_random.h"

namespace pz {

namespace {
// Stand-in for the tools' generator until it is shared: the same linear
// congruential step, state x M + 1 modulo 2^64, bits 32..62 returned.
std::uint64_t state = 1;
constexpr std::uint64_t kMultiplier = 0x0000015A00004E35ULL;
}  // namespace

void seedTextureRandom(std::uint64_t seed) { state = seed; }

int textureRandom() {
  state = state * kMultiplier + 1;
  return static_cast<int>((state >> 32) & 0x7FFFFFFF);
}

}  // namespace pz
