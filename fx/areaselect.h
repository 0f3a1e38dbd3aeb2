// The " Area Select " group that ends every page's control column, and the
// marking and copying it drives on the page's view.
//
// A page creates one AreaSelect with its view and fills in the hooks; the view's
// pointer events go to press/drag/release (connectView() does that for pages
// without pointer handling of their own).
#pragma once

#include <QGroupBox>
#include <functional>

#include "fx/selection.h"
#include "platform/surfacewidget.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace fx {

class AreaSelect : public QGroupBox {
  Q_OBJECT
 public:
  // Object names of the group's controls on one page.
  struct Names {
    QString group, rect, irreg, whole, arrow, copy, ret;
  };
  AreaSelect(SelectionState& sel, pz::SurfaceWidget* view, const Names& names, QWidget* parent);

  // --- hooks a page fills in ---
  // The source rectangle of a whole-image copy (view pixels from (0, 0)).
  std::function<pz::Rect()> wholeRect;
  // Repaints the view without any marks (video frame, snapshot, metafile).
  // Used before an outline copy, and for whatever the flags below ask.
  std::function<void()> repaintView;
  // The video page removes a rectangle's outline by repainting the frame;
  // the other pages put back the pixels the outline covered.
  bool repaintBeforeRectCopy = false;
  // The metafile page repaints the view when a marking is dropped and before
  // a mode is chosen.
  bool repaintOnDrop = false;
  bool repaintOnModeChoice = false;
  // Called after a mode button was handled (the text page sets its tool).
  std::function<void(int mode)> onModeChosen;
  // "Return to Pinzola".
  std::function<void()> onReturn;

  // --- pointer steps, positions in view pixels; `mode` defaults to selectMode ---
  void press(int x, int y) { pressAs(sel_.selectMode, x, y); }
  void drag(int x, int y) { dragAs(sel_.selectMode, x, y); }
  void release(int x, int y) { releaseAs(sel_.selectMode, x, y); }
  void pressAs(int mode, int x, int y);
  void dragAs(int mode, int x, int y);  // only while pointerDown
  void releaseAs(int mode, int x, int y);
  // Routes the view's press, move and release (left button) to the three steps.
  void connectView();

  // Mode buttons: what a click on each does.
  void chooseMode(int mode);
  // "Copy Selected Area to Clipboard". False when nothing was placed (a
  // selection of zero width or height).
  bool copySelectionToClipboard();
  // The bitmap a copy would place, without touching the clipboard (the view's
  // marks are removed as for a real copy).
  std::optional<pz::Surface> selectionBitmap();

  void setCopyEnabled(bool on);
  bool copyEnabled() const;

  SelectionState& selection() { return sel_; }
  pz::SurfaceWidget* view() const { return view_; }
  // Shows the view's changed pixels.
  void showView();

  QToolButton* rectButton = nullptr;
  QToolButton* irregButton = nullptr;
  QToolButton* wholeButton = nullptr;
  QLabel* arrow = nullptr;
  QPushButton* copyButton = nullptr;
  QPushButton* returnButton = nullptr;

 private:
  void moveArrowUnder(QWidget* button);
  SelectionState& sel_;
  pz::SurfaceWidget* view_;
};

}  // namespace fx
