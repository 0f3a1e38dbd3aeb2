// Colour primitives every painting tool is built from: brightness, distance,
// the process-wide random source, and HSV conversion with the two blend rules.
// The float arithmetic is deliberate: results must match pixel for pixel, so
// every value kept as a float is rounded to float exactly where it is stored.
#pragma once

#include <cstdint>

#include "platform/surface.h"

namespace pz {

struct HsvColor {
  float h = 0;  // [0, 1)
  float s = 0;  // [0, 1]
  float v = 0;  // [0, 255], the largest channel itself
};

// (red + green + blue) / 3, truncated.
inline int brightness(Color c) { return (redOf(c) + greenOf(c) + blueOf(c)) / 3; }

// Euclidean distance of two points, rounded to float and then truncated.
int pixelDistance(int x1, int y1, int x2, int y2);

// The one random generator of the process: 64-bit linear congruential state,
// starting at 1. Returns 0 .. 2^31 - 1.
std::uint32_t nextRandom();
// A random offset below n: nextRandom() % n, and no draw at all when n <= 0.
inline int randomBelow(int n) { return n > 0 ? int(nextRandom() % std::uint32_t(n)) : 0; }
// The generator's state, for seeding (Save As Texture) and for tests and the
// stroke runner, which start from state 1.
std::uint64_t randomState();
void setRandomState(std::uint64_t state);

HsvColor rgbToHsv(Color c);
Color hsvToRgb(float h, float s, float v);
inline Color hsvToRgb(const HsvColor& c) { return hsvToRgb(c.h, c.s, c.v); }

// Mix: shared hue rule, larger saturation, smaller value (never brightens).
HsvColor mixHsv(const HsvColor& a, const HsvColor& b);
// Average: shared hue rule, mean saturation, mean value.
HsvColor averageHsv(const HsvColor& a, const HsvColor& b);

// The same on packed colours (convert both, blend, convert back).
Color mixColors(Color a, Color b);
Color averageColors(Color a, Color b);

}  // namespace pz
