// An image control that reports a click, for the OK and Cancel pictures.
#pragma once

#include <QLabel>
#include <QMouseEvent>
#include <functional>

namespace pz {

class ClickImage : public QLabel {
 public:
  ClickImage(const QImage& picture, QWidget* parent) : QLabel(parent) {
    setPixmap(QPixmap::fromImage(picture));
    resize(picture.size());
    setCursor(Qt::PointingHandCursor);
  }
  std::function<void()> onClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && onClick) onClick();
  }
};

}  // namespace pz
