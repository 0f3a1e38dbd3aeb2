#include "data/textures/kit.h"

#include <algorithm>

namespace pz::tex {

Rgb hsv(double h, double s, double v) {
  h = h - std::floor(h);
  const double i = std::floor(h * 6), f = h * 6 - i;
  const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
  double r, g, b;
  switch (int(i) % 6) {
    case 0: r = v, g = t, b = p; break;
    case 1: r = q, g = v, b = p; break;
    case 2: r = p, g = v, b = t; break;
    case 3: r = p, g = q, b = v; break;
    case 4: r = t, g = p, b = v; break;
    default: r = v, g = p, b = q; break;
  }
  return {r * 255, g * 255, b * 255};
}

Noise::Noise(std::uint32_t seed, int cells) : cells_(cells), v_(size_t(cells) * cells) {
  Rng rng(seed);
  for (double& v : v_) v = rng.uniform();
}

double Noise::at(double x, double y) const {
  const double fx = x * cells_ / N, fy = y * cells_ / N;
  const int ix = int(std::floor(fx)), iy = int(std::floor(fy));
  double tx = fx - ix, ty = fy - iy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  auto v = [&](int i, int j) { return v_[size_t(((j % cells_) + cells_) % cells_) * cells_ + ((i % cells_) + cells_) % cells_]; };
  const double a = v(ix, iy) + (v(ix + 1, iy) - v(ix, iy)) * tx;
  const double b = v(ix, iy + 1) + (v(ix + 1, iy + 1) - v(ix, iy + 1)) * tx;
  return a + (b - a) * ty;
}

Fbm::Fbm(std::uint32_t seed) : a_(seed, 2), b_(seed + 1, 5), c_(seed + 2, 10), d_(seed + 3, 25) {}

double Fbm::at(double x, double y) const {
  return (a_.at(x, y) * 8 + b_.at(x, y) * 4 + c_.at(x, y) * 2 + d_.at(x, y)) / 15.0;
}

double torusDistance(double x1, double y1, double x2, double y2) {
  double dx = std::fabs(x1 - x2), dy = std::fabs(y1 - y2);
  dx = std::min(dx, N - dx);
  dy = std::min(dy, N - dy);
  return std::sqrt(dx * dx + dy * dy);
}

std::vector<Site> scatter(Rng& rng, int count) {
  std::vector<Site> s;
  for (int i = 0; i < count; ++i) s.push_back({rng.range(0, N), rng.range(0, N)});
  return s;
}

Nearest nearest(const std::vector<Site>& sites, double x, double y) {
  Nearest n{1e9, 1e9, -1};
  for (int i = 0; i < int(sites.size()); ++i) {
    const double d = torusDistance(x, y, sites[i].x, sites[i].y);
    if (d < n.d1) {
      n.d2 = n.d1;
      n.d1 = d;
      n.index = i;
    } else if (d < n.d2) {
      n.d2 = d;
    }
  }
  return n;
}

void disc(Surface& s, double cx, double cy, double r, Color c) {
  for (int y = int(std::floor(cy - r)); y <= int(std::ceil(cy + r)); ++y)
    for (int x = int(std::floor(cx - r)); x <= int(std::ceil(cx + r)); ++x)
      if ((x + 0.5 - cx) * (x + 0.5 - cx) + (y + 0.5 - cy) * (y + 0.5 - cy) <= r * r) plot(s, x, y, c);
}

}  // namespace pz::tex
