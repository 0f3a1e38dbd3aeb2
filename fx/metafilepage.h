// The page "Vector Graphic Image to Bitmap": the metafile view on the left,
// the control column `wmfctrlpanel` on the right.
#pragma once

#include <QWidget>

#include "fx/fxstate.h"

class QScrollArea;
class QPushButton;
class QToolButton;
class QLabel;
class QLineEdit;
class QGroupBox;

namespace pz {
class SurfaceWidget;
}

namespace fx {

class AreaSelect;
class Tpamain;

// The rendered size for a percentage: native x percent / 100 in single
// precision, rounded to nearest with halves to even.
int metafileScaled(int native, int percent);
// The open dialog's filter: Windows and enhanced metafiles (any case).
QString metafileFileFilter();
// "Width: W  Height: H".
QString metafileSizeLabel(int w, int h);
// The held picture drawn stretched into a w x h white bitmap (empty when
// nothing is held).
pz::Surface renderHeldPicture(const MetafileState& m, int w, int h);

class MetafilePage : public QWidget {
  Q_OBJECT
 public:
  MetafilePage(FxState& st, Tpamain* main);

  // Redraws the held picture at its current size (activation, page change).
  void redraw();
  // At every activation: "Retrieve WMF File from Clipboard..." is enabled only
  // while the clipboard holds a metafile.
  void updateClipboardButton();

  // Handlers.
  void wmfbrowseforfilebuttonClick();
  void wmffromclipboardbuttClick();
  void wmfspinupClick();
  void wmfspindownClick();
  void wmfnativesizebuttonClick();
  void wmfctrlpanelClick();

  // The view painted white, the held picture rendered w x h at its top left.
  void renderMetafile(int w, int h);

  QScrollArea* wmfscroll = nullptr;
  pz::SurfaceWidget* wmfdisplay = nullptr;
  QWidget* wmfctrlpanel = nullptr;
  QPushButton* wmfbrowseforfilebutton = nullptr;
  QPushButton* wmffromclipboardbutt = nullptr;
  QLabel* wmffilelabel = nullptr;
  QGroupBox* GroupBox5 = nullptr;
  QToolButton* wmfspinup = nullptr;
  QToolButton* wmfspindown = nullptr;
  QLineEdit* wmfeditsize = nullptr;
  QLabel* Label14 = nullptr;
  QPushButton* wmfnativesizebutton = nullptr;
  QLabel* wmfdimensionlabel = nullptr;
  AreaSelect* GroupBox3 = nullptr;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void sizeChanged(int w, int h);
  void loaded();
  FxState& st_;
  Tpamain* main_;
};

}  // namespace fx
