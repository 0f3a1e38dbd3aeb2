// Small widgets of the control strip: a picture that reacts to the pointer.
#pragma once

#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <functional>

namespace pz {

class ImageButton : public QLabel {
  Q_OBJECT
 public:
  ImageButton(QWidget* parent, const QImage& picture, const QString& hint, bool handPointer = true)
      : QLabel(parent) {
    setPicture(picture);
    setToolTip(hint);
    if (handPointer) setCursor(Qt::PointingHandCursor);
  }
  void setPicture(const QImage& picture) {
    setPixmap(QPixmap::fromImage(picture));
    resize(picture.size());
  }
  std::function<void()> onClick;
  std::function<void(QMouseEvent*)> onPress;

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    if (onPress) onPress(e);
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (onClick && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) onClick();
  }
};

}  // namespace pz
