// Detailed drawings for older children, of places people make: a town
// street, a fairy tale castle, a farm, a room on Christmas Eve, a fire
// station and a mosaic. Many small regions, each still closed.
#include <algorithm>
#include <cmath>

#include "data/drawings/drawings.h"

namespace pz::lineart {

namespace {

constexpr double kPi = 3.14159265358979323846;
double rad(double deg) { return deg * kPi / 180; }

Path box(double l, double t, double r, double b) { return {{l, t}, {r, t}, {r, b}, {l, b}}; }

// Rows of bricks over a wall already drawn as `wall` (inside l..r, t..b).
void bricks(Drawing& d, const Path& wall, double l, double t, double r, double b, double bw, double bh) {
  // Rows of equal height, so no thin sliver of a row is left at the foot.
  bh = (b - t) / std::max(1.0, std::round((b - t) / bh));
  std::vector<Path> lines;
  int row = 0;
  for (double y = t + bh; y < b - 4; y += bh, ++row) lines.push_back({{l - 5, y}, {r + 5, y}});
  row = 0;
  for (double y = t; y < b; y += bh, ++row)
    for (double x = l + (row % 2 ? bw / 2 : bw); x < r - 4; x += bw) lines.push_back({{x, y}, {x, y + bh}});
  d.strokesInside(lines, wall);
}

// A window of four panes.
void window4(Drawing& d, double l, double t, double r, double b) {
  d.rect(l, t, r, b);
  d.line({(l + r) / 2, t}, {(l + r) / 2, b});
  d.line({l, (t + b) / 2}, {r, (t + b) / 2});
}

void cloud(Drawing& d, double cx, double cy, double s) {
  d.blob({{cx - 80 * s, cy + 20 * s}, {cx - 70 * s, cy - 15 * s}, {cx - 30 * s, cy - 25 * s}, {cx, cy - 45 * s},
          {cx + 40 * s, cy - 30 * s}, {cx + 80 * s, cy - 5 * s}, {cx + 75 * s, cy + 25 * s}, {cx, cy + 32 * s}});
}

void wheel(Drawing& d, double cx, double cy, double r) {
  d.circle(cx, cy, r);
  d.circle(cx, cy, r * 0.5);
}

void tree(Drawing& d, double x, double ground, double h) {
  d.rect(x - 10, ground - h * 0.45, x + 10, ground);
  d.blob({{x - h * 0.35, ground - h * 0.45}, {x - h * 0.4, ground - h * 0.75}, {x, ground - h},
          {x + h * 0.4, ground - h * 0.75}, {x + h * 0.35, ground - h * 0.45}});
}

// A simple person standing on `feet`, about `h` tall.
void person(Drawing& d, double x, double feet, double h, bool helmet) {
  const double u = h / 10;
  d.rect(x - 1.6 * u, feet - 4 * u, x - 0.2 * u, feet - 0.6 * u);  // legs
  d.rect(x + 0.2 * u, feet - 4 * u, x + 1.6 * u, feet - 0.6 * u);
  d.shape(roundRectPath(x - 2 * u, feet - 0.8 * u, x - 0.1 * u, feet, 0.3 * u));  // boots
  d.shape(roundRectPath(x + 0.1 * u, feet - 0.8 * u, x + 2 * u, feet, 0.3 * u));
  d.shape(roundRectPath(x - 3.2 * u, feet - 7.2 * u, x - 2 * u, feet - 3.6 * u, 0.5 * u));  // arms
  d.shape(roundRectPath(x + 2 * u, feet - 7.2 * u, x + 3.2 * u, feet - 3.6 * u, 0.5 * u));
  d.shape(roundRectPath(x - 2.2 * u, feet - 7.6 * u, x + 2.2 * u, feet - 3.6 * u, 0.8 * u));  // coat
  d.line({x, feet - 7.4 * u}, {x, feet - 3.8 * u});
  d.rect(x - 2.2 * u, feet - 5 * u, x + 2.2 * u, feet - 4.5 * u);  // bright band
  d.circle(x - 2.6 * u, feet - 3.4 * u, 0.55 * u);  // hands
  d.circle(x + 2.6 * u, feet - 3.4 * u, 0.55 * u);
  d.circle(x, feet - 8.7 * u, 1.3 * u);
  if (helmet) {
    d.shape(smooth({{x - 2 * u, feet - 9.2 * u}, {x - 1.4 * u, feet - 10.4 * u}, {x, feet - 10.8 * u},
                    {x + 1.4 * u, feet - 10.4 * u}, {x + 2 * u, feet - 9.2 * u}},
                   true));
    d.rect(x - 2.4 * u, feet - 9.4 * u, x + 2.4 * u, feet - 9 * u);
  }
  d.dot(x - 0.45 * u, feet - 8.8 * u, 0.18 * u + 1);
  d.dot(x + 0.45 * u, feet - 8.8 * u, 0.18 * u + 1);
  d.arc(x, feet - 8.5 * u, 0.6 * u, 0.45 * u, 20, 160);
}

}  // namespace

Drawing drawTownStreet() {
  Drawing d(800, 800);
  d.circle(700, 90, 45);
  for (int i = 0; i < 8; ++i) {
    const double a = rad(i * 45);
    d.line({700 + std::cos(a) * 58, 90 + std::sin(a) * 58}, {700 + std::cos(a) * 80, 90 + std::sin(a) * 80});
  }
  cloud(d, 150, 90, 0.8);
  cloud(d, 430, 60, 0.6);
  // Four houses side by side.
  struct House {
    double l, r, top;
    int cols, rows;
  };
  const House houses[] = {{20, 200, 250, 2, 4}, {200, 370, 330, 2, 3}, {370, 590, 200, 3, 3}, {590, 780, 300, 2, 3}};
  int n = 0;
  for (const House& h : houses) {
    const double bottom = 600;
    if (n % 2 == 0)
      d.shape({{h.l - 10, h.top}, {(h.l + h.r) / 2, h.top - 90}, {h.r + 10, h.top}});
    else
      d.rect(h.l - 6, h.top - 26, h.r + 6, h.top);
    d.rect(h.l, h.top, h.r, bottom);
    const double cw = (h.r - h.l) / h.cols, rh = (bottom - (n == 2 ? 130 : 90) - h.top) / h.rows;
    for (int c = 0; c < h.cols; ++c)
      for (int r = 0; r < h.rows; ++r) {
        const double x = h.l + c * cw + cw * 0.22, y = h.top + 20 + r * rh;
        window4(d, x, y, x + cw * 0.56, y + rh * 0.62);
      }
    // Door or shop window with its awning.
    if (n == 2) {
      d.rect(h.l + 10, 510, h.r - 10, 600);
      for (int i = 0; i < 6; ++i) {
        const double x0 = h.l + 10 + i * (h.r - h.l - 20) / 6, x1 = x0 + (h.r - h.l - 20) / 6;
        d.shape({{x0, 480}, {x1, 480}, {x1, 505}, {(x0 + x1) / 2, 520}, {x0, 505}});
      }
      d.rect(h.l + 30, 530, h.l + 120, 600);
      d.rect(h.l + 140, 530, h.r - 30, 590);
      d.line({h.l + 140, 560}, {h.r - 30, 560});
    } else {
      // The last house's door sits to the left, clear of the tree.
      const double m = n == 3 ? h.l + 55 : (h.l + h.r) / 2;
      d.shape(roundRectPath(m - 28, 520, m + 28, 600, 26));
      d.circle(m + 16, 565, 5);
    }
    ++n;
  }
  // Pavement, a lamp and a tree, the road with its cars.
  d.rect(0 - 4, 600, 804, 640, false);
  for (double x = 60; x < 800; x += 100) d.line({x, 600}, {x - 16, 640});
  d.rect(337, 430, 351, 615);
  d.shape({{326, 430}, {362, 430}, {354, 400}, {334, 400}});
  d.circle(344, 390, 12);
  tree(d, 715, 615, 170);
  for (P a : {P{690, 500}, P{740, 490}, P{715, 470}, P{685, 530}, P{745, 525}}) d.circle(a.x, a.y, 9);
  // A bus and a car.
  d.shape(roundRectPath(60, 650, 380, 760, 18));
  for (int i = 0; i < 5; ++i) d.rect(80 + i * 58, 666, 126 + i * 58, 706);
  d.rect(344, 666, 370, 740);
  d.line({60, 722}, {340, 722});
  wheel(d, 130, 762, 26);
  wheel(d, 310, 762, 26);
  d.shape(smooth({{470, 760}, {480, 700}, {540, 690}, {570, 650}, {680, 650}, {710, 690}, {770, 700},
                  {775, 760}},
                 true));
  d.shape({{580, 662}, {620, 662}, {620, 695}, {560, 695}});
  d.shape({{635, 662}, {675, 662}, {700, 695}, {635, 695}});
  wheel(d, 530, 765, 28);
  wheel(d, 710, 765, 28);
  return d;
}

Drawing drawFairyCastle() {
  Drawing d(800, 800);
  cloud(d, 250, 80, 0.8);
  cloud(d, 560, 60, 0.7);
  for (P s : {P{330, 160}, P{470, 110}, P{760, 170}, P{40, 190}}) d.shape(starPath(s.x, s.y, 18, 7, 5));
  d.shape(smooth({{-20, 650}, {200, 630}, {400, 655}, {600, 625}, {820, 650}, {820, 820}, {-20, 820}}, true), false);
  auto tower = [&](double l, double r, double top, double bottom) {
    const double m = (l + r) / 2, w = r - l;
    d.line({m, top - w * 1.2}, {m, top - w * 1.2 - 50});
    d.shape({{m, top - w * 1.2 - 50}, {m + 40, top - w * 1.2 - 38}, {m, top - w * 1.2 - 26}});
    d.shape({{l - 16, top}, {m, top - w * 1.2}, {r + 16, top}});
    d.strokesInside({{{l, top - 30}, {r, top - 30}}, {{l, top - 60}, {r, top - 60}}},
                    {{l - 16, top}, {m, top - w * 1.2}, {r + 16, top}});
    const Path wall = box(l, top, r, bottom);
    d.shape(wall);
    bricks(d, wall, l, top, r, bottom, 36, 22);
    d.shape(roundRectPath(m - 16, top + 40, m + 16, top + 100, 15));
    d.line({m, top + 40}, {m, top + 100});
  };
  tower(330, 470, 240, 640);
  const Path wall = box(110, 380, 690, 660);
  d.shape(wall);
  bricks(d, wall, 110, 380, 690, 660, 44, 26);
  for (int i = 0; i < 11; ++i) d.rect(112 + i * 53, 352, 140 + i * 53, 380);
  tower(40, 170, 300, 680);
  tower(630, 760, 300, 680);
  // The gate, its doors and the windows over it.
  d.shape(roundRectPath(330, 500, 470, 680, 70));
  d.line({400, 500}, {400, 680});
  d.circle(385, 600, 6);
  d.circle(415, 600, 6);
  for (double x : {200.0, 560.0}) {
    d.shape(roundRectPath(x, 430, x + 50, 500, 24));
    d.line({x, 465}, {x + 50, 465});
  }
  // Stepping stones up to the gate and flowers along the way.
  for (int i = 0; i < 5; ++i) {
    const double y = 700 + i * 20, half = 40 + i * 14;
    d.ellipse(400 - half * 0.45, y, half * 0.4, 8);
    d.ellipse(400 + half * 0.45, y, half * 0.4, 8);
  }
  for (P f : {P{60, 740}, P{170, 720}, P{630, 725}, P{740, 745}}) {
    for (int i = 0; i < 5; ++i) d.circle(f.x + std::cos(rad(i * 72)) * 14, f.y + std::sin(rad(i * 72)) * 14, 10);
    d.circle(f.x, f.y, 8);
  }
  return d;
}

Drawing drawFarm() {
  Drawing d(800, 800);
  d.circle(90, 90, 50);
  cloud(d, 330, 80, 0.7);
  cloud(d, 620, 110, 0.8);
  // Fields on the hill behind, in rows.
  const Path hill = smooth({{-20, 360}, {200, 300}, {450, 340}, {650, 290}, {820, 330}, {820, 470}, {-20, 470}}, true);
  d.shape(hill, false);
  std::vector<Path> rows;
  for (int i = 1; i < 7; ++i) rows.push_back(smooth({{-20, 330.0 + i * 22}, {400, 300.0 + i * 26}, {820, 310.0 + i * 24}}, false));
  for (double x : {250.0, 520.0}) rows.push_back({{x, 280}, {x - 40, 470}});
  d.strokesInside(rows, hill);
  d.shape(smooth({{-20, 470}, {300, 450}, {820, 470}, {820, 820}, {-20, 820}}, true), false);
  // The barn with planks, its roof and doors.
  const Path barnWall = {{420, 340}, {540, 260}, {660, 340}, {660, 620}, {420, 620}};
  d.shape({{400, 350}, {540, 240}, {680, 350}, {660, 350}, {540, 262}, {420, 350}});
  d.shape(barnWall);
  std::vector<Path> planks;
  for (double x = 445; x < 660; x += 25) planks.push_back({{x, 250}, {x, 620}});
  d.strokesInside(planks, barnWall);
  d.rect(480, 480, 600, 620);
  d.line({480, 480}, {600, 620});
  d.line({600, 480}, {480, 620});
  d.line({540, 480}, {540, 620});
  d.circle(540, 380, 30);
  d.line({510, 380}, {570, 380});
  // A fence with boards.
  d.rect(0 - 4, 560, 372, 576, false);
  d.rect(0 - 4, 600, 372, 616, false);
  for (double x = 20; x < 380; x += 48) d.shape({{x, 540}, {x + 12, 528}, {x + 24, 540}, {x + 24, 660}, {x, 660}});
  // Apple tree.
  d.rect(690, 470, 720, 680);
  d.blob({{630, 470}, {620, 390}, {705, 335}, {770, 385}, {770, 470}});
  for (P a : {P{660, 400}, P{710, 380}, P{745, 420}, P{680, 450}, P{735, 455}}) d.circle(a.x, a.y, 12);
  // A pig and two hens.
  d.ellipse(220, 710, 90, 55);
  for (double x : {160.0, 190.0, 250.0, 280.0}) d.rect(x - 9, 750, x + 9, 785);
  d.ellipse(220, 710, 90, 55);
  d.circle(320, 680, 45);
  d.shape({{300, 640}, {310, 610}, {330, 640}});
  d.ellipse(350, 690, 20, 14);
  d.dot(345, 690, 3);
  d.dot(356, 690, 3);
  d.dot(312, 668, 4);
  d.curve({{130, 700}, {112, 690}, {118, 676}, {130, 684}});
  for (double x : {500.0, 620.0}) {
    d.shape({{x + 30, 700}, {x + 55, 690}, {x + 40, 712}});
    d.blob({{x - 50, 700}, {x - 20, 660}, {x + 20, 670}, {x + 30, 720}, {x, 750}, {x - 40, 740}});
    d.circle(x + 25, 680, 20);
    d.shape({{x + 44, 676}, {x + 60, 682}, {x + 44, 688}});
    d.shape({{x + 18, 662}, {x + 24, 648}, {x + 32, 662}});
    d.dot(x + 30, 676, 3);
    d.ellipse(x - 10, 705, 24, 15);
    d.line({x - 10, 750}, {x - 14, 775});
    d.line({x + 8, 748}, {x + 10, 775});
  }
  return d;
}

Drawing drawChristmas() {
  Drawing d(800, 800);
  // The wall with a window on a snowy night.
  d.line({0, 640}, {800, 640});
  const Path win = box(480, 60, 760, 300);
  d.shape(box(470, 50, 770, 310));
  d.shape(win);
  d.strokesInside({{{620, 60}, {620, 300}}, {{480, 180}, {760, 180}}}, win);
  for (P s : {P{530, 110}, P{680, 100}, P{560, 240}, P{720, 250}, P{650, 150}})
    d.shape(starPath(s.x, s.y, 14, 6, 6));
  // Fireplace of bricks with stockings.
  const Path fire = box(470, 380, 780, 640);
  d.shape(fire);
  bricks(d, fire, 470, 380, 780, 640, 40, 22);
  d.rect(450, 350, 800, 384);
  d.shape(roundRectPath(540, 470, 710, 640, 40));
  d.shape(smooth({{570, 640}, {590, 570}, {620, 600}, {625, 530}, {660, 590}, {680, 560}, {690, 640}}, true));
  d.rect(550, 620, 700, 640);
  for (double x : {500.0, 720.0}) {
    d.shape({{x, 384}, {x + 36, 384}, {x + 36, 440}, {x + 50, 460}, {x + 30, 476}, {x, 450}});
    d.rect(x - 4, 384, x + 40, 404);
  }
  // The tree in three layers, with garlands and baubles.
  d.rect(195, 560, 255, 640);
  for (int layer = 2; layer >= 0; --layer) {
    const double top = 120 + layer * 120, half = 110 + layer * 50, bottom = top + 180;
    const Path part = {{225, top}, {225 + half, bottom}, {225 - half, bottom}};
    d.shape(part);
    d.strokeInside(smooth({{225 - half, top + 60}, {225, top + 130}, {225 + half, top + 60}}, false), part);
    for (int i = -1; i <= 1; ++i) d.circle(225 + i * half * 0.45, bottom - 22, 14);
  }
  d.shape(starPath(225, 110, 50, 22, 5));
  // Presents under the tree.
  auto present = [&](double l, double t, double r, double b) {
    d.rect(l, t, r, b);
    d.line({(l + r) / 2, t}, {(l + r) / 2, b});
    d.line({l, (t + b) / 2}, {r, (t + b) / 2});
    d.ellipse((l + r) / 2 - 16, t - 12, 16, 10, 20);
    d.ellipse((l + r) / 2 + 16, t - 12, 16, 10, -20);
  };
  present(40, 560, 150, 640);
  present(290, 540, 410, 640);
  present(150, 584, 214, 640);
  d.shape(roundRectPath(20, 700, 780, 780, 30));  // the rug
  for (int i = 0; i < 9; ++i) d.shape(starPath(70 + i * 83, 740, 20, 9, 5));
  return d;
}

Drawing drawMosaic() {
  Drawing d(800, 800, 2);
  d.rect(20, 20, 780, 780);
  // Six by six tiles, each a square turned on its corner round a star or a
  // flower; the tiles alternate so the whole reads as one pattern.
  const double step = 760.0 / 6;
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 6; ++c) {
      const double l = 20 + c * step, t = 20 + r * step, cx = l + step / 2, cy = t + step / 2;
      d.rect(l, t, l + step, t + step);
      if ((r + c) % 2 == 0) {
        d.shape({{cx, t}, {l + step, cy}, {cx, t + step}, {l, cy}});
        d.shape(starPath(cx, cy, 44, 20, 8, -90));
      } else {
        d.circle(cx, cy, 50);
        for (int i = 0; i < 4; ++i) {
          const double a = rad(i * 90 + 45);
          d.ellipse(cx + std::cos(a) * 22, cy + std::sin(a) * 22, 20, 10, i * 90 + 45);
        }
      }
    }
  return d;
}

