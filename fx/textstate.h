// State of the text page, part of PinzFX's one state struct (fxstate.h).
#pragma once

#include "platform/surface.h"

namespace fx {

enum TextToolId {
  EffectPlain = 1,
  EffectDropShadow = 2,
  EffectTrail = 3,
  EffectRotated = 4,
  EffectBlockShadow = 5,
  EffectVertical = 6,
};

enum ShadowDir { DirUL, DirUC, DirUR, DirL, DirR, DirLL, DirLC, DirLR };

struct TextState {
  int textTool = EffectPlain;  // an effect 1..6 or a selection mode 44..46
  int shadowDepth = 1;         // 1..50
  int shadowDir = DirUL;
  pz::Surface undoSnapshot;
  pz::Color foreColor = 0x612D80;
  pz::Color backColor = 0x88C826;
  pz::Color dialogColor = 0x000000;  // the shared colour dialog starts here
};

}  // namespace fx
