#include "data/textures/textures.h"

#include <algorithm>
#include <functional>

#include "data/textures/kit.h"

namespace pz::tex {

namespace {

Surface shade(const std::function<Rgb(double, double)>& f) {
  Surface s(N, N);
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) s.setPixel(x, y, toColor(f(x + 0.5, y + 0.5)));
  return s;
}

Surface wood() {
  Fbm f(11);
  const Rgb light = rgbOf(214, 160, 100), dark = rgbOf(140, 86, 44);
  return shade([&](double x, double y) {
    const double grain = 0.5 + 0.5 * std::sin(2 * kPi * (3 * y / N) + 7 * f.at(x, y));
    const double fine = 0.5 + 0.5 * std::sin(2 * kPi * (25 * y / N) + 2 * f.at(x + 13, y));
    return mix(light, dark, grain * 0.8 + fine * 0.2);
  });
}

Surface grass() {
  Rng rng(21);
  Fbm f(21);
  Surface s = shade([&](double x, double y) { return mix(rgbOf(40, 120, 30), rgbOf(70, 160, 40), f.at(x, y)); });
  for (int i = 0; i < 260; ++i) {
    const int x = rng.below(N), y = rng.below(N), len = 4 + rng.below(6);
    const int lean = rng.below(3) - 1;
    const Color c = toColor(hsv(rng.range(0.22, 0.33), rng.range(0.6, 0.9), rng.range(0.45, 0.95)));
    for (int k = 0; k < len; ++k) plot(s, x + (lean * k) / 3, y - k, c);
  }
  return s;
}

Surface bricks() {
  Rng rng(31);
  std::vector<Rgb> tone(40);
  for (Rgb& t : tone) t = mix(rgbOf(170, 60, 40), rgbOf(205, 95, 60), rng.uniform());
  Fbm f(31);
  return shade([&](double x, double y) {
    const int row = int(y / 12.5);
    const double shift = (row % 2) * 12.5;
    const double bx = std::fmod(x + shift, 25.0), by = std::fmod(y, 12.5);
    if (bx < 2 || by < 2) return mix(rgbOf(205, 200, 190), rgbOf(170, 165, 155), f.at(x, y));
    const int col = int(std::fmod(x + shift, double(N)) / 25);
    return scale(tone[row * 2 + col], 0.85 + 0.3 * f.at(x * 3, y * 3));
  });
}

Surface water() {
  Fbm f(41);
  return shade([&](double x, double y) {
    const double w = std::sin(2 * kPi * (2 * y / N + 1 * x / N) + 6 * f.at(x, y));
    Rgb c = mix(rgbOf(20, 90, 180), rgbOf(60, 160, 230), 0.5 + 0.5 * w);
    if (w > 0.85) c = mix(c, rgbOf(230, 250, 255), (w - 0.85) / 0.15);
    return c;
  });
}

Surface clouds() {
  Fbm f(51);
  return shade([&](double x, double y) {
    const double v = f.at(x, y);
    return mix(rgbOf(100, 170, 240), rgbOf(255, 255, 255), (v - 0.4) / 0.3);
  });
}

void star(Surface& s, double cx, double cy, double r, Color c) {
  // A five-pointed star tested by angle: the radius swings between r and r/2.5.
  for (int y = int(cy - r - 1); y <= int(cy + r + 1); ++y)
    for (int x = int(cx - r - 1); x <= int(cx + r + 1); ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      const double a = std::atan2(dy, dx) + kPi / 2;
      const double k = std::fabs(std::fmod(a * 5 / (2 * kPi) + 10.0, 1.0) - 0.5) * 2;  // 1 at the points
      const double edge = r / 2.5 + (r - r / 2.5) * std::pow(k, 2.2);
      if (dx * dx + dy * dy <= edge * edge) plot(s, x, y, c);
    }
}

Surface stars() {
  Rng rng(61);
  Fbm f(61);
  Surface s = shade([&](double x, double y) { return mix(rgbOf(10, 15, 60), rgbOf(40, 30, 100), f.at(x, y)); });
  for (int i = 0; i < 30; ++i) plot(s, rng.below(N), rng.below(N), toColor(rgbOf(200, 200, 255)));
  const Site big[] = {{12, 13}, {37, 10}, {25, 33}, {6, 40}, {44, 38}};
  const Color colours[] = {rgb(255, 230, 60), rgb(255, 255, 200), rgb(255, 200, 40), rgb(255, 240, 120),
                           rgb(255, 215, 80)};
  for (int i = 0; i < 5; ++i) star(s, big[i].x, big[i].y, 4.5 + (i % 2) * 1.5, colours[i]);
  return s;
}

Surface dots() {
  Surface s(N, N, rgb(255, 120, 170));
  for (int j = 0; j < 4; ++j)
    for (int i = 0; i < 4; ++i) disc(s, 12.5 * i + (j % 2) * 6.25 + 3, 12.5 * j + 6, 3.6, kWhite);
  return s;
}

Surface stripes() {
  const Rgb band[5] = {rgbOf(255, 90, 90), rgbOf(255, 190, 60), rgbOf(90, 200, 110), rgbOf(80, 150, 255),
                       rgbOf(180, 100, 230)};
  return shade([&](double x, double y) { return band[int(std::fmod(x + y, double(N)) / 10)]; });
}

Surface leopard() {
  Rng rng(91);
  // Spots on a jittered grid so that the rosettes keep apart.
  std::vector<Site> spots;
  for (int j = 0; j < 4; ++j)
    for (int i = 0; i < 4; ++i)
      spots.push_back({12.5 * i + (j % 2) * 6.25 + rng.range(-2, 2), 12.5 * j + rng.range(-2, 2)});
  Fbm f(91);
  return shade([&](double x, double y) {
    const Nearest n = nearest(spots, x, y);
    const double wobble = 1.2 * (f.at(x * 2, y * 2) - 0.5);
    const double r = 4.4 + (n.index % 3) * 0.4 + wobble;
    Rgb base = mix(rgbOf(225, 170, 80), rgbOf(240, 200, 120), f.at(x, y));
    if (n.d1 < r - 1.8) return mix(base, rgbOf(190, 120, 40), 0.8);
    // The ring is broken in places, as on a real coat.
    if (n.d1 < r && f.at(x * 5, y * 5) > 0.4) return rgbOf(60, 35, 15);
    return base;
  });
}

Surface scales() {
  return shade([&](double x, double y) {
    // Rows of overlapping round scales; the lower scale covers the one above.
    for (int j = 4; j >= -1; --j)
      for (int i = -1; i <= 5; ++i) {
        const double cx = 10.0 * i + (((j % 2) + 2) % 2) * 5, cy = 12.5 * j;
        const double d = torusDistance(x, y, cx, cy);
        if (d < 8.5 && y <= cy + 8.5 && (y >= cy || true)) {
          if (y < cy - 1) continue;
          const double t = d / 8.5;
          if (t > 0.85) return rgbOf(20, 90, 80);
          return mix(rgbOf(120, 230, 200), rgbOf(30, 150, 140), t);
        }
      }
    return rgbOf(30, 150, 140);
  });
}

Surface sand() {
  Rng rng(111);
  Fbm f(111);
  Surface s = shade([&](double x, double y) {
    const double ripple = 0.5 + 0.5 * std::sin(2 * kPi * (4 * y / N) + 5 * f.at(x, y));
    return mix(rgbOf(235, 210, 150), rgbOf(215, 185, 120), ripple * 0.7 + rng.uniform() * 0.3);
  });
  for (int i = 0; i < 40; ++i) plot(s, rng.below(N), rng.below(N), rng.below(2) ? rgb(170, 140, 90) : rgb(250, 240, 210));
  return s;
}

Surface marble() {
  Fbm f(121);
  return shade([&](double x, double y) {
    const double v = std::sin(2 * kPi * (x / N + y / N) + 9 * f.at(x, y));
    const double vein = std::pow(1 - std::fabs(v), 8);
    return mix(mix(rgbOf(245, 245, 242), rgbOf(215, 215, 220), f.at(x + 7, y + 3)), rgbOf(100, 100, 115), vein);
  });
}

Surface rainbow() {
  return shade([&](double x, double y) {
    const double h = y / N + 0.04 * std::sin(2 * kPi * x / N);
    return hsv(h, 0.75, 1.0);
  });
}

Surface zebra() {
  Fbm f(141);
  return shade([&](double x, double y) {
    return std::sin(2 * kPi * (4 * x / N) + 8 * f.at(x, y)) > 0.1 ? rgbOf(20, 20, 20) : rgbOf(250, 250, 245);
  });
}

Surface checkers() {
  return shade([&](double x, double y) {
    return (int(x / 12.5) + int(y / 12.5)) % 2 ? rgbOf(220, 40, 50) : rgbOf(255, 250, 240);
  });
}

bool insideHeart(double x, double y) {
  y = -y + 0.3;
  const double a = x * x + y * y - 1;
  return a * a * a - x * x * y * y * y <= 0;
}

Surface hearts() {
  return shade([&](double x, double y) {
    const Site c[] = {{12.5, 12.5}, {37.5, 37.5}, {37.5, 12.5}, {12.5, 37.5}};
    for (int i = 0; i < 4; ++i) {
      const double r = i < 2 ? 8.5 : 6.0;
      if (insideHeart((x - c[i].x) / r, (y - c[i].y) / r)) return i < 2 ? rgbOf(230, 30, 70) : rgbOf(180, 60, 200);
    }
    return rgbOf(255, 205, 225);
  });
}

void flower(Surface& s, double cx, double cy, double r, Color petal, Color heart) {
  for (int k = 0; k < 5; ++k) {
    const double a = 2 * kPi * k / 5;
    disc(s, cx + std::cos(a) * r, cy + std::sin(a) * r, r * 0.75, petal);
  }
  disc(s, cx, cy, r * 0.6, heart);
}

Surface flowers() {
  Fbm f(161);
  Surface s = shade([&](double x, double y) { return mix(rgbOf(70, 150, 60), rgbOf(110, 190, 80), f.at(x, y)); });
  flower(s, 12, 12, 4.5, rgb(255, 90, 120), rgb(255, 220, 50));
  flower(s, 37, 20, 4, rgb(255, 255, 255), rgb(255, 200, 0));
  flower(s, 22, 38, 4, rgb(150, 110, 255), rgb(255, 240, 120));
  flower(s, 45, 45, 3.5, rgb(255, 160, 40), rgb(150, 60, 20));
  flower(s, 4, 30, 3, rgb(255, 230, 80), rgb(230, 120, 20));
  return s;
}

Surface cobbles() {
  Rng rng(171);
  const std::vector<Site> sites = scatter(rng, 16);
  std::vector<double> tone;
  for (size_t i = 0; i < sites.size(); ++i) tone.push_back(rng.uniform());
  Fbm f(171);
  return shade([&](double x, double y) {
    const Nearest n = nearest(sites, x, y);
    if (n.d2 - n.d1 < 1.6) return rgbOf(70, 65, 60);
    const Rgb stone = mix(rgbOf(140, 140, 145), rgbOf(190, 185, 175), tone[size_t(n.index)]);
    return scale(stone, 0.85 + 0.25 * f.at(x * 2, y * 2) + 0.05 * std::min(1.0, (n.d2 - n.d1) / 6));
  });
}

Surface lava() {
  Fbm f(181);
  return shade([&](double x, double y) {
    const double v = f.at(x, y);
    const double glow = std::pow(1 - std::fabs(v - 0.5) * 2, 6);
    return mix(rgbOf(60, 10, 10), rgbOf(255, 200, 40), glow);
  });
}

Surface candy() {
  return shade([&](double x, double y) {
    const double t = std::fmod(x + y, 12.5);
    return t < 5 ? rgbOf(230, 30, 50) : t < 6.25 ? rgbOf(255, 170, 180) : rgbOf(255, 255, 255);
  });
}

Surface confetti() {
  Rng rng(201);
  Surface s(N, N, rgb(255, 255, 250));
  for (int i = 0; i < 45; ++i) {
    const Color c = toColor(hsv(rng.uniform(), 0.8, 1.0));
    const int x = rng.below(N), y = rng.below(N);
    if (rng.below(2)) {
      disc(s, x, y, 1.6, c);
    } else {
      const int w = 2 + rng.below(3), h = 2 + rng.below(2);
      for (int j = 0; j < h; ++j)
        for (int k = 0; k < w; ++k) plot(s, x + k, y + j, c);
    }
  }
  return s;
}

Surface tiger() {
  Fbm f(211);
  return shade([&](double x, double y) {
    const Rgb fur = mix(rgbOf(240, 140, 30), rgbOf(255, 180, 70), f.at(x * 2, y));
    const double v = std::sin(2 * kPi * (5 * x / N) + 6 * f.at(x, y));
    return v > 0.55 ? rgbOf(25, 15, 10) : fur;
  });
}

Surface giraffe() {
  Rng rng(221);
  const std::vector<Site> sites = scatter(rng, 12);
  Fbm f(221);
  return shade([&](double x, double y) {
    const Nearest n = nearest(sites, x, y);
    if (n.d2 - n.d1 < 2.5 + 1.5 * f.at(x * 2, y * 2)) return rgbOf(250, 235, 200);
    return mix(rgbOf(170, 90, 30), rgbOf(200, 120, 50), f.at(x, y));
  });
}

Surface honeycomb() {
  std::vector<Site> sites;
  for (int j = 0; j < 4; ++j)
    for (int i = 0; i < 4; ++i) sites.push_back({12.5 * i + (j % 2) * 6.25, 12.5 * j});
  return shade([&](double x, double y) {
    const Nearest n = nearest(sites, x, y);
    if (n.d2 - n.d1 < 1.5) return rgbOf(150, 90, 10);
    return mix(rgbOf(255, 215, 60), rgbOf(235, 160, 20), n.d1 / 7.5);
  });
}

Surface waves() {
  return shade([&](double x, double y) {
    const double crest = std::fmod(y + 3 * std::sin(2 * kPi * 2 * x / N) + N, 12.5);
    if (crest < 2) return rgbOf(240, 250, 255);
    return mix(rgbOf(40, 150, 220), rgbOf(10, 70, 160), crest / 12.5);
  });
}

Surface denim() {
  Rng rng(241);
  return shade([&](double x, double y) {
    const int xi = int(x), yi = int(y);
    const bool twill = ((xi + yi) % 4) < 2;
    const Rgb c = twill ? rgbOf(70, 110, 170) : rgbOf(40, 70, 130);
    return scale(c, 0.9 + 0.2 * rng.uniform());
  });
}

void leaf(Surface& s, double cx, double cy, double angle, double len, Color c, Color vein) {
  const double ca = std::cos(angle), sa = std::sin(angle);
  for (int y = int(cy - len - 1); y <= int(cy + len + 1); ++y)
    for (int x = int(cx - len - 1); x <= int(cx + len + 1); ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      const double u = dx * ca + dy * sa, v = -dx * sa + dy * ca;
      const double half = len * 0.45 * (1 - (u / len) * (u / len));
      if (std::fabs(u) <= len && std::fabs(v) <= half) plot(s, x, y, std::fabs(v) < 0.5 ? vein : c);
    }
}

Surface leaves() {
  Rng rng(251);
  Surface s(N, N, rgb(110, 70, 40));
  const Color colours[] = {rgb(230, 90, 30), rgb(250, 180, 40), rgb(200, 40, 30), rgb(160, 170, 40),
                           rgb(240, 130, 20)};
  for (int i = 0; i < 22; ++i)
    leaf(s, rng.range(0, N), rng.range(0, N), rng.range(0, kPi), rng.range(5, 8), colours[rng.below(5)],
         rgb(120, 50, 20));
  return s;
}

Surface snow() {
  Rng rng(261);
  Fbm f(261);
  Surface s = shade([&](double x, double y) { return mix(rgbOf(150, 190, 235), rgbOf(190, 215, 245), f.at(x, y)); });
  for (int i = 0; i < 40; ++i) disc(s, rng.range(0, N), rng.range(0, N), rng.range(0.6, 1.8), kWhite);
  for (int i = 0; i < 4; ++i) {
    const int x = rng.below(N), y = rng.below(N);
    for (int k = -3; k <= 3; ++k) {
      plot(s, x + k, y, kWhite);
      plot(s, x, y + k, kWhite);
      plot(s, x + k, y + k, kWhite);
      plot(s, x + k, y - k, kWhite);
    }
  }
  return s;
}

Surface bubbles() {
  Rng rng(271);
  Surface s = shade([&](double x, double y) {
    return mix(rgbOf(120, 200, 250), rgbOf(60, 140, 230), 0.5 + 0.5 * std::sin(2 * kPi * y / N));
  });
  for (int i = 0; i < 12; ++i) {
    const double cx = rng.range(0, N), cy = rng.range(0, N), r = rng.range(3, 7);
    for (int y = int(cy - r - 1); y <= int(cy + r + 1); ++y)
      for (int x = int(cx - r - 1); x <= int(cx + r + 1); ++x) {
        const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
        if (d <= r && d > r - 1.2) plot(s, x, y, rgb(235, 250, 255));
      }
    disc(s, cx - r * 0.4, cy - r * 0.4, std::max(0.8, r * 0.2), kWhite);
  }
  return s;
}

Surface plaid() {
  return shade([&](double x, double y) {
    auto band = [](double t) {
      t = std::fmod(t, 25.0);
      return t < 6 ? 1.0 : (t > 12 && t < 14) ? 0.5 : 0.0;
    };
    const double h = band(y), v = band(x);
    Rgb c = rgbOf(200, 30, 40);
    c = mix(c, rgbOf(20, 60, 40), (h + v) * 0.45);
    if ((h == 0.5 || v == 0.5) && (int(x + y) % 2)) c = rgbOf(250, 220, 80);
    return c;
  });
}

Surface zigzag() {
  const Rgb band[4] = {rgbOf(255, 110, 60), rgbOf(255, 220, 80), rgbOf(60, 190, 200), rgbOf(130, 80, 200)};
  return shade([&](double x, double y) {
    const double tri = std::fabs(std::fmod(x, 10.0) - 5);
    return band[int(std::fmod(y + tri + N, double(N)) / 12.5) % 4];
  });
}

Surface galaxy() {
  Rng rng(301);
  Fbm f(301), g(302);
  Surface s = shade([&](double x, double y) {
    const double a = f.at(x, y), b = g.at(x, y);
    Rgb c = mix(rgbOf(15, 5, 40), rgbOf(120, 40, 160), std::pow(a, 2) * 1.6);
    return mix(c, rgbOf(60, 120, 230), std::pow(b, 3) * 1.5);
  });
  for (int i = 0; i < 45; ++i) plot(s, rng.below(N), rng.below(N), rng.below(3) ? rgb(255, 255, 255) : rgb(255, 230, 150));
  return s;
}

// The value below which the given share of a field's pixels lie.
double quantile(const std::function<double(double, double)>& field, double share) {
  std::vector<double> v;
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) v.push_back(field(x + 0.5, y + 0.5));
  std::sort(v.begin(), v.end());
  return v[size_t(share * (v.size() - 1))];
}

