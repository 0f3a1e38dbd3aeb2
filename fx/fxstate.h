// PinzFX's program-wide state: one struct, created once by Tpamain and living
// until the program ends. Each page's own part is kept in its own header.
#pragma once

#include <QString>

#include "fx/metafilestate.h"
#include "fx/selection.h"
#include "fx/textstate.h"
#include "fx/videostate.h"

namespace fx {

enum PageMode { PageNone = 0, PageVideo = 1, PageText = 2, PageMetafile = 3 };

struct FxState {
  // The shell.
  QString launchArg;
  bool launchArgGiven = false;
  bool firstActivation = true;
  bool closingForMissingArg = false;
  int pageMode = PageNone;

  SelectionState sel;
  TextState text;
  // The rotation window.
  int rotationAngle = 0;  // degrees, counter-clockwise
  int rotatorTicks = 0;   // never reset
  VideoState video;
  MetafileState meta;
};

// Which page a launch argument chooses: the first argument, upper-cased, must
// be exactly "A", "T" or "W". PageNone for anything else.
int pageForLaunchArg(bool given, const QString& arg);

}  // namespace fx
