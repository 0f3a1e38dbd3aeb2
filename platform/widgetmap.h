// For end-to-end tests of the real programs: when the environment variable
// PINZ_WIDGET_MAP names a file, the screen rectangle of every visible named
// widget is written to it (and kept up to date), one line each:
//   objectName x y width height
// so that a script driving the program with xdotool can find its controls.
#pragma once

#include <QString>

class QWidget;

namespace pz {

// Starts keeping the map when PINZ_WIDGET_MAP is set; does nothing otherwise.
void watchWidgetMap();
// Writes the map of all visible top-level windows to `path` once.
bool writeWidgetMap(const QString& path);

}  // namespace pz
