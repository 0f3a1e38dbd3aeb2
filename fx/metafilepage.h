// The page "Vector Graphic Image to Bitmap": the metafile view on the left,
// the control column `wmfctrlpanel` on the right.
#pragma once

#include <QWidget>

#include "fx/fxstate.h"

class QScrollArea;
class QPushButton;
class QLabel;

namespace pz {
class SurfaceWidget;
}

namespace fx {

class AreaSelect;
class Tpamain;

class MetafilePage : public QWidget {
  Q_OBJECT
 public:
  MetafilePage(FxState& st, Tpamain* main);

  // Redraws the held picture at its current size (activation, page change).
  void redraw();
  // At every activation: "Retrieve WMF File from Clipboard..." is enabled only
  // while the clipboard holds a metafile.
  void updateClipboardButton();

  QScrollArea* wmfscroll = nullptr;
  pz::SurfaceWidget* wmfdisplay = nullptr;
  QWidget* wmfctrlpanel = nullptr;
  QPushButton* wmfbrowseforfilebutton = nullptr;
  QPushButton* wmffromclipboardbutt = nullptr;
  QLabel* wmffilelabel = nullptr;
  AreaSelect* GroupBox3 = nullptr;

 private:
  FxState& st_;
  Tpamain* main_;
};

}  // namespace fx
