// Writes the palette pictures of palettes/: grids of colour patches big
// enough for a child to hit. The favourite colours are the window's built-in
// palette, so the default palette name finds the same picture on disk.
#include <QString>
#include <cmath>
#include <cstdio>
#include <vector>

#include "paint/files/builtin_pictures.h"
#include "platform/bmp.h"

namespace {

using pz::Color;
using pz::rgb;

Color hsv(double h, double s, double v) {
  const double c = v * s, x = c * (1 - std::fabs(std::fmod(h / 60, 2) - 1)), m = v - c;
  double r = 0, g = 0, b = 0;
  if (h < 60) r = c, g = x;
  else if (h < 120) r = x, g = c;
  else if (h < 180) g = c, b = x;
  else if (h < 240) g = x, b = c;
  else if (h < 300) r = x, b = c;
  else r = c, b = x;
  return rgb(int(std::lround((r + m) * 255)), int(std::lround((g + m) * 255)), int(std::lround((b + m) * 255)));
}

// Eight hues across, from light to dark down.
std::vector<Color> rainbow() {
  std::vector<Color> out;
  const double sat[] = {0.25, 0.45, 0.7, 1.0, 1.0, 1.0, 1.0, 1.0};
  const double val[] = {1.0, 1.0, 1.0, 1.0, 0.85, 0.7, 0.55, 0.4};
  for (int row = 0; row < 8; ++row)
    for (int col = 0; col < 8; ++col) out.push_back(hsv(col * 45.0, sat[row], val[row]));
  return out;
}

std::vector<Color> pastels() {
  std::vector<Color> out;
  for (int row = 0; row < 6; ++row)
    for (int col = 0; col < 5; ++col) out.push_back(hsv(std::fmod(col * 72.0 + row * 12.0, 360), 0.18 + row * 0.05, 1.0));
  return out;
}

std::vector<Color> nature() {
  return {// leaves and grass
          rgb(20, 90, 20), rgb(40, 140, 40), rgb(90, 190, 60), rgb(160, 220, 90), rgb(200, 240, 150),
          // bark, earth and sand
          rgb(80, 50, 20), rgb(120, 80, 40), rgb(170, 120, 70), rgb(210, 180, 120), rgb(240, 220, 170),
          // sky and sea
          rgb(150, 210, 255), rgb(80, 160, 240), rgb(20, 100, 200), rgb(0, 60, 130), rgb(0, 150, 160),
          // flowers and fruit
          rgb(230, 30, 60), rgb(255, 140, 0), rgb(255, 220, 40), rgb(190, 80, 220), rgb(255, 150, 200),
          // stones, snow, night and soot
          rgb(110, 110, 110), rgb(170, 170, 170), rgb(255, 255, 255), rgb(40, 40, 80), rgb(50, 45, 40)};
}

// Skin from the palest to the darkest, hair from white-blond to black, then
// eyes, lips and cheeks. Two rows of each so every child finds their own.
std::vector<Color> peopleColors() {
  return {// skin
          rgb(255, 232, 214), rgb(250, 214, 186), rgb(240, 196, 160), rgb(226, 172, 130), rgb(205, 148, 104),
          rgb(176, 120, 80), rgb(146, 95, 62), rgb(116, 72, 46), rgb(88, 55, 38), rgb(255, 204, 188),
          // hair
          rgb(250, 236, 180), rgb(232, 196, 110), rgb(200, 150, 70), rgb(196, 90, 40), rgb(150, 60, 30),
          rgb(120, 75, 40), rgb(80, 50, 30), rgb(46, 36, 32), rgb(160, 160, 165), rgb(235, 235, 235),
          // eyes
          rgb(70, 130, 210), rgb(120, 180, 230), rgb(70, 150, 100), rgb(140, 120, 60), rgb(100, 60, 35),
          // lips and cheeks
          rgb(230, 110, 130), rgb(200, 60, 80), rgb(160, 40, 60), rgb(255, 160, 160), rgb(255, 255, 255)};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: pinz-palettes PALETTES_DIR\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]) + "/";
  bool ok = pz::writeBmp24(dir + "pinzola's favorite colors.bmp", pz::builtinPalette());
  ok = pz::writeBmp24(dir + "rainbow.bmp", pz::paletteGrid(300, 389, 8, 8, rainbow(), pz::kPaletteGutter, 3)) && ok;
  ok = pz::writeBmp24(dir + "soft pastels.bmp", pz::paletteGrid(300, 389, 5, 6, pastels(), pz::kPaletteGutter, 4)) && ok;
  ok = pz::writeBmp24(dir + "nature.bmp", pz::paletteGrid(300, 389, 5, 5, nature(), pz::kPaletteGutter, 4)) && ok;
  ok = pz::writeBmp24(dir + "people.bmp", pz::paletteGrid(300, 389, 5, 6, peopleColors(), pz::kPaletteGutter, 4)) && ok;
  return ok ? 0 : 1;
}