Surface cow() {
  Fbm f(311);
  auto field = [&](double x, double y) { return f.at(2 * x, 2 * y) * 0.6 + f.at(x, y) * 0.4; };
  const double cut = quantile(field, 0.68);
  return shade([&](double x, double y) { return field(x, y) > cut ? rgbOf(25, 25, 25) : rgbOf(252, 252, 250); });
}

Surface ice() {
  Rng rng(321);
  const std::vector<Site> sites = scatter(rng, 10);
  Fbm f(321);
  return shade([&](double x, double y) {
    const Nearest n = nearest(sites, x, y);
    const Rgb c = mix(rgbOf(170, 225, 245), rgbOf(220, 245, 255), f.at(x, y));
    return n.d2 - n.d1 < 0.9 ? rgbOf(255, 255, 255) : c;
  });
}

Surface camouflage() {
  Fbm a(331), b(332), c(333);
  auto fa = [&](double x, double y) { return a.at(2 * x, 2 * y); };
  auto fb = [&](double x, double y) { return b.at(2 * x, 2 * y); };
  auto fc = [&](double x, double y) { return c.at(2 * x, 2 * y); };
  const double ca = quantile(fa, 0.5), cb = quantile(fb, 0.65), cc = quantile(fc, 0.8);
  return shade([&](double x, double y) {
    if (fc(x, y) > cc) return rgbOf(40, 40, 25);
    if (fb(x, y) > cb) return rgbOf(120, 100, 60);
    if (fa(x, y) > ca) return rgbOf(70, 100, 45);
    return rgbOf(140, 150, 90);
  });
}

