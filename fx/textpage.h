// The page "Add Text Effect": lettering composed on a white canvas (left) with
// the control column `Panel6` (right).
#pragma once

#include <QWidget>
#include <array>

#include "fx/fxstate.h"
#include "fx/texteffects.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QToolButton;

namespace pz {
class SurfaceWidget;
}

namespace fx {

class AreaSelect;
class FaceList;
class Tpamain;
class ColorSwatch;

class TextPage : public QWidget {
  Q_OBJECT
 public:
  TextPage(FxState& st, Tpamain* main);

  // The canvas and its one undo snapshot.
  void saveSnapshot();
  void restoreSnapshot();
  // Fills the face and size lists and makes the first snapshot (start-up).
  void fillLists();
  void createSnapshot();

  // Handlers.
  void effectsimageMouseDown(int x);
  void textpanelMouseDown(int x, int y);
  void textpanelMouseMove(int x, int y);
  void textpanelMouseUp(int x, int y);
  void SpinButton1UpClick();
  void SpinButton1DownClick();
  void foreshapeMouseDown();
  void backshapeMouseDown();
  void textundobuttClick();
  void textclrbuttClick();
  void directionClick(int dir);

  // What the renderers read from the page.
  EffectInput effectInput() const;
  void drawDragEffect(Point p1, Point p2);
  void drawClickEffect(Point p);

  QScrollArea* ScrollBox2 = nullptr;
  pz::SurfaceWidget* textpanel = nullptr;
  QWidget* Panel6 = nullptr;
  QLabel* Label6 = nullptr;
  pz::SurfaceWidget* effectsimage = nullptr;
  QLabel* textarrow = nullptr;
  ColorSwatch* backshape = nullptr;
  ColorSwatch* foreshape = nullptr;
  FaceList* flistbox = nullptr;
  QComboBox* sizelist = nullptr;
  QCheckBox* italiccheck = nullptr;
  QCheckBox* boldcheck = nullptr;
  QLineEdit* usertext = nullptr;
  QPushButton* textundobutt = nullptr;
  QPushButton* textclrbutt = nullptr;
  QFrame* Panel2 = nullptr;
  QLabel* Label8 = nullptr;
  QWidget* SpinButton1 = nullptr;
  QToolButton* spinUp = nullptr;
  QToolButton* spinDown = nullptr;
  QLabel* pixlabel = nullptr;
  QLabel* Label9 = nullptr;
  std::array<QRadioButton*, 8> radios{};  // indexed by ShadowDir
  AreaSelect* textselect = nullptr;

 private:
  void modeChosen(int mode);
  FxState& st_;
  Tpamain* main_;
};

}  // namespace fx
