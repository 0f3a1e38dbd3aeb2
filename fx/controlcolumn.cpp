#include "fx/controlcolumn.h"

#include <QPalette>
#include <QWidget>

namespace fx {

void makeControlColumn(QWidget* column) {
  column->setFixedWidth(kControlColumnWidth);
  QPalette pal = column->palette();
  pal.setColor(QPalette::Window, QColor(192, 192, 192));
  column->setPalette(pal);
  column->setAutoFillBackground(true);
}

}  // namespace fx
