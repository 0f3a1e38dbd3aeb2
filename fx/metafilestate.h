// State of the metafile page, part of PinzFX's one state struct (fxstate.h).
#pragma once

#include <optional>

#include "platform/metafile.h"
#include "platform/surface.h"

namespace fx {

struct MetafileState {
  int metafilePercent = 100;
  int metafileNativeWidth = 0, metafileNativeHeight = 0;
  int metafileWidth = 0, metafileHeight = 0;
  // The held picture (`wmfholdimage`): a metafile, or a bitmap when the
  // clipboard offered one first. Neither until something is loaded.
  std::optional<pz::Metafile> metafile;
  std::optional<pz::Surface> bitmap;
  bool holdsPicture() const { return metafile || bitmap; }
  int pictureWidth() const { return metafile ? metafile->width() : bitmap ? bitmap->width() : 0; }
  int pictureHeight() const { return metafile ? metafile->height() : bitmap ? bitmap->height() : 0; }
};

}  // namespace fx
