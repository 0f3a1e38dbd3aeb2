// For end-to-end tests of the real programs: when the environment variable
// PINZ_WIDGET_MAP names a file, the screen rectangle of every visible named
// widget is written to it (and kept up to date), one line each:
//   objectName x y width height
// plus "menu:Caption_of_item x y width height" for the items of an open menu
// (blanks in captions written as "_"). "%a" in the file name stands for the
// program's name, so programs that start each other keep one map each.
// A script driving the programs with xdotool finds their controls there.
#pragma once

#include <QString>

class QWidget;

namespace pz {

// Starts keeping the map when PINZ_WIDGET_MAP is set; does nothing otherwise.
void watchWidgetMap();
// Writes the map of all visible top-level windows to `path` once.
bool writeWidgetMap(const QString& path);

}  // namespace pz
