// Printing the picture as one page.
#pragma once

#include <QRect>
#include <QString>

#include "platform/printer.h"

namespace pz {

// Where a picture of w x h goes on a page whose printable area is `page`
// (device pixels), and in which orientation the page should be. A picture
// narrower than tall fills the middle half of the page width at the top of a
// portrait page; any other is fitted to the page keeping its proportions,
// centred, on a landscape page when wider than tall. A square one keeps the
// orientation chosen in the setup dialog, whatever the picture before needed.
struct PrintLayout {
  bool setOrientation = false;
  PageOrientation orientation = PageOrientation::Portrait;
};
PrintLayout printOrientation(int w, int h);
QRect printTarget(int w, int h, QSize page);

// Prints `picture` on `printer` at once. On failure returns false and sets
// *error to a text for the user; the picture is never touched.
bool printPicture(QPrinter& printer, const Surface& picture, QString* error);

}  // namespace pz
