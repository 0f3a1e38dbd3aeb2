#include "platform/surfacewidget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace pz {

int wholePixelScale(double deviceRatio) { return std::max(1, int(std::floor(deviceRatio + 0.5))); }

SurfaceWidget::SurfaceWidget(QWidget* parent, Color background) : QWidget(parent), background_(background) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  surface_.create(1, 1, background_);
}

void SurfaceWidget::setWholeDevicePixels(bool on) {
  whole_ = on;
  fitSurface();
  update();
}

double SurfaceWidget::surfaceScale() const {
  if (!whole_) return 1.0;
  const double dpr = devicePixelRatioF();
  return dpr / wholePixelScale(dpr);
}

QPoint SurfaceWidget::toSurface(QPointF p) const {
  const double s = surfaceScale();
  return {int(std::floor(p.x() * s)), int(std::floor(p.y() * s))};
}

QPoint SurfaceWidget::toWidget(QPoint p) const {
  const double s = surfaceScale();
  return {int(std::floor(p.x() / s)), int(std::floor(p.y() / s))};
}

void SurfaceWidget::show(const Rect& r) {
  const double s = surfaceScale();
  if (s == 1.0) {
    update(QRect(r.left, r.top, r.width(), r.height()));
    return;
  }
  const int l = int(std::floor(r.left / s)), t = int(std::floor(r.top / s));
  update(QRect(l, t, int(std::ceil(r.right / s)) - l + 1, int(std::ceil(r.bottom / s)) - t + 1));
}

void SurfaceWidget::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  const QRect r = e->rect();
  const QImage& img = surface_.image();
  const double s = surfaceScale();
  if (s == 1.0) {
    p.drawImage(r.topLeft(), img, r);
    return;
  }
  // Widget units covered by whole surface pixels; a sliver of less than one
  // surface pixel may remain at the right and bottom.
  const QRectF covered(0, 0, img.width() / s, img.height() / s);
  const QColor bg = QColor::fromRgb(redOf(background_), greenOf(background_), blueOf(background_));
  if (covered.right() < width()) p.fillRect(QRectF(covered.right(), 0, width() - covered.right(), height()), bg);
  if (covered.bottom() < height()) p.fillRect(QRectF(0, covered.bottom(), width(), height() - covered.bottom()), bg);
  const int l = std::max(0, int(std::floor(r.left() * s))), t = std::max(0, int(std::floor(r.top() * s)));
  const int rr = std::min(img.width(), int(std::ceil((r.right() + 1) * s)));
  const int bb = std::min(img.height(), int(std::ceil((r.bottom() + 1) * s)));
  if (rr <= l || bb <= t) return;
  const QRect src(l, t, rr - l, bb - t);
  // No smoothing: each surface pixel becomes a square of whole device pixels.
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p.drawImage(QRectF(src.left() / s, src.top() / s, src.width() / s, src.height() / s), img, src);
}

void SurfaceWidget::fitSurface() {
  const double s = surfaceScale();
  const int w = std::max(1, int(std::floor(width() * s + 1e-6)));
  const int h = std::max(1, int(std::floor(height() * s + 1e-6)));
  if (w != surface_.width() || h != surface_.height()) {
    Surface grown(w, h, background_);
    bitBlt(grown, 0, 0, surface_.width(), surface_.height(), &surface_, 0, 0);
    grown.pen = surface_.pen;
    grown.brush = surface_.brush;
    surface_ = std::move(grown);
  }
}

void SurfaceWidget::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  fitSurface();
  if (onResize) onResize();
}

bool SurfaceWidget::event(QEvent* e) {
  // Moved to a screen of another scale: the surface takes the new size.
  if (whole_ && e->type() == QEvent::ScreenChangeInternal) {
    const bool ok = QWidget::event(e);
    const QSize before(surface_.width(), surface_.height());
    fitSurface();
    if (onResize && before != QSize(surface_.width(), surface_.height())) onResize();
    return ok;
  }
  return QWidget::event(e);
}

void SurfaceWidget::mousePressEvent(QMouseEvent* e) {
  if (onPress) onPress(e);
}
void SurfaceWidget::mouseMoveEvent(QMouseEvent* e) {
  if (onMove) onMove(e);
}
void SurfaceWidget::mouseReleaseEvent(QMouseEvent* e) {
  if (onRelease) onRelease(e);
}
void SurfaceWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  if (onDoubleClick)
    onDoubleClick(e);
  else if (onPress)
    onPress(e);
}
void SurfaceWidget::leaveEvent(QEvent* e) {
  QWidget::leaveEvent(e);
  if (onLeave) onLeave();
}

}  // namespace pz
