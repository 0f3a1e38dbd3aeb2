// Drawings of things and places: house, castle, car, rocket, flowers,
// mandala, birthday cake, robot and a scene by the sea.
#include <cmath>

#include "data/drawings/drawings.h"

namespace pz::lineart {

namespace {

constexpr double kPi = 3.14159265358979323846;

void cloud(Drawing& d, double cx, double cy, double s) {
  d.blob({{cx - 80 * s, cy + 20 * s}, {cx - 70 * s, cy - 15 * s}, {cx - 30 * s, cy - 25 * s},
          {cx, cy - 45 * s}, {cx + 40 * s, cy - 30 * s}, {cx + 80 * s, cy - 5 * s}, {cx + 75 * s, cy + 25 * s},
          {cx, cy + 32 * s}});
}

void sun(Drawing& d, double cx, double cy, double r) {
  d.circle(cx, cy, r);
  for (int i = 0; i < 12; ++i) {
    const double a = i * 30 * kPi / 180;
    d.line({cx + std::cos(a) * (r + 12), cy + std::sin(a) * (r + 12)},
           {cx + std::cos(a) * (r + 34), cy + std::sin(a) * (r + 34)});
  }
}

void flower(Drawing& d, double cx, double cy, double r, int petals, double turn = 0) {
  for (int i = 0; i < petals; ++i) {
    const double a = 360.0 * i / petals + turn;
    const double rad = a * kPi / 180;
    d.ellipse(cx + std::cos(rad) * r, cy + std::sin(rad) * r, r * 0.95, r * 0.5, a);
  }
  d.circle(cx, cy, r * 0.65);
}

void leaf(Drawing& d, P base, P tip, double wide) {
  const double dx = tip.x - base.x, dy = tip.y - base.y, len = std::hypot(dx, dy);
  const double nx = -dy / len * wide, ny = dx / len * wide;
  const P mid{(base.x + tip.x) / 2, (base.y + tip.y) / 2};
  d.shape(smooth({base, {mid.x + nx, mid.y + ny}, tip, {mid.x - nx, mid.y - ny}}, true));
  d.line(base, {base.x + dx * 0.85, base.y + dy * 0.85});
}

void wheel(Drawing& d, double cx, double cy, double r) {
  d.circle(cx, cy, r);
  d.circle(cx, cy, r * 0.55);
  d.circle(cx, cy, r * 0.18);
  for (int i = 0; i < 5; ++i) {
    const double a = (i * 72 - 90) * kPi / 180;
    d.line({cx + std::cos(a) * r * 0.22, cy + std::sin(a) * r * 0.22}, {cx + std::cos(a) * r * 0.52, cy + std::sin(a) * r * 0.52});
  }
}

}  // namespace

Drawing drawHouse() {
  Drawing d(800, 800);
  sun(d, 660, 120, 50);
  cloud(d, 170, 110, 1.0);
  cloud(d, 420, 70, 0.6);
  // Ground with a winding path.
  d.shape(smooth({{0, 600}, {200, 590}, {400, 610}, {600, 590}, {800, 600}, {800, 800}, {0, 800}}, true), false);
  d.shape({{345, 800}, {370, 700}, {430, 700}, {470, 800}}, false);
  // Tree.
  d.shape({{630, 600}, {640, 420}, {680, 420}, {690, 600}});
  d.blob({{560, 400}, {580, 320}, {660, 270}, {740, 310}, {760, 400}, {720, 460}, {600, 460}});
  for (P a : {P{620, 360}, P{700, 340}, P{660, 410}, P{720, 420}}) d.circle(a.x, a.y, 11);
  // Chimney, roof and walls.
  d.rect(470, 200, 520, 320);
  d.circle(505, 170, 18);
  d.circle(530, 130, 24);
  d.rect(160, 390, 560, 700);
  d.shape({{130, 400}, {360, 220}, {590, 400}});
  d.circle(360, 330, 34);
  d.line({326, 330}, {394, 330});
  d.line({360, 296}, {360, 364});
  // Door with its step and knob.
  d.shape(roundRectPath(315, 520, 405, 700, 40));
  d.circle(390, 615, 8);
  d.rect(300, 700, 420, 720);
  // Windows.
  for (double x : {200.0, 450.0}) {
    d.rect(x, 440, x + 80, 520);
    d.line({x + 40, 440}, {x + 40, 520});
    d.line({x, 480}, {x + 80, 480});
    d.rect(x - 8, 520, x + 88, 534);
  }
  // Fence.
  for (int i = 0; i < 5; ++i) {
    const double x = 20 + i * 26;
    d.shape({{x, 700}, {x, 630}, {x + 9, 615}, {x + 18, 630}, {x + 18, 700}});
  }
  d.rect(10, 650, 140, 662);
  // Flowers along the wall.
  for (double x : {195.0, 245.0, 500.0, 540.0}) {
    d.line({x, 700}, {x, 660});
    d.circle(x, 650, 12);
  }
  return d;
}

Drawing drawCastle() {
  Drawing d(600, 800);
  d.shape(smooth({{0, 690}, {150, 660}, {300, 680}, {450, 650}, {600, 680}, {600, 800}, {0, 800}}, true), false);
  cloud(d, 120, 110, 0.7);
  cloud(d, 520, 100, 0.55);
  auto tower = [&](double l, double r, double top, double bottom, bool pointed) {
    const double w = r - l;
    if (pointed) {
      d.shape({{l - 14, top}, {(l + r) / 2, top - w * 1.1}, {r + 14, top}});
      d.line({(l + r) / 2, top - w * 1.1}, {(l + r) / 2, top - w * 1.1 - 50});
      d.shape({{(l + r) / 2, top - w * 1.1 - 50}, {(l + r) / 2 + 40, top - w * 1.1 - 38}, {(l + r) / 2, top - w * 1.1 - 26}});
    }
    d.rect(l, top, r, bottom);
    if (!pointed) {
      const int n = 4;
      for (int i = 0; i < n; ++i) {
        const double x0 = l + w * i / n + 3, x1 = l + w * (i + 0.55) / n;
        d.rect(x0, top - 24, x1, top);
      }
    }
    d.shape(roundRectPath((l + r) / 2 - 14, top + 40, (l + r) / 2 + 14, top + 95, 13));
  };
  // Back towers, the wall, the front towers.
  tower(215, 385, 240, 560, true);
  d.rect(90, 420, 510, 700);
  for (int i = 0; i < 8; ++i) {
    const double x0 = 96 + i * 52.5, x1 = x0 + 30;
    d.rect(x0, 396, x1, 420);
  }
  tower(40, 150, 330, 700, true);
  tower(450, 560, 330, 700, true);
  // Gate with its portcullis.
  d.shape(roundRectPath(240, 540, 360, 720, 58));
  for (double x : {270.0, 300.0, 330.0}) d.line({x, 548}, {x, 718});
  for (double y : {600.0, 650.0}) d.line({243, y}, {357, y});
  // Stones.
  for (P s : {P{130, 480}, P{190, 520}, P{410, 470}, P{460, 620}, P{170, 640}}) d.rect(s.x, s.y, s.x + 34, s.y + 18);
  // A path down the hill and a few stars of the evening.
  d.shape({{250, 720}, {350, 720}, {390, 800}, {210, 800}}, false);
  for (P s : {P{40, 200}, P{570, 40}, P{420, 100}}) d.shape(starPath(s.x, s.y, 20, 8, 5));
  return d;
}

Drawing drawCar() {
  Drawing d(800, 800);
  sun(d, 120, 110, 45);
  cloud(d, 420, 120, 0.9);
  cloud(d, 660, 200, 0.6);
  // Hills and the road.
  // The hills' bottom corners stay square: a smooth curve round them would
  // swing out into thin spikes beside the car.
  Path hills = smooth({{0, 430}, {150, 360}, {330, 420}, {520, 350}, {800, 420}}, false);
  hills.push_back({800, 560});
  hills.push_back({0, 560});
  d.shape(hills, false);
  d.line({0, 560}, {800, 560});
  d.line({0, 720}, {800, 720});
  for (int i = 0; i < 6; ++i) d.rect(20 + i * 140, 750, 100 + i * 140, 762);
  // Body and cabin.
  d.shape(smooth({{100, 620}, {110, 530}, {220, 500}, {300, 400}, {520, 400}, {620, 500}, {710, 520},
                  {720, 620}, {680, 660}, {130, 660}},
                 true));
  d.shape({{320, 420}, {400, 420}, {400, 500}, {250, 500}});
  d.shape({{420, 420}, {505, 420}, {585, 500}, {420, 500}});
  d.line({410, 500}, {410, 640});
  d.rect(360, 520, 395, 532);
  d.rect(430, 520, 465, 532);
  d.circle(680, 560, 22);  // headlight
  d.shape(roundRectPath(92, 550, 130, 600, 10));
  // Bumpers.
  d.shape(roundRectPath(650, 620, 740, 650, 14));
  d.shape(roundRectPath(80, 620, 170, 650, 14));
  // Wheels.
  wheel(d, 230, 660, 62);
  wheel(d, 580, 660, 62);
  // Exhaust puffs.
  d.circle(60, 620, 16);
  d.circle(30, 590, 11);
  return d;
}

Drawing drawRocket() {
  Drawing d(600, 800);
  // Planets and stars.
  d.circle(470, 130, 60);
  d.shape(ellipsePath(470, 130, 110, 26, -15, 0, 360));
  d.circle(470, 130, 60);
  d.arc(470, 130, 110, 26, 0, 180, -15);
  d.circle(100, 640, 70);
  for (P c : {P{70, 610}, P{130, 670}, P{120, 600}}) d.circle(c.x, c.y, 12);
  for (P s : {P{90, 110}, P{200, 60}, P{530, 330}, P{60, 380}, P{520, 560}, P{400, 720}, P{140, 230}})
    d.shape(starPath(s.x, s.y, 22, 9, 5));
  for (P s : {P{160, 300}, P{500, 450}, P{320, 760}, P{30, 250}}) d.dot(s.x, s.y, 4);
  // Flames, fins, body, window, nose.
  d.shape(smooth({{260, 600}, {340, 600}, {360, 680}, {300, 780}, {240, 680}}, true));
  d.shape(smooth({{275, 610}, {325, 610}, {330, 660}, {300, 720}, {270, 660}}, true));
  d.shape({{230, 440}, {150, 560}, {160, 620}, {240, 580}});
  d.shape({{370, 440}, {450, 560}, {440, 620}, {360, 580}});
  d.shape({{280, 520}, {320, 520}, {315, 620}, {285, 620}});
  d.shape(smooth({{300, 120}, {360, 220}, {380, 350}, {370, 500}, {350, 600}, {250, 600}, {230, 500},
                  {220, 350}, {240, 220}},
                 true));
  d.shape({{242, 215}, {358, 215}, {345, 195}, {300, 120}, {255, 195}});
  d.circle(300, 320, 46);
  d.circle(300, 320, 32);
  d.line({232, 440}, {368, 440});
  d.rect(250, 580, 350, 605);
  for (double y : {470.0, 500.0, 530.0}) d.dot(300, y, 5);
  return d;
}

Drawing drawFlowers() {
  Drawing d(600, 800);
  // Pot.
  d.shape({{130, 600}, {470, 600}, {430, 780}, {170, 780}});
  d.rect(110, 570, 490, 620);
  d.shape(heartPath(300, 675, 60, 60));
  // Stems and leaves.
  d.shape(smooth({{290, 572}, {280, 400}, {300, 250}, {310, 250}, {292, 400}, {302, 572}}, true));
  d.shape(smooth({{200, 572}, {180, 470}, {140, 360}, {150, 356}, {195, 470}, {212, 572}}, true));
  d.shape(smooth({{395, 572}, {420, 470}, {460, 330}, {470, 334}, {432, 470}, {407, 572}}, true));
  leaf(d, {290, 470}, {200, 420}, 22);
  leaf(d, {300, 420}, {390, 380}, 22);
  leaf(d, {190, 520}, {120, 490}, 16);
  leaf(d, {412, 520}, {490, 500}, 16);
  // Blooms.
  flower(d, 305, 210, 58, 8);
  flower(d, 140, 330, 46, 6, 15);
  flower(d, 470, 310, 46, 5, -10);
  d.circle(305, 210, 18);
  // A bee and a ladybird.
  d.ellipse(480, 110, 22, 14, 0);
  d.ellipse(470, 90, 14, 10, -30);
  d.ellipse(495, 88, 14, 10, 30);
  d.blob({{470, 110}, {500, 95}, {535, 105}, {540, 125}, {510, 135}, {475, 128}});
  d.line({505, 96}, {505, 134});
  d.line({520, 100}, {520, 132});
  d.dot(532, 112, 3);
  d.ellipse(95, 120, 36, 30);
  d.line({95, 90}, {95, 150});
  for (P s : {P{80, 110}, P{110, 110}, P{82, 135}, P{108, 135}}) d.dot(s.x, s.y, 5);
  d.circle(95, 86, 12);
  return d;
}

Drawing drawMandala() {
  Drawing d(800, 800);
  const double c = 400;
  d.circle(c, c, 380);
  // Outer ring of pointed petals.
  for (int i = 0; i < 16; ++i) {
    const double a = i * 22.5;
    d.shape(rotated({{c - 34, c - 230}, {c, c - 370}, {c + 34, c - 230}, {c, c - 215}}, c, c, a));
  }
  d.circle(c, c, 240);
  // Round petals.
  for (int i = 0; i < 12; ++i) {
    const double a = (i * 30) * kPi / 180;
    d.ellipse(c + std::cos(a) * 180, c + std::sin(a) * 180, 52, 34, i * 30);
  }
  for (int i = 0; i < 12; ++i) {
    const double a = (i * 30) * kPi / 180;
    d.circle(c + std::cos(a) * 180, c + std::sin(a) * 180, 14);
  }
  d.circle(c, c, 130);
  d.shape(starPath(c, c, 128, 80, 12, -90));
  d.circle(c, c, 80);
  for (int i = 0; i < 8; ++i) {
    const double a = i * 45;
    d.shape(rotated(smooth({{c, c}, {c + 22, c - 40}, {c, c - 76}, {c - 22, c - 40}}, true), c, c, a));
  }
  d.circle(c, c, 26);
  // Dots between the outer petals.
  for (int i = 0; i < 16; ++i) {
    const double a = (i * 22.5 + 11.25 - 90) * kPi / 180;
    d.circle(c + std::cos(a) * 330, c + std::sin(a) * 330, 14);
  }
  return d;
}

Drawing drawCake() {
  Drawing d(800, 800);
  // Bunting across the top.
  // Bunting high enough that no flag hides a candle's flame.
  d.curve({{20, 30}, {400, 80}, {780, 30}});
  for (int i = 0; i < 7; ++i) {
    const double x = 80 + i * 107, y = 30 + std::sin((i + 0.5) / 7 * kPi) * 42;
    d.shape({{x - 30, y - 6}, {x + 30, y - 6}, {x, y + 52}});
  }
  // Plate.
  d.ellipse(400, 700, 330, 50);
  // Bottom tier with icing drips.
  d.rect(140, 500, 660, 690);
  d.shape(smooth({{140, 500}, {660, 500}, {660, 540}, {610, 560}, {560, 535}, {500, 570}, {440, 535},
                  {380, 565}, {320, 535}, {260, 570}, {200, 540}, {140, 555}},
                 true));
  for (int i = 0; i < 6; ++i) d.circle(190 + i * 84, 625, 18);
  // Top tier.
  d.rect(230, 340, 570, 500);
  d.shape(smooth({{230, 340}, {570, 340}, {570, 380}, {520, 400}, {470, 375}, {400, 405}, {330, 375},
                  {280, 400}, {230, 385}},
                 true));
  for (int i = 0; i < 4; ++i) d.shape(heartPath(280 + i * 80, 428, 36, 40));
  // Candles and flames.
  for (int i = 0; i < 5; ++i) {
    const double x = 270 + i * 65;
    d.rect(x - 12, 220, x + 12, 340);
    d.line({x - 12, 260}, {x + 12, 245});
    d.line({x - 12, 300}, {x + 12, 285});
    d.line({x, 220}, {x, 205});
    d.shape(smooth({{x, 140}, {x + 16, 180}, {x, 205}, {x - 16, 180}}, true));
  }
  // Balloons.
  for (P b : {P{80, 300}, P{720, 280}}) {
    d.ellipse(b.x, b.y, 48, 60);
    d.shape({{b.x - 10, b.y + 68}, {b.x + 10, b.y + 68}, {b.x, b.y + 58}});
    d.curve({{b.x, b.y + 68}, {b.x + 15, b.y + 140}, {b.x - 10, b.y + 210}, {b.x + 5, b.y + 280}});
  }
  return d;
}

Drawing drawRobot() {
  Drawing d(800, 800);
  d.line({0, 740}, {800, 740});
  // Antenna, head, ears.
  d.line({400, 110}, {400, 60});
  d.circle(400, 48, 20);
  d.rect(310, 110, 490, 130);
  d.shape(roundRectPath(270, 120, 530, 300, 30));
  d.shape(roundRectPath(240, 170, 275, 250, 10));
  d.shape(roundRectPath(525, 170, 560, 250, 10));
  d.circle(340, 195, 36);
  d.circle(460, 195, 36);
  d.dot(340, 195, 14);
  d.dot(460, 195, 14);
  d.shape(roundRectPath(330, 245, 470, 280, 14));
  for (int i = 1; i < 5; ++i) d.line({330.0 + i * 28, 245}, {330.0 + i * 28, 280});
  // Neck and body.
  d.rect(370, 300, 430, 330);
  d.line({370, 315}, {430, 315});
  // Arms behind the body.
  d.shape(roundRectPath(130, 350, 220, 560, 30));
  d.shape(roundRectPath(580, 350, 670, 560, 30));
  d.shape(smooth({{140, 560}, {210, 560}, {225, 620}, {190, 600}, {175, 630}, {160, 600}, {125, 620}}, true));
  d.shape(smooth({{590, 560}, {660, 560}, {675, 620}, {640, 600}, {625, 630}, {610, 600}, {575, 620}}, true));
  d.shape(roundRectPath(210, 330, 590, 610, 36));
  // Chest panel.
  d.shape(roundRectPath(270, 370, 530, 560, 20));
  d.shape(heartPath(340, 410, 70, 70));
  d.circle(450, 420, 30);
  d.line({450, 420}, {470, 400});
  for (int i = 0; i < 3; ++i) d.circle(420 + i * 30, 500, 12);
  d.rect(295, 505, 385, 530);
  // Legs and feet.
  d.rect(280, 610, 360, 700);
  d.rect(440, 610, 520, 700);
  for (double y : {640.0, 670.0}) {
    d.line({280, y}, {360, y});
    d.line({440, y}, {520, y});
  }
  d.shape(roundRectPath(250, 695, 380, 742, 20));
  d.shape(roundRectPath(420, 695, 550, 742, 20));
  // Bolts.
  for (P b : {P{230, 350}, P{570, 350}, P{230, 590}, P{570, 590}}) d.circle(b.x, b.y, 8);
  d.shape(starPath(120, 140, 40, 16, 5));
  d.shape(starPath(680, 120, 30, 12, 5));
  return d;
}

Drawing drawSeaScene() {
  Drawing d(1200, 900);
  sun(d, 1040, 110, 58);
  cloud(d, 260, 100, 1.1);
  cloud(d, 640, 70, 0.7);
  // Seagulls.
  for (P g : {P{480, 170}, P{560, 210}, P{820, 150}}) {
    d.arc(g.x - 20, g.y, 20, 12, 180, 360);
    d.arc(g.x + 20, g.y, 20, 12, 180, 360);
  }
  // Island with a palm tree.
  d.shape(smooth({{40, 380}, {120, 300}, {260, 290}, {340, 380}}, true), false);
  d.shape({{185, 320}, {200, 180}, {215, 180}, {205, 320}});
  for (int i = 0; i < 5; ++i)
    d.shape(rotated(smooth({{207, 180}, {270, 150}, {310, 190}, {262, 170}}, true), 207, 180, i * -45 + 10));
  // The sea, from the waves down to the sand.
  Path sea;
  for (int x = 0; x <= 1200; x += 40) sea.push_back({double(x), 380 + ((x / 40) % 2 ? -12.0 : 10.0)});
  sea.push_back({1200, 830});
  sea.push_back({0, 830});
  d.shape(smooth(sea, true), false);
  for (int i = 0; i < 5; ++i) d.arc(150 + i * 220, 470 + (i % 2) * 40, 40, 12, 200, 340);
  // Sailing boat on the waves.
  d.shape({{610, 200}, {610, 350}, {490, 350}});
  d.shape({{630, 170}, {630, 350}, {760, 350}});
  d.line({620, 140}, {620, 360});
  d.shape({{620, 140}, {670, 152}, {620, 164}});
  d.shape(smooth({{460, 360}, {780, 360}, {740, 420}, {500, 420}}, true));
  for (double x : {540.0, 600.0, 660.0, 720.0}) d.circle(x, 390, 11);
  // Sand and shells along the bottom.
  d.shape(smooth({{0, 820}, {300, 800}, {600, 830}, {900, 800}, {1200, 820}, {1200, 900}, {0, 900}}, true), false);
  d.shape(starPath(140, 850, 34, 15, 5, -70));
  d.arc(1060, 862, 30, 30, 180, 360);
  d.line({1030, 862}, {1090, 862});
  for (int i = 1; i < 4; ++i) d.line({1060, 862}, {1060 + 30 * std::cos((180 + i * 45) * kPi / 180), 862 + 30 * std::sin((180 + i * 45) * kPi / 180)});
  // Seaweed.
  for (double x : {80.0, 1120.0}) d.blob({{x - 15, 805}, {x - 30, 720}, {x, 640}, {x - 10, 560}, {x + 15, 620}, {x + 10, 720}, {x + 15, 805}});
  // Fish.
  auto fish = [&](double x, double y, double s, bool left) {
    const double k = left ? -1 : 1;
    d.shape({{x - k * 40 * s, y}, {x - k * 80 * s, y - 30 * s}, {x - k * 80 * s, y + 30 * s}});
    d.ellipse(x, y, 55 * s, 32 * s);
    d.circle(x + k * 28 * s, y - 6 * s, 8 * s);
    d.arc(x + k * 5 * s, y, 14 * s, 28 * s, left ? 100 : -80, left ? 260 : 80);
  };
  fish(300, 560, 1.0, false);
  fish(880, 520, 0.8, true);
  fish(980, 640, 1.1, true);
  fish(420, 700, 0.7, false);
  // An octopus waving.
  for (int i = 0; i < 6; ++i) {
    const double x = 620 + i * 28;
    d.shape(smooth({{x - 10, 700}, {x - 20 + (i % 2) * 30, 760}, {x - 5, 800}, {x + 8, 795}, {x + (i % 2) * 26 - 6, 760}, {x + 12, 700}}, true));
  }
  d.blob({{690, 560}, {760, 590}, {780, 660}, {740, 715}, {640, 715}, {600, 660}, {620, 590}});
  d.circle(665, 640, 16);
  d.circle(720, 640, 16);
  d.dot(665, 644, 6);
  d.dot(720, 644, 6);
  d.curve({{670, 680}, {692, 695}, {714, 680}});
  // Bubbles.
  for (P b : {P{760, 520}, P{780, 480}, P{770, 440}}) d.circle(b.x, b.y, 10 + (b.y - 440) / 10);
  return d;
}

}  // namespace pz::lineart
