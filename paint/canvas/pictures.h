// The control strip's pictures, drawn by code at their sizes.
#pragma once

#include <QImage>

namespace pz {

enum class StripPicture {
  ZoomIn,        // 17 x 16
  ZoomOut,       // 17 x 16
  NoZoom,        // 17 x 16
  ColorBox,      // 50 x 50: opens the colours window
  Brighten,      // 15 x 17
  Darken,        // 17 x 19
  ToolChest,     // 50 x 51
  About,         // 36 x 36
  OpenSave,      // 55 x 39
  Help,          // 44 x 39
  Quit,          // 40 x 35
  AboutPicture,  // 421 x 239: the about window's picture
};

QImage stripPicture(StripPicture which);

}  // namespace pz
