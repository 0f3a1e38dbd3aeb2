// The window `rotator` "Set Text Rotation Angle": a scroll bar for the angle
// of rotated lettering and a live preview of "Example" turned about a cross-hair.
#pragma once

#include <QDialog>

#include "fx/fxstate.h"

class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;

namespace pz {
class SurfaceWidget;
}

namespace fx {

class Trotator : public QDialog {
  Q_OBJECT
 public:
  Trotator(FxState& st, QWidget* parent);

  void drawPreview();
  void Timer1Timer();
  void ScrollBar1Scroll(int position);
  void BitBtn1Click();

  pz::SurfaceWidget* Panel1 = nullptr;
  QScrollBar* ScrollBar1 = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QTimer* Timer1 = nullptr;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  FxState& st_;
};

}  // namespace fx
