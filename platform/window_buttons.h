// Which buttons a window asks the window manager to draw on its frame.
// Qt's window flags cannot say "a title bar and nothing else" to an X11
// window manager (the decorations are then left to the manager's defaults),
// so the frame hints are written here directly where the platform is X11.
#pragma once

class QWidget;

namespace pz {

enum class BorderButtons {
  None,      // a plain title bar: no window menu, no close, minimise or maximise
  MenuOnly,  // the window menu (with its Close) and nothing else
};

// Creates `w`'s native window if it has none yet and writes its frame hints.
// Call it after the last change of `w`'s window flags: changing them again
// makes Qt write its own hints. Does nothing on other platforms.
void askForBorderButtons(QWidget* w, BorderButtons buttons);

}  // namespace pz
