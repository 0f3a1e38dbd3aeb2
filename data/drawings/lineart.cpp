#include "data/drawings/lineart.h"

#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <cmath>

#include "platform/bmp.h"

namespace pz::lineart {

namespace {
constexpr double kPi = 3.14159265358979323846;
double dist(P a, P b) { return std::hypot(a.x - b.x, a.y - b.y); }
}  // namespace

Path bezier(P a, P b, P c, P d, int steps) {
  if (steps <= 0) steps = std::max(8, int((dist(a, b) + dist(b, c) + dist(c, d)) / 3));
  Path out;
  out.reserve(std::size_t(steps) + 1);
  for (int i = 0; i <= steps; ++i) {
    const double t = double(i) / steps, u = 1 - t;
    const double k0 = u * u * u, k1 = 3 * u * u * t, k2 = 3 * u * t * t, k3 = t * t * t;
    out.push_back({k0 * a.x + k1 * b.x + k2 * c.x + k3 * d.x, k0 * a.y + k1 * b.y + k2 * c.y + k3 * d.y});
  }
  return out;
}

Path smooth(const Path& pts, bool closed) {
  const int n = int(pts.size());
  if (n < 3) return pts;
  Path out;
  auto at = [&](int i) {
    if (closed) return pts[std::size_t((i % n + n) % n)];
    return pts[std::size_t(std::clamp(i, 0, n - 1))];
  };
  const int segments = closed ? n : n - 1;
  for (int i = 0; i < segments; ++i) {
    const P p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
    // Catmull-Rom as a Bézier: control points a sixth of the neighbours'
    // difference away.
    const P b{p1.x + (p2.x - p0.x) / 6, p1.y + (p2.y - p0.y) / 6};
    const P c{p2.x - (p3.x - p1.x) / 6, p2.y - (p3.y - p1.y) / 6};
    Path piece = bezier(p1, b, c, p2);
    if (!out.empty()) piece.erase(piece.begin());
    out.insert(out.end(), piece.begin(), piece.end());
  }
  if (closed && !out.empty()) out.pop_back();
  return out;
}

Path ellipsePath(double cx, double cy, double rx, double ry, double rot, double from, double to) {
  const int steps = std::max(24, int((to - from) / 360.0 * 2 * kPi * std::max(rx, ry) / 2.5));
  const double c = std::cos(rot * kPi / 180), s = std::sin(rot * kPi / 180);
  const bool full = to - from >= 360;
  Path out;
  for (int i = 0; i < (full ? steps : steps + 1); ++i) {
    const double a = (from + (to - from) * i / steps) * kPi / 180;
    const double x = rx * std::cos(a), y = ry * std::sin(a);
    out.push_back({cx + x * c - y * s, cy + x * s + y * c});
  }
  return out;
}

Path starPath(double cx, double cy, double outer, double inner, int n, double rot) {
  Path out;
  for (int i = 0; i < 2 * n; ++i) {
    const double a = (rot + 180.0 * i / n) * kPi / 180;
    const double r = (i % 2) ? inner : outer;
    out.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  return out;
}

Path roundRectPath(double l, double t, double r, double b, double rad) {
  Path out;
  auto corner = [&](double cx, double cy, double from) {
    Path a = ellipsePath(cx, cy, rad, rad, 0, from, from + 90);
    out.insert(out.end(), a.begin(), a.end());
  };
  corner(r - rad, t + rad, 270);
  corner(r - rad, b - rad, 0);
  corner(l + rad, b - rad, 90);
  corner(l + rad, t + rad, 180);
  return out;
}

Path heartPath(double cx, double top, double w, double h) {
  const double hw = w / 2;
  Path right = bezier({cx, top}, {cx + hw * 0.2, top - h * 0.35}, {cx + hw * 1.25, top - h * 0.2},
                      {cx + hw * 0.95, top + h * 0.35});
  Path right2 = bezier({cx + hw * 0.95, top + h * 0.35}, {cx + hw * 0.75, top + h * 0.65},
                       {cx + hw * 0.25, top + h * 0.8}, {cx, top + h});
  Path out = right;
  out.insert(out.end(), right2.begin() + 1, right2.end());
  for (int i = int(out.size()) - 2; i > 0; --i) out.push_back({2 * cx - out[std::size_t(i)].x, out[std::size_t(i)].y});
  return out;
}

Path rotated(const Path& p, double cx, double cy, double deg) {
  const double c = std::cos(deg * kPi / 180), s = std::sin(deg * kPi / 180);
  Path out;
  out.reserve(p.size());
  for (P q : p) out.push_back({cx + (q.x - cx) * c - (q.y - cy) * s, cy + (q.x - cx) * s + (q.y - cy) * c});
  return out;
}

Path translated(const Path& p, double dx, double dy) {
  Path out = p;
  for (P& q : out) {
    q.x += dx;
    q.y += dy;
  }
  return out;
}

Drawing::Drawing(int w, int h, int penWidth) : s_(w, h, kWhite), pen_(penWidth) {}

void Drawing::stamp(int x, int y) {
  // Width 3: a plus sign, three pixels across along either axis and about two
  // across a diagonal. Width 2: a 2 x 2 square.
  if (pen_ >= 3) {
    s_.setPixel(x, y, kBlack);
    s_.setPixel(x - 1, y, kBlack);
    s_.setPixel(x + 1, y, kBlack);
    s_.setPixel(x, y - 1, kBlack);
    s_.setPixel(x, y + 1, kBlack);
  } else {
    s_.setPixel(x, y, kBlack);
    s_.setPixel(x + 1, y, kBlack);
    s_.setPixel(x, y + 1, kBlack);
    s_.setPixel(x + 1, y + 1, kBlack);
  }
}

void Drawing::segment(int x0, int y0, int x1, int y1) {
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    stamp(x0, y0);
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void Drawing::stroke(const Path& p) {
  if (p.empty()) return;
  for (std::size_t i = 1; i < p.size(); ++i)
    segment(int(std::lround(p[i - 1].x)), int(std::lround(p[i - 1].y)), int(std::lround(p[i].x)),
            int(std::lround(p[i].y)));
  if (p.size() == 1) stamp(int(std::lround(p[0].x)), int(std::lround(p[0].y)));
}

template <class F>
void Drawing::scan(const Path& poly, F f) const {
  double top = 1e9, bottom = -1e9;
  for (P q : poly) {
    top = std::min(top, q.y);
    bottom = std::max(bottom, q.y);
  }
  std::vector<double> xs;
  for (int y = std::max(0, int(std::floor(top))); y <= std::min(height() - 1, int(std::ceil(bottom))); ++y) {
    const double cy = y + 0.5;
    xs.clear();
    for (std::size_t i = 0; i < poly.size(); ++i) {
      const P a = poly[i], b = poly[(i + 1) % poly.size()];
      if ((a.y <= cy) != (b.y <= cy)) xs.push_back(a.x + (cy - a.y) / (b.y - a.y) * (b.x - a.x));
    }
    std::sort(xs.begin(), xs.end());
    for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
      const int from = std::max(0, int(std::ceil(xs[i] - 0.5)));
      const int to = std::min(width() - 1, int(std::floor(xs[i + 1] - 0.5)));
      for (int x = from; x <= to; ++x) f(x, y);
    }
  }
}

void Drawing::fillWhite(const Path& poly) {
  scan(poly, [this](int x, int y) { s_.row(y)[x] = toRaw(kWhite); });
}

void Drawing::strokesInside(const std::vector<Path>& open, const Path& closed) {
  if (closed.size() < 3) return;
  const Surface before = s_;
  for (const Path& p : open) stroke(p);
  // Keep the new black only inside the shape; its own outline, already
  // there, closes every piece the lines cut off.
  std::vector<char> in(std::size_t(width()) * std::size_t(height()), 0);
  scan(closed, [&](int x, int y) { in[std::size_t(y) * std::size_t(width()) + std::size_t(x)] = 1; });
  for (int y = 0; y < height(); ++y) {
    std::uint32_t* row = s_.row(y);
    const std::uint32_t* old = before.row(y);
    for (int x = 0; x < width(); ++x)
      if (!in[std::size_t(y) * std::size_t(width()) + std::size_t(x)]) row[x] = old[x];
  }
}

void Drawing::addSeed(const Path& poly) {
  double top = 1e9, bottom = -1e9;
  for (P q : poly) {
    top = std::min(top, q.y);
    bottom = std::max(bottom, q.y);
  }
  // The middle of the widest span over the middle half of the shape, well
  // away from its outline.
  P best{};
  double widest = -1;
  std::vector<double> xs;
  for (int k = 1; k < 12; ++k) {
    const double cy = std::floor(top + (bottom - top) * (0.25 + 0.5 * k / 12)) + 0.5;
    xs.clear();
    for (std::size_t i = 0; i < poly.size(); ++i) {
      const P a = poly[i], b = poly[(i + 1) % poly.size()];
      if ((a.y <= cy) != (b.y <= cy)) xs.push_back(a.x + (cy - a.y) / (b.y - a.y) * (b.x - a.x));
    }
    std::sort(xs.begin(), xs.end());
    for (std::size_t i = 0; i + 1 < xs.size(); i += 2)
      if (xs[i + 1] - xs[i] > widest) {
        widest = xs[i + 1] - xs[i];
        best = {(xs[i] + xs[i + 1]) / 2, cy};
      }
  }
  if (widest > 6) seeds_.push_back({best, shapes_.size()});
}

namespace {
bool inside(const Path& poly, P q) {
  bool in = false;
  for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
    const P a = poly[i], b = poly[j];
    if ((a.y > q.y) != (b.y > q.y) && q.x < (b.x - a.x) * (q.y - a.y) / (b.y - a.y) + a.x) in = !in;
  }
  return in;
}
}  // namespace

std::vector<P> Drawing::seeds() const {
  std::vector<P> out;
  for (const Seed& s : seeds_) {
    bool covered = false;
    for (std::size_t j = s.shape + 1; j < shapes_.size() && !covered; ++j) covered = inside(shapes_[j], s.at);
    if (!covered) out.push_back(s.at);
  }
  return out;
}

void Drawing::shape(const Path& closed, bool seed) {
  if (closed.size() < 3) return;
  fillWhite(closed);
  Path ring = closed;
  ring.push_back(closed.front());
  stroke(ring);
  if (seed) addSeed(closed);
  shapes_.push_back(closed);
}

void Drawing::dot(double cx, double cy, double r) {
  for (int y = int(std::floor(cy - r)); y <= int(std::ceil(cy + r)); ++y)
    for (int x = int(std::floor(cx - r)); x <= int(std::ceil(cx + r)); ++x)
      if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r) s_.setPixel(x, y, kBlack);
}

