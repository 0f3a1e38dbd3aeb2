// State of the video page, part of PinzFX's one state struct (fxstate.h).
#pragma once

#include <QString>

namespace fx {

struct VideoState {
  QString videoFileName;  // empty: no video open
  int videoNativeWidth = 0, videoNativeHeight = 0;
  int videoPercent = 100;
  int playInterval = 20;  // ms
};

}  // namespace fx
