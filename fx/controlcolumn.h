// The control column on the right of every page: silver, 225 pixels wide.
#pragma once

#include <QString>

class QWidget;

namespace fx {

constexpr int kControlColumnWidth = 225;

// Makes `column` a control column: fixed width and its own silver background.
// Filled by the column itself: a tab page's frame is drawn a shade lighter
// than the window colour by some styles.
void makeControlColumn(QWidget* column);

}  // namespace fx
