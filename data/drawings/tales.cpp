// Drawings from stories: a princess in her garden and a pirate ship.
#include "data/drawings/drawings.h"

namespace pz::lineart {

namespace {

void eye(Drawing& d, double x, double y, double r) {
  d.circle(x, y, r);
  d.dot(x, y + r * 0.15, r * 0.5);
}

}  // namespace

Drawing drawPrincess() {
  Drawing d(600, 800);
  d.shape(smooth({{-20, 720}, {150, 700}, {450, 715}, {620, 700}, {620, 820}, {-20, 820}}, true), false);
  // Hair falling behind her shoulders.
  d.blob({{300, 90}, {390, 120}, {420, 220}, {430, 360}, {390, 380}, {300, 330}, {210, 380}, {170, 360},
          {180, 220}, {210, 120}});
  // Gown in three layers, bodice, sleeves and arms.
  d.shape(smooth({{230, 400}, {370, 400}, {470, 600}, {520, 730}, {300, 755}, {80, 730}, {130, 600}}, true));
  d.shape(smooth({{250, 420}, {350, 420}, {420, 580}, {450, 680}, {300, 700}, {150, 680}, {180, 580}}, true));
  d.shape(smooth({{265, 440}, {335, 440}, {380, 560}, {390, 620}, {300, 635}, {210, 620}, {220, 560}}, true));
  d.shape({{240, 300}, {360, 300}, {350, 420}, {250, 420}});
  d.shape(smooth({{360, 300}, {410, 320}, {440, 420}, {420, 440}, {380, 360}}, true));
  d.shape(smooth({{240, 300}, {190, 320}, {160, 420}, {180, 440}, {220, 360}}, true));
  d.circle(170, 450, 18);
  d.circle(430, 450, 18);
  d.shape({{300, 330}, {320, 360}, {300, 390}, {280, 360}});  // jewel on the bodice
  // Neck, face, fringe and crown.
  d.rect(285, 260, 315, 302);
  d.ellipse(300, 200, 75, 85);
  d.shape(smooth({{225, 190}, {250, 130}, {300, 115}, {350, 130}, {375, 190}, {340, 150}, {300, 165}, {260, 150}},
                 true));
  d.shape({{245, 125}, {250, 60}, {275, 100}, {300, 50}, {325, 100}, {350, 60}, {355, 125}});
  d.circle(300, 92, 9);
  eye(d, 272, 205, 13);
  eye(d, 328, 205, 13);
  d.arc(300, 235, 22, 14, 20, 160);
  d.ellipse(255, 238, 12, 8);
  d.ellipse(345, 238, 12, 8);
  // Roses along the path, and a butterfly.
  for (double x : {60.0, 540.0}) {
    d.rect(x - 4, 640, x + 4, 730);
    d.circle(x, 620, 30);
    d.arc(x, 620, 16, 16, 180, 450);
    d.shape(smooth({{x + 4, 690}, {x + 40, 670}, {x + 50, 690}, {x + 20, 700}}, true));
  }
  d.ellipse(470, 120, 26, 18, -30);
  d.ellipse(515, 120, 26, 18, 30);
  d.ellipse(492, 128, 6, 22);
  return d;
}

Drawing drawPirateShip() {
  Drawing d(800, 800);
  // Sun, clouds and a gull.
  d.circle(680, 110, 55);
  d.blob({{60, 120}, {90, 80}, {150, 70}, {200, 95}, {230, 130}, {150, 150}});
  d.stroke(smooth({{430, 160}, {455, 140}, {480, 160}}, false));
  d.stroke(smooth({{480, 160}, {505, 140}, {530, 160}}, false));
  // A treasure island far off, behind the ship.
  d.shape(ellipsePath(720, 520, 70, 30, 0, 180, 360));
  d.rect(716, 430, 724, 495);
  for (int i = 0; i < 4; ++i)
    d.shape(rotated(smooth({{720, 430}, {750, 412}, {778, 432}, {748, 424}}, true), 720, 430, -20 - i * 47));
  // Masts and sails, the flag, then the hull over the masts' feet.
  d.rect(280, 130, 296, 560);
  d.rect(500, 180, 516, 560);
  d.shape(smooth({{200, 170}, {370, 170}, {390, 260}, {370, 350}, {200, 350}, {215, 260}}, true));
  d.shape(smooth({{210, 380}, {365, 380}, {380, 450}, {365, 520}, {210, 520}, {222, 450}}, true));
  d.shape(smooth({{430, 220}, {590, 220}, {605, 300}, {590, 380}, {430, 380}, {442, 300}}, true));
  d.shape({{520, 400}, {650, 520}, {520, 520}});
  d.shape({{296, 130}, {380, 110}, {380, 160}, {296, 150}});
  d.circle(340, 132, 10);
  // A skull-and-bones badge on the big sail.
  d.circle(290, 250, 40);
  d.dot(276, 245, 8);
  d.dot(304, 245, 8);
  d.shape({{290, 258}, {284, 272}, {296, 272}});
  const Path hull = {{100, 540}, {700, 540}, {760, 500}, {660, 680}, {160, 680}, {60, 500}};
  d.shape(hull);
  d.strokeInside({{40, 600}, {780, 600}}, hull);
  for (int i = 0; i < 6; ++i) d.circle(180 + i * 90, 570, 16);
  for (int i = 0; i < 5; ++i) d.rect(200 + i * 90, 625, 250 + i * 90, 655);
  // Waves running off both sides.
  Path sea{{-20, 700}};
  for (int i = 0; i <= 8; ++i) {
    Path hump = ellipsePath(i * 100.0 + 50, 700, 50, 28, 0, 180, 360);
    sea.insert(sea.end(), hump.begin(), hump.end());
  }
  sea.push_back({820, 700});
  sea.push_back({820, 820});
  sea.push_back({-20, 820});
  d.shape(sea, false);
  return d;
}

}  // namespace pz::lineart
