// Pointer sprites, one per pointer kind (1..11).
#pragma once

#include "platform/surface.h"

namespace pz::art {

// The 150 x 50 sprite art of a pointer kind: picture, mask, and a white
// block for the saved background. Unknown kinds give an all-white surface.
Surface spriteArt(int cursorKind);

}  // namespace pz::art
