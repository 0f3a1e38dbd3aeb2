// The system printer (CUPS through Qt PrintSupport). The caller keeps one
// printer object for the whole run so that what the user picks in the setup
// dialog (printer, paper, orientation) stays in force for every later print.
#pragma once

#include <QRect>
#include <QString>
#include <functional>

#include "platform/surface.h"

class QPrinter;
class QWidget;

namespace pz {

enum class PageOrientation { Portrait, Landscape };

// The system's printer setup dialog on `printer`; false when cancelled.
bool runPrinterSetup(QPrinter& printer, QWidget* parent);

// Tests replace the setup dialog with this when it is set.
extern std::function<bool(QPrinter&)> printerSetupHook;

// A text for the user when `printer` cannot print (no printer at all, or the
// chosen one is gone); empty when it can.
QString printerProblem(const QPrinter& printer);

void setOrientation(QPrinter& printer, PageOrientation o);
PageOrientation orientation(const QPrinter& printer);
// Points `printer` at the system's default queue when it names none (it was
// made before any queue existed); leaves it alone otherwise.
void useDefaultPrinterIfUnset(QPrinter& printer);
// The printable area in device pixels (what a page offers to draw on).
QSize printableSize(const QPrinter& printer);

// Prints `s` stretched into `target` (device pixels, relative to the
// printable area) as one page in colour, without smoothing. On failure returns false
// and sets *error to a text for the user.
bool printSurface(QPrinter& printer, const Surface& s, const QRect& target, QString* error);

}  // namespace pz
