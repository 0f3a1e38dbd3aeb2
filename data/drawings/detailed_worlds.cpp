// Detailed drawings of wild places for older children: a coral reef, a
// jungle, a dragon covered in scales, a map of the world and planets with
// an astronaut.
#include <cmath>

#include "data/drawings/drawings.h"

namespace pz::lineart {

namespace {

constexpr double kPi = 3.14159265358979323846;
double rad(double deg) { return deg * kPi / 180; }

void eye(Drawing& d, double x, double y, double r) {
  d.circle(x, y, r);
  d.dot(x + r * 0.2, y, r * 0.5);
}

// A striped fish facing left (dir -1) or right (dir 1).
void stripedFish(Drawing& d, double cx, double cy, double len, int dir) {
  const double h = len * 0.32;
  d.shape({{cx - dir * len * 0.4, cy}, {cx - dir * len * 0.75, cy - h}, {cx - dir * len * 0.75, cy + h}});
  const Path body = ellipsePath(cx, cy, len / 2, h);
  d.shape(body);
  std::vector<Path> stripes;
  for (double f : {-0.15, 0.1})
    stripes.push_back(smooth({{cx + f * len, cy - h}, {cx + f * len + dir * 8, cy}, {cx + f * len, cy + h}}, false));
  d.strokesInside(stripes, body);
  eye(d, cx + dir * len * 0.3, cy - h * 0.2, std::max(5.0, len * 0.06));
}

void leaf(Drawing& d, P base, P tip, double wide) {
  const double dx = tip.x - base.x, dy = tip.y - base.y, len = std::hypot(dx, dy);
  const double nx = -dy / len * wide, ny = dx / len * wide;
  const P mid{(base.x + tip.x) / 2, (base.y + tip.y) / 2};
  const Path shape = smooth({base, {mid.x + nx, mid.y + ny}, tip, {mid.x - nx, mid.y - ny}}, true);
  d.shape(shape);
  d.strokeInside({base, tip}, shape);
}

}  // namespace

Drawing drawCoralReef() {
  Drawing d(800, 800);
  // Sand along the bottom with shells and a starfish.
  const Path sand = smooth({{-20, 640}, {200, 620}, {420, 650}, {620, 615}, {820, 640}, {820, 820}, {-20, 820}}, true);
  d.shape(sand, false);
  // Corals: branching fans, a brain coral and tubes.
  for (P c : {P{110, 640}, P{640, 630}}) {
    d.rect(c.x - 12, c.y - 140, c.x + 12, c.y + 10);
    for (int i = -2; i <= 2; ++i) {
      const P end{c.x + i * 45, c.y - 150 - (2 - std::abs(i)) * 40};
      d.shape({{c.x - 8, c.y - 60}, {end.x - 12, end.y}, {end.x + 12, end.y}, {c.x + 8, c.y - 60}});
      d.circle(end.x, end.y, 16);
    }
  }
  const Path brain = ellipsePath(380, 640, 110, 70, 0, 180, 360);
  d.shape(brain);
  std::vector<Path> folds;
  for (int i = 1; i < 5; ++i)
    folds.push_back(smooth({{270, 640.0 - i * 14}, {320, 610.0 - i * 14}, {380, 640.0 - i * 14}, {440, 610.0 - i * 14},
                            {490, 640.0 - i * 14}},
                           false));
  d.strokesInside(folds, brain);
  for (int i = 0; i < 4; ++i) d.shape(roundRectPath(520 + i * 26, 560 - i * 22, 542 + i * 26, 650, 10));
  for (P s : {P{220, 720}, P{560, 730}}) {
    const Path shell = ellipsePath(s.x, s.y, 40, 30, 0, 180, 360);
    d.shape(shell);
    std::vector<Path> ribs;
    for (int i = -2; i <= 2; ++i) ribs.push_back({{s.x, s.y}, {s.x + i * 18, s.y - 32}});
    d.strokesInside(ribs, shell);
  }
  d.shape(starPath(720, 730, 50, 22, 5));
  d.shape(starPath(720, 730, 20, 10, 5));
  for (P p : {P{60, 760}, P{330, 770}, P{460, 750}}) d.ellipse(p.x, p.y, 14, 8);
  // Seaweed swaying up at both sides.
  d.blob({{250, 640}, {230, 560}, {270, 480}, {240, 400}, {280, 440}, {290, 520}, {265, 580}, {275, 640}});
  d.blob({{770, 640}, {750, 540}, {785, 460}, {795, 520}, {785, 640}});
  // Fish of every size, a turtle and bubbles.
  stripedFish(d, 170, 180, 150, 1);
  stripedFish(d, 560, 120, 110, -1);
  stripedFish(d, 420, 300, 130, -1);
  stripedFish(d, 640, 380, 90, 1);
  stripedFish(d, 120, 400, 100, -1);
  {
    const double x = 400, y = 460;
    for (P f : {P{-80, -30}, P{80, -30}, P{-70, 40}, P{70, 40}}) d.ellipse(x + f.x, y + f.y, 38, 16, f.x * f.y > 0 ? 30 : -30);
    d.ellipse(x + 110, y, 34, 26);
    eye(d, x + 120, y - 8, 6);
    const Path shell = ellipsePath(x, y, 95, 60);
    d.shape(shell);
    std::vector<Path> plates = {{{x - 95, y}, {x + 95, y}}, {{x - 35, y - 60}, {x - 35, y + 60}}, {{x + 35, y - 60}, {x + 35, y + 60}}};
    d.strokesInside(plates, shell);
  }
  for (P b : {P{300, 90}, P{330, 40}, P{700, 230}, P{730, 170}, P{60, 290}, P{250, 400}, P{520, 240}, P{770, 300}})
    d.circle(b.x, b.y, 12);
  return d;
}

Drawing drawJungle() {
  Drawing d(800, 800);
  d.shape(smooth({{-20, 700}, {300, 680}, {820, 700}, {820, 820}, {-20, 820}}, true), false);
  // Trunks, then a roof of leaves.
  d.shape({{130, 700}, {150, 100}, {200, 100}, {210, 700}});
  d.shape({{600, 700}, {625, 120}, {675, 120}, {690, 700}});
  for (int i = 0; i < 9; ++i) {
    const double a = rad(200 + i * 18);
    leaf(d, {175, 110}, {175 + std::cos(a) * 150, 110 + std::sin(a) * 100 + 40}, 26);
    leaf(d, {650, 130}, {650 + std::cos(a) * 140, 130 + std::sin(a) * 100 + 40}, 26);
  }
  // Ferns rising from the ground behind the animals.
  for (P f : {P{95, 700}, P{280, 700}, P{470, 700}, P{705, 700}})
    for (int i = 0; i < 4; ++i) {
      const double a = rad(215 + i * 37);
      leaf(d, f, {f.x + std::cos(a) * 80, f.y + std::sin(a) * 130}, 18);
    }
  // A hanging vine with leaves, and the snake curled round it.
  d.curve({{300, 0}, {320, 160}, {290, 320}, {330, 480}});
  for (int i = 0; i < 6; ++i) {
    const double y = 60 + i * 70, x = 310 + (i % 2 ? 10 : -5);
    leaf(d, {x, y}, {x + (i % 2 ? 60 : -60), y + 30}, 16);
  }
  {
    Path spine;
    for (int i = 0; i <= 60; ++i) {
      const double t = i / 60.0;
      spine.push_back({420 + t * 180, 520 + std::sin(t * kPi * 3) * 40});
    }
    Path body;
    for (std::size_t i = 0; i < spine.size(); ++i) body.push_back({spine[i].x, spine[i].y - 18 * (1 - i / 70.0)});
    for (std::size_t i = spine.size(); i-- > 0;) body.push_back({spine[i].x, spine[i].y + 18 * (1 - i / 70.0)});
    d.shape(body);
    std::vector<Path> bands;
    for (int i = 1; i < 12; ++i) bands.push_back({{spine[std::size_t(i * 5)].x, spine[std::size_t(i * 5)].y - 30},
                                                  {spine[std::size_t(i * 5)].x, spine[std::size_t(i * 5)].y + 30}});
    d.strokesInside(bands, body);
    d.ellipse(410, 520, 34, 24);
    d.dot(398, 512, 4);
    d.stroke({{376, 525}, {356, 528}, {346, 520}});
    d.stroke({{356, 528}, {346, 536}});
  }
  // A parrot on a branch.
  d.shape({{440, 300}, {600, 290}, {600, 306}, {440, 316}});
  d.shape(smooth({{498, 292}, {470, 360}, {472, 440}, {500, 372}, {522, 296}}, true));
  d.shape(smooth({{512, 296}, {520, 370}, {545, 430}, {540, 360}, {534, 294}}, true));
  d.blob({{500, 180}, {545, 200}, {555, 260}, {530, 300}, {495, 300}, {480, 250}});
  d.blob({{520, 210}, {545, 230}, {540, 280}, {515, 285}});
  d.circle(505, 165, 32);
  d.shape(smooth({{478, 160}, {455, 170}, {458, 195}, {480, 182}}, true));
  eye(d, 510, 158, 8);
  // A monkey's face peeping out, and flowers in the grass.
  d.circle(230, 460, 26);
  d.circle(350, 460, 26);
  d.circle(290, 470, 70);
  d.ellipse(290, 500, 45, 32);
  eye(d, 265, 450, 12);
  eye(d, 315, 450, 12);
  d.arc(290, 500, 20, 12, 20, 160);
  for (P f : {P{200, 730}, P{380, 745}, P{520, 725}, P{760, 750}, P{40, 760}}) {
    for (int i = 0; i < 6; ++i) d.ellipse(f.x + std::cos(rad(i * 60)) * 18, f.y + std::sin(rad(i * 60)) * 18, 14, 8, i * 60);
    d.circle(f.x, f.y, 10);
  }
  // A butterfly.
  d.ellipse(430, 640, 28, 20, -30);
  d.ellipse(486, 640, 28, 20, 30);
  d.ellipse(458, 646, 6, 24);
  return d;
}

Drawing drawScalyDragon() {
  Drawing d(800, 800);
  d.line({0, 740}, {800, 740});
  // Wing behind.
  d.shape({{360, 330}, {420, 80}, {520, 150}, {600, 90}, {650, 200}, {740, 190}, {620, 380}});
  d.strokesInside({{{360, 330}, {520, 150}}, {{360, 330}, {650, 200}}},
                  {{360, 330}, {420, 80}, {520, 150}, {600, 90}, {650, 200}, {740, 190}, {620, 380}});
  // Tail with spikes, legs, body covered with scales.
  const Path tail = smooth({{520, 560}, {650, 620}, {760, 600}, {780, 640}, {650, 690}, {500, 650}}, true);
  for (int i = 0; i < 4; ++i) {
    const double x = 570 + i * 55, y = 600 + (i == 3 ? 0 : 8) - i * 3;
    d.shape({{x - 16, y + 30}, {x, y - 22}, {x + 16, y + 30}});
  }
  d.shape(tail);
  d.blob({{250, 600}, {330, 600}, {340, 742}, {240, 742}});
  d.blob({{470, 600}, {550, 600}, {560, 742}, {460, 742}});
  const Path body = smooth({{260, 380}, {420, 340}, {560, 430}, {580, 580}, {480, 680}, {300, 680}, {210, 580}, {210, 440}}, true);
  d.shape(body);
  std::vector<Path> scales;
  const double r = 22;
  for (int row = 0; row < 16; ++row)
    for (int i = -1; i < 20; ++i) {
      const double cx = 200 + i * 2 * r + (row % 2 ? r : 0), cy = 330 + row * r;
      scales.push_back(ellipsePath(cx, cy, r, r, 0, 0, 180));
    }
  d.strokesInside(scales, body);
  // Belly plates over the scales.
  const Path belly = smooth({{330, 440}, {410, 430}, {450, 560}, {420, 660}, {340, 665}, {300, 560}}, true);
  d.shape(belly);
  std::vector<Path> plates;
  for (int i = 1; i < 8; ++i) plates.push_back({{280, 430.0 + i * 30}, {470, 430.0 + i * 30}});
  d.strokesInside(plates, belly);
  for (double x : {255.0, 285.0, 315.0, 475.0, 505.0, 535.0}) d.shape({{x - 9, 742}, {x, 722}, {x + 9, 742}});
  // Neck spikes, head, horns and a puff of smoke.
  for (int i = 0; i < 5; ++i) {
    const double x = 250 + i * 40, y = 370 - std::sin(i / 4.0 * kPi) * 20;
    d.shape({{x - 16, y + 12}, {x, y - 24}, {x + 16, y + 12}});
  }
  d.blob({{140, 250}, {230, 210}, {320, 240}, {340, 320}, {290, 390}, {200, 400}, {120, 360}, {90, 300}});
  d.shape({{200, 220}, {190, 140}, {240, 215}});
  d.shape({{260, 225}, {285, 150}, {300, 240}});
  eye(d, 245, 290, 22);
  d.dot(112, 320, 5);
  d.dot(135, 330, 5);
  d.curve({{110, 360}, {180, 375}, {260, 355}});
  for (P c : {P{70, 280}, P{40, 230}, P{70, 180}}) d.circle(c.x, c.y, 18);
  return d;
}

Drawing drawWorldMap() {
  Drawing d(800, 800);
  auto at = [](double lon, double lat) { return P{400 + lon * 2, 400 - lat * 2}; };
  auto land = [&](std::initializer_list<std::pair<double, double>> pts) {
    Path p;
    for (auto [lon, lat] : pts) p.push_back(at(lon, lat));
    d.shape(p);
  };
  // The ocean with its lines of longitude and latitude, then the lands on top.
  const Path ocean = {at(-180, 90), at(180, 90), at(180, -90), at(-180, -90)};
  d.shape(ocean);
  std::vector<Path> grid;
  for (int lon = -150; lon < 180; lon += 30) grid.push_back({at(lon, 90), at(lon, -90)});
  for (int lat = -60; lat < 90; lat += 30) grid.push_back({at(-180, lat), at(180, lat)});
  d.strokesInside(grid, ocean);
  // North America, Greenland, South America.
  land({{-168, 66}, {-156, 71}, {-125, 70}, {-95, 72}, {-80, 64}, {-62, 58}, {-55, 50}, {-66, 44}, {-75, 36},
        {-81, 26}, {-84, 30}, {-90, 30}, {-97, 27}, {-97, 21}, {-90, 21}, {-87, 15}, {-83, 10}, {-78, 8},
        {-86, 12}, {-92, 15}, {-105, 20}, {-110, 24}, {-115, 31}, {-118, 34}, {-124, 40}, {-124, 48},
        {-133, 56}, {-146, 60}, {-158, 57}, {-165, 62}});
  land({{-45, 60}, {-20, 70}, {-20, 80}, {-60, 82}, {-72, 77}, {-55, 68}});
  land({{-78, 8}, {-72, 12}, {-60, 10}, {-50, 0}, {-35, -6}, {-39, -15}, {-48, -26}, {-58, -38}, {-65, -45},
        {-68, -55}, {-74, -50}, {-73, -40}, {-71, -30}, {-70, -18}, {-77, -12}, {-81, -5}, {-80, 1}});
  // Europe and Asia, Africa, Australia, Antarctica and islands.
  land({{-10, 36}, {-9, 43}, {-2, 44}, {-5, 48}, {2, 51}, {8, 54}, {8, 57}, {5, 62}, {15, 69}, {25, 71},
        {40, 67}, {60, 70}, {80, 73}, {100, 77}, {130, 72}, {160, 70}, {178, 67}, {170, 60}, {160, 55},
        {140, 52}, {135, 43}, {128, 35}, {122, 30}, {120, 23}, {108, 21}, {106, 10}, {100, 13}, {104, 1},
        {98, 8}, {95, 16}, {90, 22}, {80, 15}, {77, 8}, {73, 18}, {67, 25}, {57, 25}, {60, 22}, {52, 16},
        {44, 12}, {39, 20}, {34, 28}, {35, 33}, {30, 36}, {26, 40}, {23, 36}, {19, 40}, {15, 38}, {12, 44},
        {7, 44}, {3, 42}, {-1, 37}, {-6, 36}});
  land({{-17, 21}, {-10, 30}, {-6, 35}, {10, 37}, {20, 32}, {32, 31}, {35, 28}, {43, 12}, {51, 12}, {42, 0},
        {40, -10}, {35, -20}, {32, -29}, {20, -35}, {17, -29}, {12, -17}, {13, -5}, {9, 4}, {-8, 4}, {-17, 14}});
  land({{114, -22}, {122, -18}, {131, -12}, {137, -12}, {142, -11}, {146, -19}, {153, -27}, {150, -37},
        {140, -38}, {131, -31}, {116, -35}, {114, -27}});
  land({{-178, -72}, {-120, -74}, {-60, -64}, {-20, -72}, {40, -68}, {100, -66}, {160, -70}, {178, -74},
        {178, -86}, {-178, -86}});
  land({{-5, 50}, {1, 51}, {-2, 56}, {-5, 58}, {-6, 55}});
  land({{44, -25}, {47, -25}, {50, -15}, {48, -12}, {44, -17}});
  land({{130, 31}, {136, 34}, {141, 38}, {142, 43}, {139, 40}, {134, 35}});
  land({{172, -35}, {178, -38}, {168, -46}, {166, -44}});
  land({{-24, 64}, {-14, 64}, {-14, 66}, {-22, 66}});
  land({{95, 5}, {105, -6}, {101, -3}});
  land({{109, -7}, {115, -8}, {114, -6}});
  land({{131, -1}, {150, -6}, {141, -9}});
  land({{110, 1}, {118, 7}, {119, 1}, {116, -3}});
  // A compass rose, a sailing ship and a whale on the sea below the map.
  for (int i = 0; i < 8; ++i) {
    const double a = rad(i * 45 - 90), len = i % 2 ? 50 : 90;
    d.shape({{150, 690}, {150 + std::cos(a - 0.3) * 22, 690 + std::sin(a - 0.3) * 22},
             {150 + std::cos(a) * len, 690 + std::sin(a) * len}});
    d.shape({{150, 690}, {150 + std::cos(a + 0.3) * 22, 690 + std::sin(a + 0.3) * 22},
             {150 + std::cos(a) * len, 690 + std::sin(a) * len}});
  }
  d.circle(150, 690, 16);
  d.shape({{330, 700}, {470, 700}, {450, 740}, {350, 740}});
  d.rect(396, 600, 404, 700);
  d.shape({{410, 610}, {460, 690}, {410, 690}});
  d.shape({{390, 620}, {340, 690}, {390, 690}});
  d.shape({{560, 700}, {500, 665}, {515, 700}, {500, 735}});
  d.blob({{540, 700}, {600, 660}, {690, 670}, {730, 700}, {690, 740}, {580, 745}});
  eye(d, 690, 690, 7);
  d.curve({{620, 655}, {615, 630}, {600, 620}});
  d.curve({{620, 655}, {628, 628}, {645, 618}});
  // A banner for the title the child may write.
  d.shape({{200, 120}, {600, 120}, {620, 150}, {600, 180}, {200, 180}, {180, 150}});
  return d;
}

Drawing drawSpace() {
  Drawing d(800, 800);
  // A ringed planet with bands.
  const Path planet = ellipsePath(600, 180, 110, 110);
  d.shape(ellipsePath(600, 180, 190, 40, -12));
  d.shape(ellipsePath(600, 180, 150, 26, -12));
  d.shape(planet);
  std::vector<Path> bands;
  for (int i = -2; i <= 2; ++i) bands.push_back(smooth({{480, 180.0 + i * 36}, {600, 200.0 + i * 36}, {720, 170.0 + i * 36}}, false));
  d.strokesInside(bands, planet);
  d.stroke(ellipsePath(600, 180, 190, 40, -12, 0, 180));
  d.stroke(ellipsePath(600, 180, 150, 26, -12, 0, 180));
  // The moon with craters.
  d.circle(130, 660, 120);
  for (P c : {P{90, 610}, P{170, 640}, P{120, 720}, P{60, 680}, P{190, 700}, P{140, 580}}) d.circle(c.x, c.y, 18);
  // A satellite with solar panels.
  for (double x : {150.0, 330.0}) {
    const Path panel = {{x - 70, 140}, {x + 50, 140}, {x + 50, 200}, {x - 70, 200}};
    d.shape(panel);
    std::vector<Path> cells;
    for (double cx = x - 50; cx < x + 50; cx += 20) cells.push_back({{cx, 140}, {cx, 200}});
    cells.push_back({{x - 70, 160}, {x + 50, 160}});
    cells.push_back({{x - 70, 180}, {x + 50, 180}});
    d.strokesInside(cells, panel);
  }
  d.rect(200, 135, 260, 205);
  d.circle(230, 115, 14);
  // The astronaut floating beside a rocket.
  d.shape(roundRectPath(330, 380, 400, 560, 20));  // backpack
  d.shape(roundRectPath(390, 500, 440, 650, 22));  // legs
  d.shape(roundRectPath(450, 500, 500, 650, 22));
  d.shape(roundRectPath(380, 630, 445, 665, 14));
  d.shape(roundRectPath(445, 630, 510, 665, 14));
  d.shape(roundRectPath(320, 420, 370, 520, 22));  // arms
  d.shape(roundRectPath(510, 420, 560, 520, 22));
  d.circle(345, 530, 20);
  d.circle(535, 530, 20);
  d.shape(roundRectPath(370, 390, 520, 560, 40));
  d.rect(405, 430, 485, 490);
  for (double x : {420.0, 445.0, 470.0}) d.circle(x, 460, 9);
  d.circle(445, 330, 85);
  d.ellipse(445, 330, 60, 48);
  d.arc(445, 330, 40, 30, 200, 250);
  // The rocket and stars all round.
  d.shape({{690, 560}, {660, 640}, {690, 630}});
  d.shape({{750, 560}, {780, 640}, {750, 630}});
  d.shape(smooth({{720, 380}, {760, 460}, {760, 620}, {680, 620}, {680, 460}}, true));
  d.circle(720, 480, 24);
  d.shape(smooth({{690, 620}, {750, 620}, {740, 680}, {720, 740}, {700, 680}}, true));
  for (P s : {P{40, 60}, P{420, 70}, P{760, 40}, P{60, 380}, P{250, 300}, P{560, 360}, P{300, 740}, P{420, 765},
              P{770, 320}, P{240, 480}, P{40, 250}, P{620, 470}, P{120, 300}, P{380, 700}, P{690, 775},
              P{300, 40}, P{470, 740}})
    d.shape(starPath(s.x, s.y, 20, 8, 5));
  // A comet with a striped tail.
  const Path comet = {{180, 400}, {330, 250}, {345, 268}, {205, 425}};
  d.shape(comet);
  std::vector<Path> tailBands;
  for (int i = 1; i < 6; ++i) tailBands.push_back({{180.0 + i * 28, 440.0 - i * 30}, {240.0 + i * 28, 380.0 - i * 30}});
  d.strokesInside(tailBands, comet);
  d.circle(340, 258, 20);
  // A second planet with spots.
  d.circle(590, 715, 60);
  for (P c : {P{565, 690}, P{615, 695}, P{590, 745}, P{555, 730}, P{625, 735}}) d.circle(c.x, c.y, 11);
  return d;
}

}  // namespace pz::lineart
