// The program-wide generator as Save As Texture uses it.
#pragma once

#include <cstdint>

namespace pz {

// Sets the generator's state (Save As Texture seeds it from the clock).
void seedTextureRandom(std::uint64_t seed);
// The next number, 0 .. 2^31 - 1.
int textureRandom();

}  // namespace pz
