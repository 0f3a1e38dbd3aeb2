// The page "Grab Frame from AVI File": a video display on the left, the
// control column `avictrlpanel` on the right.
#pragma once

#include <QWidget>

#include "fx/fxstate.h"

class QScrollArea;
class QPushButton;
class QLabel;
class QGroupBox;

namespace pz {
class SurfaceWidget;
}

namespace fx {

class AreaSelect;
class Tpamain;

class VideoPage : public QWidget {
  Q_OBJECT
 public:
  VideoPage(FxState& st, Tpamain* main);

  // The window's resize and page change re-lay the two areas and repaint the
  // frame of an open video.
  void relayout();
  // Left / Right arrow from the window's key preview; true when taken.
  bool arrowKey(int key);

  QScrollArea* aviscroll = nullptr;
  pz::SurfaceWidget* avidisplay = nullptr;
  QWidget* avictrlpanel = nullptr;
  QPushButton* getavibutton = nullptr;
  QLabel* avifilelabel = nullptr;
  AreaSelect* aviselectgroup = nullptr;

 private:
  FxState& st_;
  Tpamain* main_;
};

}  // namespace fx
