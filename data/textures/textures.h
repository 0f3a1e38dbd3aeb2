// The shipped textures of the Texture Brush, each drawn by code.
#pragma once

#include <QString>
#include <vector>

#include "platform/surface.h"

namespace pz::tex {

struct Texture {
  QString name;  // file name without ".bmp"
  Surface pixels;  // 50 x 50
};

std::vector<Texture> allTextures();

}  // namespace pz::tex
