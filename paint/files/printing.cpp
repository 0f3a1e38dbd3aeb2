#include "paint/files/printing.h"

#include <QPrinter>
#include <algorithm>

namespace pz {

PrintLayout printOrientation(int w, int h) {
  if (w < h) return {true, PageOrientation::Portrait};
  if (w > h) return {true, PageOrientation::Landscape};
  return {};
}

QRect printTarget(int w, int h, QSize page) {
  if (w <= 0 || h <= 0 || page.isEmpty()) return {};
  const int W = page.width();
  if (w < h) {
    // The portrait rule: the middle half of the page width, from the top.
    const float aspect = float(w) / float(h);
    const int left = W / 4, right = (W / 4) * 3;
    const int bottom = int(float(W / 2) / aspect);
    return QRect(QPoint(left, 0), QPoint(right, bottom)).adjusted(0, 0, -1, -1);
  }
  const double scale = std::min(double(W) / w, double(page.height()) / h);
  const int tw = std::max(1, int(w * scale)), th = std::max(1, int(h * scale));
  return QRect((W - tw) / 2, (page.height() - th) / 2, tw, th);
}

bool printPicture(QPrinter& printer, const Surface& picture, QString* error) {
  useDefaultPrinterIfUnset(printer);
  const QString problem = printerProblem(printer);
  if (!problem.isEmpty()) {
    if (error) *error = problem;
    return false;
  }
  // The orientation a picture asks for holds for its own page only: the
  // printer keeps the one chosen in Print Setup for the next picture.
  const PageOrientation chosen = orientation(printer);
  const PrintLayout layout = printOrientation(picture.width(), picture.height());
  if (layout.setOrientation) setOrientation(printer, layout.orientation);
  const QRect target = printTarget(picture.width(), picture.height(), printableSize(printer));
  const bool printed = printSurface(printer, picture, target, error);
  setOrientation(printer, chosen);
  return printed;
}

}  // namespace pz
