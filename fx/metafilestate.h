// State of the metafile page, part of PinzFX's one state struct (fxstate.h).
#pragma once

#include <optional>

#include "platform/metafile.h"
#include "platform/surface.h"
#include "platform/svg.h"

namespace fx {

struct MetafileState {
  int metafilePercent = 100;
  int metafileNativeWidth = 0, metafileNativeHeight = 0;
  int metafileWidth = 0, metafileHeight = 0;
  // The held picture (`wmfholdimage`): a metafile, an SVG drawing, or a bitmap
  // when the clipboard offered one first. At most one of them; none until
  // something is loaded.
  std::optional<pz::Metafile> metafile;
  std::optional<pz::Surface> bitmap;
  std::optional<pz::SvgDrawing> svg;
  bool holdsPicture() const { return metafile || bitmap || svg; }
  int pictureWidth() const {
    return metafile ? metafile->width() : bitmap ? bitmap->width() : svg ? svg->width() : 0;
  }
  int pictureHeight() const {
    return metafile ? metafile->height() : bitmap ? bitmap->height() : svg ? svg->height() : 0;
  }
  // The size shown at 100 %: half the picture's size for metafiles and
  // bitmaps; an SVG drawing at its own size, 96 pixels per inch.
  int nativeWidth() const { return svg ? svg->width() : pictureWidth() / 2; }
  int nativeHeight() const { return svg ? svg->height() : pictureHeight() / 2; }
};

}  // namespace fx
