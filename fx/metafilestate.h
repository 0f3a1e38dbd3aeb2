// State of the metafile page, part of PinzFX's one state struct (fxstate.h).
#pragma once

namespace fx {

struct MetafileState {
  int metafilePercent = 100;
  int metafileNativeWidth = 0, metafileNativeHeight = 0;
  int metafileWidth = 0, metafileHeight = 0;
};

}  // namespace fx
