// The editing settings and picture buffers of Pinzola: one instance, owned by
// the main window for the whole run. Tools read and write it; windows hand
// their results back through it.
#pragma once

#include <QString>
#include <array>

#include "paint/tools/tool_ids.h"
#include "platform/surface.h"

namespace pz {

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

struct PaintState {
  // Buffers.
  Surface pictureBmp;   // the picture being painted
  Surface undoBmp;      // the undo checkpoint, always the size of pictureBmp
  Surface brushImage;   // 50 x 50: texture, or the brush prepared for a stroke
  Surface spriteBmp;    // 150 x 50: sprite image, mask, saved background
  Surface pasteBmp;     // 2w x h: image being pasted and its mask

  // Settings.
  int currentTool = ToolWaterPen;
  int previousTool = ToolWaterPen;
  int cursorKind = 2;
  int previousCursorKind = 2;
  Color currentColor = 0x005780FF;
  int brushSize = 50;
  int strokeWidth = 3;
  int razorMode = 1;
  int waterPercent = 50;
  bool whiteOnly = false;  // the "White Only" box, read by the Texture Brush
  int optionsStrip = 1;
  int systemTab = 0;
  int zoomState = 4;

  // Flags.
  int stroking = 0;
  int swallowPress = 0;
  int pasteActive = 0;
  int spriteOnSurface = 0;
  int aboutPending = 1;
  // The picture differs from what was started with, last opened or last
  // saved: quitting or opening another picture offers to save it first.
  bool pictureChanged = false;

  QString programDir;
  QString paletteName = QStringLiteral("pinzola's favorite colors");
  QString chosenPicture;
  QString textureFile;
  QString pictureName;
  int openMode = 1;

  Point lastPoint, anchorPoint, pointerPoint, spritePos;
  struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
  };
  Box selScreen, selPicture;
  int pasteMask = 2;

  // Values the tool engine keeps between the points of a stroke.
  std::array<Color, 32> shadeTable{};
  Color replaceTarget = kWhite;
};

}  // namespace pz