void Drawing::fillCrumbs(int minArea) {
  const int w = width(), h = height();
  std::vector<char> seen(std::size_t(w) * h, 0);
  std::vector<int> region, stack;
  for (int start = 0; start < w * h; ++start) {
    if (seen[std::size_t(start)] || s_.pixel(start % w, start / w) != kWhite) continue;
    region.clear();
    bool edge = false;
    stack.push_back(start);
    seen[std::size_t(start)] = 1;
    while (!stack.empty()) {
      const int i = stack.back();
      stack.pop_back();
      region.push_back(i);
      const int x = i % w, y = i / w;
      if (x == 0 || y == 0 || x == w - 1 || y == h - 1) edge = true;
      const int next[4] = {x > 0 ? i - 1 : -1, x < w - 1 ? i + 1 : -1, y > 0 ? i - w : -1, y < h - 1 ? i + w : -1};
      for (int j : next)
        if (j >= 0 && !seen[std::size_t(j)] && s_.pixel(j % w, j / w) == kWhite) {
          seen[std::size_t(j)] = 1;
          stack.push_back(j);
        }
    }
    if (!edge && int(region.size()) < minArea)
      for (int i : region) s_.setPixel(i % w, i / w, kBlack);
  }
}

bool save(Drawing d, const QString& name, const QString& bmpDir, const QString& seedDir) {
  d.fillCrumbs();
  if (!writeBmp24(bmpDir + "/" + name + ".bmp", d.surface())) return false;
  QFile f(seedDir + "/" + name + ".txt");
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
  QTextStream out(&f);
  for (P p : d.seeds()) out << int(p.x) << ' ' << int(p.y) << '\n';
  return true;
}

}  // namespace pz::lineart
