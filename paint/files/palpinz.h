// The colours window "Pinzola's Colors": a palette picture to pick from, three
// track bars for red, green and blue, and the list of palette pictures. Every
// change goes to currentColor at once; the palette chosen is remembered in
// paletteName for the rest of the run.
#pragma once

#include <QDialog>

#include "paint/tools/paint_state.h"

class QComboBox;
class QFrame;
class QLabel;
class QSlider;

namespace pz {

class ClickImage;
class SurfaceWidget;

// Width a closed drop-down list has for the text of its current entry.
int comboTextRoom(const QComboBox* box);
// Gives the list the largest font size, up to the one given, at which every
// entry shows whole when chosen (down to 8 pixels).
void fitComboFont(QComboBox* box, int largestPixelSize);

class Tpalpinz : public QDialog {
  Q_OBJECT

 public:
  Tpalpinz(PaintState& st, QWidget* parent = nullptr);

  void FormActivate();
  void palnamesClick();
  void Image1MouseDown(int x, int y);
  void Image1DblClick();
  void rtrackChange();
  void Image2Click();

  SurfaceWidget* Image1 = nullptr;  // the palette picture
  SurfaceWidget* Panel1 = nullptr;  // holds the swatch and the controls
  QFrame* Panel2 = nullptr;
  QSlider* rtrack = nullptr;
  QSlider* gtrack = nullptr;
  QSlider* btrack = nullptr;
  QLabel* Label4 = nullptr;
  QComboBox* palnames = nullptr;
  ClickImage* Image2 = nullptr;

  // The swatch's rectangle on Panel1.
  static constexpr Rect kSwatch{20, 20, 60, 60};

 private:
  void showPalette(const Surface& picture);
  void drawSwatch(Color c);
  void setLabel4(Color c);
  void setBars(Color c);

  PaintState& st_;
  Point pressed_;
};

// The Label4 text of a colour: red, green and blue in decimal.
QString colorNumbers(Color c);

}  // namespace pz