Drawing drawFireStation() {
  Drawing d(800, 800);
  cloud(d, 420, 70, 0.7);
  // The station, in bricks, with its big door and its tower.
  const Path tower = box(590, 90, 720, 560);
  d.shape({{580, 90}, {655, 30}, {730, 90}});
  d.shape(tower);
  bricks(d, tower, 590, 90, 720, 560, 32, 20);
  d.circle(655, 150, 32);
  d.line({655, 150}, {655, 128});
  d.line({655, 150}, {672, 150});
  const Path hall = box(30, 200, 600, 560);
  d.shape({{10, 210}, {40, 150}, {590, 150}, {620, 210}});
  d.shape(hall);
  bricks(d, hall, 30, 200, 600, 560, 40, 24);
  d.rect(180, 160, 450, 196);
  const Path door = box(60, 300, 560, 560);
  d.shape(door);
  std::vector<Path> panels;
  for (double y = 340; y < 560; y += 40) panels.push_back({{60, y}, {560, y}});
  for (double x = 160; x < 560; x += 100) panels.push_back({{x, 300}, {x, 560}});
  d.strokesInside(panels, door);
  d.line({-10, 560}, {810, 560});
  // The fire engine with its ladder, parked on the yard in front.
  d.shape({{40, 730}, {40, 630}, {420, 630}, {420, 730}});
  d.shape({{420, 730}, {420, 600}, {540, 600}, {590, 665}, {590, 730}});
  d.shape({{440, 618}, {530, 618}, {565, 665}, {440, 665}});
  d.rect(60, 650, 200, 710);
  d.rect(220, 650, 400, 710);
  const Path ladder = box(30, 596, 470, 624);
  d.shape(ladder);
  std::vector<Path> rungs;
  for (double x = 60; x < 470; x += 30) rungs.push_back({{x, 596}, {x, 624}});
  d.strokesInside(rungs, ladder);
  d.circle(560, 588, 12);
  for (double x : {130.0, 490.0}) {
    d.circle(x, 735, 40);
    d.circle(x, 735, 18);
  }
  d.circle(300, 680, 20);
  d.circle(300, 680, 9);
  // Two firefighters ready to go.
  person(d, 640, 780, 190, true);
  person(d, 740, 780, 150, true);
  return d;
}

}  // namespace pz::lineart
