// A colour square (a filled shape with a black border) that reports presses.
#pragma once

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <functional>

#include "platform/surface.h"

namespace fx {

class ColorSwatch : public QWidget {
 public:
  ColorSwatch(QWidget* parent, pz::Color c) : QWidget(parent), color_(c) {}
  pz::Color color() const { return color_; }
  void setColor(pz::Color c) {
    color_ = c;
    update();
  }
  std::function<void()> onPress;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(pz::redOf(color_), pz::greenOf(color_), pz::blueOf(color_)));
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && onPress) onPress();
  }

 private:
  pz::Color color_;
};

}  // namespace fx
