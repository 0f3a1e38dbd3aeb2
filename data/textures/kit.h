// Tools for drawing textures that tile: everything here wraps around the
// 50 x 50 square, so a texture stamped side by side shows no seam.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/surface.h"

namespace pz::tex {

constexpr int N = 50;
constexpr double kPi = 3.14159265358979323846;

// A small deterministic generator: every build draws the same textures.
class Rng {
 public:
  explicit Rng(std::uint32_t seed) : s_(seed * 2654435761u + 1) {}
  std::uint32_t next() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return s_;
  }
  double uniform() { return (next() & 0xFFFFFF) / double(0x1000000); }
  double range(double a, double b) { return a + (b - a) * uniform(); }
  int below(int n) { return int(next() % std::uint32_t(n)); }

 private:
  std::uint32_t s_;
};

struct Rgb {
  double r = 0, g = 0, b = 0;
};
inline Rgb rgbOf(int r, int g, int b) { return {double(r), double(g), double(b)}; }
inline Rgb mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline Rgb scale(Rgb a, double f) { return {a.r * f, a.g * f, a.b * f}; }
inline Color toColor(Rgb c) {
  auto ch = [](double v) { return int(std::lround(std::clamp(v, 0.0, 255.0))); };
  return rgb(ch(c.r), ch(c.g), ch(c.b));
}
Rgb hsv(double h, double s, double v);  // h in turns, s and v 0..1

// Periodic value noise: `cells` lattice cells across the square (a divisor
// of 50 keeps it seamless), smooth between lattice points, in 0..1.
class Noise {
 public:
  Noise(std::uint32_t seed, int cells);
  double at(double x, double y) const;

 private:
  int cells_;
  std::vector<double> v_;
};

// Fractal sum of periodic noise: cells 2, 5, 10, 25 with halving weights, 0..1.
class Fbm {
 public:
  explicit Fbm(std::uint32_t seed);
  double at(double x, double y) const;

 private:
  Noise a_, b_, c_, d_;
};

// Wrapped distance on the 50 x 50 torus.
double torusDistance(double x1, double y1, double x2, double y2);

struct Site {
  double x, y;
};
std::vector<Site> scatter(Rng& rng, int count);
// Distances to the nearest and second-nearest site, and the nearest's index.
struct Nearest {
  double d1, d2;
  int index;
};
Nearest nearest(const std::vector<Site>& sites, double x, double y);

// Sets a pixel with wrap-around.
inline void plot(Surface& s, int x, int y, Color c) { s.setPixel(((x % N) + N) % N, ((y % N) + N) % N, c); }
// A filled disc with wrap-around.
void disc(Surface& s, double cx, double cy, double r, Color c);

}  // namespace pz::tex
