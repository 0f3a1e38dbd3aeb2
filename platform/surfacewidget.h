// A widget whose pixels live in a Surface. The program draws into surface()
// wherever it means to draw on screen and then asks for show(rect); the paint
// handler only copies the surface, so a window-system repaint shows the last
// content drawn.
#pragma once

#include <QWidget>
#include <functional>

#include "platform/surface.h"

namespace pz {

class SurfaceWidget : public QWidget {
  Q_OBJECT
 public:
  explicit SurfaceWidget(QWidget* parent = nullptr, Color background = kWhite);

  Surface& surface() { return surface_; }
  const Surface& surface() const { return surface_; }

  // Puts the given surface block (or all of it) on the screen.
  void show(const Rect& r) { update(QRect(r.left, r.top, r.width(), r.height())); }
  void showAll() { update(); }

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

 private:
  Surface surface_;
  Color background_;
};

}  // namespace pz
