// The name entry window of Save As: the name typed goes to pictureName on OK;
// Cancel, or closing the window any other way, leaves pictureName empty.
#pragma once

#include <QDialog>

#include "paint/tools/paint_state.h"

class QLineEdit;

namespace pz {

class ClickImage;

class Tsaveuser : public QDialog {
  Q_OBJECT

 public:
  Tsaveuser(PaintState& st, QWidget* parent = nullptr);

  void Image1Click();  // OK
  void Image2Click();  // Cancel

  QLineEdit* Edit1 = nullptr;
  ClickImage* Image1 = nullptr;
  ClickImage* Image2 = nullptr;

 protected:
  // Only the two pictures close the window: Enter and Escape do nothing.
  void keyPressEvent(QKeyEvent* e) override;

 private:
  PaintState& st_;
};

}  // namespace pz
