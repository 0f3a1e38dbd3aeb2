#include "platform/surfacewidget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace pz {

SurfaceWidget::SurfaceWidget(QWidget* parent, Color background) : QWidget(parent), background_(background) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  surface_.create(1, 1, background_);
}

void SurfaceWidget::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  const QRect r = e->rect();
  p.drawImage(r.topLeft(), surface_.image(), r);
}

void SurfaceWidget::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  const int w = std::max(1, width()), h = std::max(1, height());
  if (w != surface_.width() || h != surface_.height()) {
    Surface grown(w, h, background_);
    bitBlt(grown, 0, 0, surface_.width(), surface_.height(), &surface_, 0, 0);
    grown.pen = surface_.pen;
    grown.brush = surface_.brush;
    surface_ = std::move(grown);
  }
  if (onResize) onResize();
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
