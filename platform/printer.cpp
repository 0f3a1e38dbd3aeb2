#include "platform/printer.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace pz {

std::function<bool(QPrinter&)> printerSetupHook;

namespace {
QString noPrinterText() {
  return QCoreApplication::translate("Printer", "There is no default printer currently selected.");
}
}  // namespace

bool runPrinterSetup(QPrinter& printer, QWidget* parent) {
  if (printerSetupHook) return printerSetupHook(printer);
  // The print dialog is the setup dialog here: it chooses the printer, the
  // paper and the orientation, and its choices are kept in `printer`.
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setWindowTitle(QCoreApplication::translate("pz::Platform", "Print Setup"));
  // Choosing here prints nothing, so the button says what it does.
  for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>())
    if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) ok->setText(QCoreApplication::translate("pz::Platform", "OK"));
  return dialog.exec() == QDialog::Accepted;
}

QString printerProblem(const QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat) {
    // A printer object without a file is Qt's stand-in when the system had
    // no printer at all: to the user that is simply "no printer".
    return printer.outputFileName().isEmpty() ? noPrinterText() : QString();
  }
  if (printer.printerName().isEmpty()) {
    // The printer object may have been made before a queue existed.
    if (QPrinterInfo::defaultPrinter().isNull()) return noPrinterText();
    return QString();
  }
  if (!printer.isValid() || QPrinterInfo::printerInfo(printer.printerName()).isNull())
    return QCoreApplication::translate("pz::Platform", "The printer \"%1\" is not available.").arg(printer.printerName());
  return QString();
}

void setOrientation(QPrinter& printer, PageOrientation o) {
  printer.setPageOrientation(o == PageOrientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
}

PageOrientation orientation(const QPrinter& printer) {
  return printer.pageLayout().orientation() == QPageLayout::Landscape ? PageOrientation::Landscape
                                                                       : PageOrientation::Portrait;
}

QSize printableSize(const QPrinter& printer) {
  return printer.pageLayout().paintRectPixels(printer.resolution()).size();
}

void useDefaultPrinterIfUnset(QPrinter& printer) {
  // Made before a queue existed, the object is Qt's file-less PDF stand-in
  // or names no printer; a default queue added since is the one to use.
  const bool standIn = printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty();
  const bool unnamed = printer.outputFormat() == QPrinter::NativeFormat && printer.printerName().isEmpty();
  if (!standIn && !unnamed) return;
  const QPrinterInfo def = QPrinterInfo::defaultPrinter();
  if (def.isNull()) return;
  if (standIn) printer.setOutputFormat(QPrinter::NativeFormat);
  printer.setPrinterName(def.printerName());
}

bool printSurface(QPrinter& printer, const Surface& s, const QRect& target, QString* error) {
  useDefaultPrinterIfUnset(printer);
  // A queue that does not announce colour prints grey unless asked; the
  // pictures are colour pictures.
  printer.setColorMode(QPrinter::Color);
  const QString problem = printerProblem(printer);
  if (!problem.isEmpty()) {
    if (error) *error = problem;
    return false;
  }
  QPainter painter;
  if (!painter.begin(&printer)) {
    if (error) *error = QCoreApplication::translate("pz::Platform", "The printer could not start the page.");
    return false;
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(target, s.toRgb32());
  if (!painter.end()) {
    if (error) *error = QCoreApplication::translate("pz::Platform", "The page could not be sent to the printer.");
    return false;
  }
  return true;
}

}  // namespace pz
