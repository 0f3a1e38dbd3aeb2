// The open-picture window "Open a Picture": lists the drawings (openMode 1)
// or the saved pictures (openMode 2), previews the entry clicked and hands
// the chosen path back through chosenPicture.
#pragma once

#include <QDialog>

#include "paint/tools/paint_state.h"

class QLabel;
class QListWidget;

namespace pz {

class ClickImage;

class Topenpic : public QDialog {
  Q_OBJECT

 public:
  Topenpic(PaintState& st, QWidget* parent = nullptr);

  // Handlers, public so that tests can drive the window as a user would.
  void FormActivate();
  void bmpnamesClick();
  void Image2Click();  // OK
  void Image3Click();  // Cancel

  QListWidget* bmpnames = nullptr;
  QLabel* Image1 = nullptr;  // preview
  QLabel* Label1 = nullptr;  // full path of the entry last clicked
  ClickImage* Image2 = nullptr;
  ClickImage* Image3 = nullptr;

 private:
  PaintState& st_;
};

}  // namespace pz
