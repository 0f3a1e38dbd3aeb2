#include "fx/areaselect.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

#include "fx/fxpictures.h"
#include "platform/clipboard.h"

namespace fx {

namespace {
QToolButton* modeButton(QWidget* parent, const QString& name, FxPicture pic, const QString& hint, int x) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setIcon(QPixmap::fromImage(fxPicture(pic)));
  b->setIconSize(QSize(31, 31));
  b->setGeometry(x, 20, 35, 35);
  b->setToolTip(hint);
  b->setAutoRaise(false);
  return b;
}
}  // namespace

AreaSelect::AreaSelect(SelectionState& sel, pz::SurfaceWidget* view, const Names& names, QWidget* parent)
    : QGroupBox(tr(" Area Select "), parent), sel_(sel), view_(view) {
  setObjectName(names.group);
  setFixedSize(200, 146);
  QFont bold = font();
  bold.setBold(true);
  setFont(bold);
  QFont plain = bold;
  plain.setBold(false);

  rectButton = modeButton(this, names.rect, FxPicture::RectSelect, tr("Copy a rectangular area"), 18);
  irregButton = modeButton(this, names.irreg, FxPicture::IrregSelect, tr("Copy irregular area"), 82);
  wholeButton = modeButton(this, names.whole, FxPicture::WholeSelect, tr("Copy the whole image"), 146);

  arrow = new QLabel(this);
  arrow->setObjectName(names.arrow);
  arrow->setPixmap(QPixmap::fromImage(fxPicture(FxPicture::MarkerArrow)));
  arrow->setGeometry(rectButton->x() + 2, 56, 31, 17);

  copyButton = new QPushButton(tr("Copy Selected Area to Clipboard"), this);
  copyButton->setObjectName(names.copy);
  copyButton->setFont(plain);
  copyButton->setGeometry(7, 76, 186, 28);

  returnButton = new QPushButton(tr("Return to Pinzola"), this);
  returnButton->setObjectName(names.ret);
  returnButton->setFont(plain);
  returnButton->setGeometry(7, 110, 186, 28);

  connect(rectButton, &QToolButton::clicked, this, [this] { chooseMode(SelectRect); });
  connect(irregButton, &QToolButton::clicked, this, [this] { chooseMode(SelectIrregular); });
  connect(wholeButton, &QToolButton::clicked, this, [this] { chooseMode(SelectWhole); });
  connect(copyButton, &QPushButton::clicked, this, [this] { copySelectionToClipboard(); });
  connect(returnButton, &QPushButton::clicked, this, [this] {
    if (onReturn) onReturn();
  });
}

void AreaSelect::moveArrowUnder(QWidget* button) { arrow->move(button->x() + 2, arrow->y()); }

void AreaSelect::chooseMode(int mode) {
  if (repaintOnModeChoice && repaintView) repaintView();
  moveArrowUnder(mode == SelectIrregular ? irregButton : mode == SelectWhole ? wholeButton : rectButton);
  sel_.selectMode = mode;
  setCopyEnabled(mode == SelectWhole);
  if (onModeChosen) onModeChosen(mode);
}

void AreaSelect::showView() {
  if (view_) view_->showAll();
}

void AreaSelect::pressAs(int mode, int x, int y) { selectionPress(sel_, mode, x, y); }

void AreaSelect::dragAs(int mode, int x, int y) {
  if (!sel_.pointerDown || !view_) return;
  selectionDrag(sel_, mode, view_->surface(), x, y);
  showView();
}

void AreaSelect::releaseAs(int mode, int x, int y) {
  if (!sel_.pointerDown || !view_) {
    sel_.pointerDown = false;
    return;
  }
  switch (selectionRelease(sel_, mode, view_->surface(), x, y)) {
    case ReleaseResult::Completed:
      setCopyEnabled(true);
      break;
    case ReleaseResult::Dropped:
      if (repaintOnDrop && repaintView) repaintView();
      break;
    case ReleaseResult::Nothing:
      break;
  }
  showView();
}

void AreaSelect::connectView() {
  if (!view_) return;
  view_->onPress = [this](QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) press(e->position().toPoint().x(), e->position().toPoint().y());
  };
  view_->onMove = [this](QMouseEvent* e) {
    if (e->buttons() & Qt::LeftButton) drag(e->position().toPoint().x(), e->position().toPoint().y());
  };
  view_->onRelease = [this](QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) release(e->position().toPoint().x(), e->position().toPoint().y());
  };
}

std::optional<pz::Surface> AreaSelect::selectionBitmap() {
  if (!view_) return std::nullopt;
  pz::Surface& v = view_->surface();
  std::optional<pz::Surface> bmp;
  switch (sel_.selectMode) {
    case SelectWhole: {
      const pz::Rect r = wholeRect ? wholeRect() : v.bounds();
      bmp = blockBitmap(v, {0, 0, r.width(), r.height()});
      break;
    }
    case SelectRect: {
      if (repaintBeforeRectCopy) {
        // The frame shown now may not be the one under the outline.
        if (repaintView) repaintView();
        sel_.markOutlined = false;
        sel_.underMark.clear();
      } else {
        // The outline's pixels are given back, so the view and the copy show
        // the picture as it was before the outline was drawn.
        removeMark(v, sel_);
      }
      const pz::Rect r = markedRect(sel_);
      sel_.markFrom = {r.left, r.top};
      sel_.markTo = {r.right, r.bottom};
      sel_.selEnd = sel_.markTo;
      bmp = blockBitmap(v, r);
      break;
    }
    case SelectIrregular:
      if (repaintView) repaintView();
      bmp = outlineBitmap(view_->surface(), sel_);
      break;
    default:
      break;
  }
  showView();
  return bmp;
}

bool AreaSelect::copySelectionToClipboard() {
  const std::optional<pz::Surface> bmp = selectionBitmap();
  if (!bmp) return false;
  pz::setClipboardImage(*bmp);
  return true;
}

void AreaSelect::setCopyEnabled(bool on) { copyButton->setEnabled(on); }
bool AreaSelect::copyEnabled() const { return copyButton->isEnabled(); }

}  // namespace fx