Surface gingham() {
  return shade([&](double x, double y) {
    const bool h = std::fmod(y, 10.0) < 5, v = std::fmod(x, 10.0) < 5;
    return h && v ? rgbOf(40, 120, 220) : (h || v) ? rgbOf(150, 195, 245) : rgbOf(255, 255, 255);
  });
}

Surface sparkle() {
  Rng rng(351);
  Fbm f(351);
  Surface s = shade([&](double x, double y) { return mix(rgbOf(200, 150, 30), rgbOf(250, 215, 90), f.at(x, y)); });
  for (int i = 0; i < 30; ++i) {
    const int x = rng.below(N), y = rng.below(N);
    plot(s, x, y, kWhite);
    if (i % 3 == 0)
      for (int k : {-1, 1}) {
        plot(s, x + k, y, rgb(255, 250, 220));
        plot(s, x, y + k, rgb(255, 250, 220));
      }
  }
  return s;
}

}  // namespace

std::vector<Texture> allTextures() {
  return {{"wood", wood()},         {"grass", grass()},         {"bricks", bricks()},
          {"water", water()},       {"clouds", clouds()},       {"stars", stars()},
          {"dots", dots()},         {"stripes", stripes()},     {"leopard", leopard()},
          {"scales", scales()},     {"sand", sand()},           {"marble", marble()},
          {"rainbow", rainbow()},   {"zebra", zebra()},         {"checkers", checkers()},
          {"hearts", hearts()},     {"flowers", flowers()},     {"cobbles", cobbles()},
          {"lava", lava()},         {"candy", candy()},         {"confetti", confetti()},
          {"tiger", tiger()},       {"giraffe", giraffe()},     {"honeycomb", honeycomb()},
          {"waves", waves()},       {"denim", denim()},         {"leaves", leaves()},
          {"snow", snow()},         {"bubbles", bubbles()},     {"plaid", plaid()},
          {"zigzag", zigzag()},     {"galaxy", galaxy()},       {"cow", cow()},
          {"ice", ice()},           {"camouflage", camouflage()}, {"gingham", gingham()},
          {"gold", sparkle()}};
}

}  // namespace pz::tex
