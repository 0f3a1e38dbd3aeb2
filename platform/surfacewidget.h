// A widget whose pixels live in a Surface. The program draws into surface()
// wherever it means to draw on screen and then asks for show(rect); the paint
// handler only copies the surface, so a window-system repaint shows the last
// content drawn.
#pragma once

#include <QWidget>
#include <functional>

#include "platform/surface.h"

namespace pz {

// Device pixels per surface pixel for a screen scaled by `deviceRatio`: a
// whole number, so every surface pixel is an exact square there (1.25 -> 1,
// 1.5 and 2 -> 2).
int wholePixelScale(double deviceRatio);

class SurfaceWidget : public QWidget {
  Q_OBJECT
 public:
  explicit SurfaceWidget(QWidget* parent = nullptr, Color background = kWhite);

  Surface& surface() { return surface_; }
  const Surface& surface() const { return surface_; }

  // Puts the given surface block (or all of it) on the screen.
  void show(const Rect& r);
  void showAll() { update(); }

  // Off: one surface pixel per widget unit, so positions in the surface are
  // those of the widget's layout. On: one surface pixel per wholePixelScale()
  // device pixels, so on a scaled screen the surface is never stretched by a
  // fraction; events must then be mapped with toSurface().
  void setWholeDevicePixels(bool on);
  // Surface pixels per widget unit.
  double surfaceScale() const;
  QPoint toSurface(QPointF widgetPos) const;
  QPoint toWidget(QPoint surfacePos) const;

  // Pointer and size hooks; each gets the widget-local position.
  std::function<void(QMouseEvent*)> onPress, onMove, onRelease, onDoubleClick;
  std::function<void()> onResize, onLeave;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent* e) override;
  bool event(QEvent* e) override;

 private:
  void fitSurface();

  Surface surface_;
  Color background_;
  bool whole_ = false;
};

}  // namespace pz
