// The page "Grab Frame from AVI File": a video display on the left, the
// control column `avictrlpanel` on the right. The video device `mplayer`
// draws frames into `avidisplay` at the chosen size; copies read the display.
#pragma once

#include <QWidget>

#include "fx/fxstate.h"
#include "platform/video_device.h"

class QScrollArea;
class QPushButton;
class QToolButton;
class QLabel;
class QGroupBox;
class QSlider;
class QScrollBar;
class QLineEdit;
class QTimer;

namespace pz {
class SurfaceWidget;
}

namespace fx {

class AreaSelect;
class Tpamain;

// The open dialog's filter: AVI files (the dialog matches any case).
QString aviFileFilter();
// The shown size for a percentage: native × percent / 100 in single
// precision, rounded to nearest with halves to even.
int scaledSide(int native, int percent);

class VideoPage : public QWidget {
  Q_OBJECT
 public:
  VideoPage(FxState& st, Tpamain* main);

  // The window's resize and page change re-lay the two areas and repaint the
  // frame of an open video.
  void relayout();
  // Left / Right arrow from the window's key preview; true when taken.
  bool arrowKey(int key);

  // Handlers.
  void getavibuttonClick();
  void aviplaybuttonClick();
  void avistopbuttonClick();
  void avijogaheadbuttonClick();
  void avijogbackbuttonClick();
  void vidtrackChange();
  void avispeedchangeChange();
  void avispinupClick();
  void avispindownClick();
  void avidefaultsizebuttonClick();
  void Timer1Timer();
  // Shows the current frame again at the current display rectangle.
  void redrawFrame();
  bool videoOpen() const { return mplayer.isOpen() && !st_.video.videoFileName.isEmpty(); }

  pz::VideoDevice mplayer;

  QScrollArea* aviscroll = nullptr;
  pz::SurfaceWidget* avidisplay = nullptr;
  QWidget* avictrlpanel = nullptr;
  QPushButton* getavibutton = nullptr;
  QLabel* avifilelabel = nullptr;
  QGroupBox* aviplaybackgroup = nullptr;
  QToolButton* aviplaybutton = nullptr;
  QToolButton* avistopbutton = nullptr;
  QToolButton* avijogaheadbutton = nullptr;
  QToolButton* avijogbackbutton = nullptr;
  QSlider* vidtrack = nullptr;
  QLabel* aviframenumlabel = nullptr;
  QLabel* Label1 = nullptr;
  QScrollBar* avispeedchange = nullptr;
  QLabel* avispeedlabel = nullptr;
  QGroupBox* avisizegroup = nullptr;
  QToolButton* avispinup = nullptr;
  QToolButton* avispindown = nullptr;
  QLineEdit* avieditsize = nullptr;
  QLabel* Label11 = nullptr;
  QPushButton* avidefaultsizebutton = nullptr;
  QLabel* avidimensionlabel = nullptr;
  AreaSelect* aviselectgroup = nullptr;
  QTimer* Timer1 = nullptr;

 private:
  void showAtPercent();
  void buildControls();
  void updateFrameLabel();
  void setTrackPosition(int pos);
  void applySize(int w, int h);
  void disableCopyUnlessWhole();
  void stopTimer();
  void jog(int frames);

  FxState& st_;
  Tpamain* main_;
  bool settingTrack_ = false;  // the program, not the user, moves the track bar
};

}  // namespace fx
