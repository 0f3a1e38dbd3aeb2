// Drawings for the youngest painters: one big thing, few shapes, every
// region large enough to hit with a wobbly bucket click.
#include <cmath>

#include "data/drawings/drawings.h"

namespace pz::lineart {

namespace {

constexpr double kPi = 3.14159265358979323846;
double rad(double deg) { return deg * kPi / 180; }

// Hills running off both sides of the paper: open at the bottom edge, so
// they need no point inside.
void ground(Drawing& d, double y) {
  d.shape(smooth({{-20, y}, {200, y - 30}, {420, y + 10}, {620, y - 25}, {820, y}, {820, 820}, {-20, 820}}, true),
          false);
}

void bigEye(Drawing& d, double x, double y, double r) {
  d.circle(x, y, r);
  d.dot(x, y + r * 0.15, r * 0.45);
}

}  // namespace

Drawing drawEasyBall() {
  Drawing d(800, 800);
  ground(d, 690);
  d.ellipse(400, 690, 230, 30);  // its shadow
  d.circle(400, 400, 260);
  // Six segments meeting at a cap on top.
  for (double a : {-60.0, 0.0, 60.0}) {
    const double c = std::cos(rad(a)), s = std::sin(rad(a));
    Path seam;
    for (int i = 0; i <= 40; ++i) {
      const double t = -1 + 2.0 * i / 40;
      const double x = t * 260, y = std::sin(t * kPi) * 60;
      seam.push_back({400 + x * c - y * s, 400 + x * s + y * c});
    }
    d.stroke(seam);
  }
  d.circle(400, 400, 60);
  return d;
}

Drawing drawEasySun() {
  Drawing d(800, 800);
  for (int i = 0; i < 10; ++i) {
    const double a = rad(i * 36 - 90);
    const P tip{400 + std::cos(a) * 370, 400 + std::sin(a) * 370};
    const P l{400 + std::cos(a - 0.22) * 230, 400 + std::sin(a - 0.22) * 230};
    const P r{400 + std::cos(a + 0.22) * 230, 400 + std::sin(a + 0.22) * 230};
    d.shape({l, tip, r});
  }
  d.circle(400, 400, 250);
  bigEye(d, 320, 350, 40);
  bigEye(d, 480, 350, 40);
  d.ellipse(270, 450, 40, 26);
  d.ellipse(530, 450, 40, 26);
  d.shape(smooth({{300, 470}, {400, 490}, {500, 470}, {470, 540}, {400, 565}, {330, 540}}, true));
  return d;
}

Drawing drawEasyFish() {
  Drawing d(800, 800);
  d.shape(smooth({{-20, 700}, {300, 680}, {520, 710}, {820, 690}, {820, 820}, {-20, 820}}, true), false);
  // Seaweed well clear of the fish.
  d.blob({{60, 700}, {40, 600}, {90, 520}, {70, 450}, {120, 520}, {100, 600}, {110, 700}});
  d.blob({{700, 700}, {690, 610}, {740, 540}, {760, 600}, {740, 700}});
  d.shape({{520, 380}, {700, 230}, {700, 530}});  // tail
  d.shape(smooth({{330, 250}, {380, 170}, {470, 200}, {480, 270}}, true));
  d.ellipse(360, 380, 220, 150);
  bigEye(d, 240, 340, 40);
  d.curve({{160, 420}, {190, 440}, {220, 432}});
  d.shape(smooth({{360, 390}, {440, 360}, {470, 420}, {420, 460}}, true));
  d.circle(130, 200, 34);
  d.circle(200, 110, 24);
  return d;
}

Drawing drawEasyHouse() {
  Drawing d(800, 800);
  ground(d, 660);
  d.circle(680, 110, 70);
  d.rect(500, 150, 570, 300);  // chimney
  d.rect(170, 380, 630, 700);
  d.shape({{120, 390}, {400, 150}, {680, 390}});
  d.shape(roundRectPath(340, 520, 460, 700, 50));
  d.rect(210, 440, 310, 540);
  d.rect(490, 440, 590, 540);
  d.circle(400, 300, 50);
  return d;
}

Drawing drawEasyApple() {
  Drawing d(800, 800);
  d.shape({{385, 220}, {400, 90}, {430, 95}, {420, 225}});  // stem
  d.shape(smooth({{430, 170}, {520, 90}, {640, 110}, {560, 190}}, true));
  d.blob({{400, 230}, {520, 170}, {660, 240}, {690, 420}, {620, 640}, {500, 720}, {400, 690}, {300, 720},
          {180, 640}, {110, 420}, {140, 240}, {280, 170}});
  d.shape(smooth({{220, 320}, {260, 270}, {300, 290}, {260, 380}}, true));  // the shine
  return d;
}

Drawing drawEasyTeddy() {
  Drawing d(800, 800);
  d.circle(250, 150, 70);
  d.circle(550, 150, 70);
  d.circle(250, 150, 35);
  d.circle(550, 150, 35);
  d.ellipse(230, 590, 70, 95, -20);  // legs
  d.ellipse(570, 590, 70, 95, 20);
  d.ellipse(400, 520, 190, 210);
  d.ellipse(400, 540, 110, 130);
  d.ellipse(200, 430, 55, 105, 30);  // arms, hugging in front
  d.ellipse(600, 430, 55, 105, -30);
  d.ellipse(205, 650, 38, 30, -20);
  d.ellipse(595, 650, 38, 30, 20);
  d.circle(400, 250, 190);
  bigEye(d, 330, 210, 26);
  bigEye(d, 470, 210, 26);
  d.ellipse(400, 320, 80, 60);
  d.ellipse(400, 295, 30, 20);
  d.curve({{360, 340}, {400, 355}, {440, 340}});
  return d;
}

Drawing drawEasyBoat() {
  Drawing d(800, 800);
  d.circle(660, 130, 70);
  d.rect(392, 120, 408, 530);  // mast
  d.shape({{420, 140}, {420, 500}, {660, 500}});
  d.shape({{380, 200}, {380, 500}, {170, 500}});
  d.shape({{100, 540}, {700, 540}, {600, 660}, {200, 660}});
  d.circle(300, 595, 28);
  d.circle(400, 595, 28);
  d.circle(500, 595, 28);
  // Waves running off both sides.
  Path sea{{-20, 640}};
  for (int i = 0; i <= 8; ++i) {
    Path hump = ellipsePath(i * 100.0 + 50, 660, 50, 30, 0, 180, 360);
    sea.insert(sea.end(), hump.begin(), hump.end());
  }
  sea.push_back({820, 660});
  sea.push_back({820, 820});
  sea.push_back({-20, 820});
  d.shape(sea, false);
  return d;
}

Drawing drawEasySnowman() {
  Drawing d(800, 800);
  ground(d, 700);
  d.circle(400, 560, 190);
  d.circle(400, 320, 130);
  d.circle(400, 150, 100);
  // Hat, scarf, nose.
  d.rect(290, 60, 510, 90);
  d.rect(330, 0 + 10, 470, 70);
  d.shape(smooth({{300, 230}, {400, 255}, {500, 230}, {505, 270}, {400, 295}, {295, 270}}, true));
  d.shape({{455, 280}, {520, 400}, {490, 400}, {440, 300}});
  d.shape({{400, 150}, {400, 180}, {480, 170}});
  bigEye(d, 365, 120, 16);
  bigEye(d, 435, 120, 16);
  for (double y : {350.0, 420.0, 520.0, 610.0}) d.circle(400, y, 20);
  return d;
}

Drawing drawEasyCar() {
  Drawing d(800, 800);
  ground(d, 640);
  d.shape(smooth({{80, 560}, {100, 440}, {240, 420}, {300, 300}, {520, 300}, {600, 420}, {720, 440},
                  {730, 560}, {700, 600}, {110, 600}},
                 true));
  d.shape({{320, 330}, {400, 330}, {400, 420}, {260, 420}});
  d.shape({{420, 330}, {500, 330}, {560, 420}, {420, 420}});
  d.circle(690, 480, 24);
  d.circle(230, 600, 80);
  d.circle(570, 600, 80);
  d.circle(230, 600, 35);
  d.circle(570, 600, 35);
  return d;
}

Drawing drawEasyFlower() {
  Drawing d(800, 800);
  d.shape({{250, 600}, {550, 600}, {510, 780}, {290, 780}});  // pot
  d.rect(230, 570, 570, 620);
  d.rect(388, 330, 412, 570);  // stem
  d.shape(smooth({{400, 520}, {470, 430}, {580, 420}, {520, 500}}, true));
  d.shape(smooth({{400, 480}, {330, 400}, {220, 390}, {280, 470}}, true));
  for (int i = 0; i < 6; ++i) {
    const double a = i * 60;
    d.ellipse(400 + std::cos(rad(a)) * 110, 250 + std::sin(rad(a)) * 110, 90, 55, a);
  }
  d.circle(400, 250, 75);
  return d;
}

Drawing drawEasyDuck() {
  Drawing d(800, 800);
  // A pond running off both sides.
  d.shape(smooth({{-20, 600}, {200, 590}, {600, 610}, {820, 595}, {820, 820}, {-20, 820}}, true), false);
  d.blob({{150, 480}, {220, 380}, {400, 370}, {600, 360}, {700, 300}, {680, 450}, {600, 580}, {400, 640},
          {220, 600}});
  d.shape(smooth({{320, 440}, {420, 400}, {540, 430}, {470, 520}, {360, 520}}, true));  // wing
  d.circle(250, 270, 120);
  d.shape(smooth({{140, 280}, {60, 270}, {30, 310}, {70, 330}, {150, 320}}, true));  // beak
  bigEye(d, 230, 240, 24);
  return d;
}

Drawing drawEasyRocket() {
  Drawing d(800, 800);
  d.shape(starPath(130, 140, 60, 26, 5));
  d.shape(starPath(660, 560, 50, 22, 5));
  d.circle(650, 150, 80);  // a planet
  d.shape(smooth({{400, 700}, {450, 720}, {430, 790}, {400, 760}, {370, 790}, {350, 720}}, true));  // flame
  d.shape({{300, 520}, {200, 680}, {320, 640}});  // fins
  d.shape({{500, 520}, {600, 680}, {480, 640}});
  const Path body = smooth({{400, 80}, {490, 250}, {500, 480}, {480, 690}, {320, 690}, {300, 480}, {310, 250}}, true);
  d.shape(body);
  // The nose cone and a band near the bottom.
  d.strokesInside({{{280, 220}, {520, 220}}, {{280, 590}, {520, 590}}}, body);
  d.circle(400, 380, 60);
  return d;
}

Drawing drawEasyClown() {
  Drawing d(800, 800);
  // Bushy hair on both sides, the face, the hat on top.
  for (double side : {-1.0, 1.0})
    for (int i = 0; i < 3; ++i) d.circle(400 + side * 230, 300 + i * 90, 60);
  d.circle(400, 420, 230);
  d.shape({{250, 240}, {550, 240}, {400, 20}});
  d.circle(400, 40, 34);
  d.rect(230, 230, 570, 270);
  bigEye(d, 320, 360, 40);
  bigEye(d, 480, 360, 40);
  d.circle(400, 450, 50);  // the red nose
  d.shape(smooth({{270, 520}, {400, 560}, {530, 520}, {500, 600}, {400, 630}, {300, 600}}, true));
  // A big bow tie under the chin.
  d.shape({{400, 690}, {280, 630}, {280, 770}});
  d.shape({{400, 690}, {520, 630}, {520, 770}});
  d.circle(400, 700, 32);
  return d;
}

}  // namespace pz::lineart
