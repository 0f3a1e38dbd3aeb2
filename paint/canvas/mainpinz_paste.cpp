// Selection commands, paste, clip art, printing and starting PinzFX: thin
// handlers over the plain functions of paint/files.
#include <QApplication>
#include <QCoreApplication>
#include <QPrinter>
#include <ctime>

#include "paint/canvas/mainpinz.h"
#include "paint/canvas/toolform.h"
#include "paint/files/artform.h"
#include "paint/files/paste.h"
#include "paint/files/pinzfx_start.h"
#include "paint/files/printing.h"
#include "paint/files/selection.h"
#include "platform/printer.h"
#include "platform/prompt.h"

namespace pz {

namespace {

// What the paste preview last covered on the surface. There is one main
// window, and a placement starts afresh at every Paste.
PastePreview pastePreview;

Rect spriteBlock(const PaintState& st) {
  if (st.spritePos == Point{0, 0}) return {};
  return {st.spritePos.x, st.spritePos.y, st.spritePos.x + 50, st.spritePos.y + 50};
}

}  // namespace

void Tmainpinz::tpopdelClick() {
  paintSprite(st.pointerPoint.x, st.pointerPoint.y, false);
  clearSelection(st);
  st.pictureChanged = true;
  showPicture();
  paintSprite(st.pointerPoint.x, st.pointerPoint.y, true);
}

// Cut is Delete: the clipboard already holds the selection.
void Tmainpinz::tpopcutClick() { tpopdelClick(); }

void Tmainpinz::tpopcopyClick() {
  paintSprite(st.pointerPoint.x, st.pointerPoint.y, false);
  showPicture();
  paintSprite(st.pointerPoint.x, st.pointerPoint.y, true);
}

void Tmainpinz::tpopmaketextClick() {
  paintSprite(st.pointerPoint.x, st.pointerPoint.y, false);
  // The name is drawn (and the generator seeded) before the question.
  const QString path = newTexturePath(textureFolder(st), static_cast<std::uint64_t>(std::time(nullptr)));
  if (prompter().confirm(QCoreApplication::translate("pz::Files", kTextureQuestion))) {
    if (!writeSelectionTexture(st, path)) prompter().info(tr("The texture could not be saved."));
  }
  showPicture();
  paintSprite(st.pointerPoint.x, st.pointerPoint.y, true);
}

void Tmainpinz::popuppasteClick() {
  endPaste();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QString error;
  std::optional<Surface> image = pasteImageFromClipboard(&error);
  if (!image) {
    // Refused before anything changed: no undo point, no zoom change.
    QApplication::restoreOverrideCursor();
    if (!error.isEmpty()) prompter().info(error);
    return;
  }
  takeUndoCopy();
  st.zoomState = 4;
  setScrollRanges();  // the positions must fit the 1:1 view
  showPicture();
  buildPasteBmp(st, *image);
  image.reset();
  st.pasteActive = 1;
  QApplication::restoreOverrideCursor();
  paintSprite(st.pointerPoint.x, st.pointerPoint.y, false);
  showPicture();
  st.previousTool = st.currentTool;
  st.currentTool = ToolPastePlace;
  st.previousCursorKind = st.cursorKind;
  st.cursorKind = 10;
  loadSpriteArt();
  QCoreApplication::processEvents();
  if (st.pasteActive != 1) return;  // a handler run meanwhile abandoned it
  st.stroking = 1;
  pastePreview = PastePreview();
  drawPastePreview({st.pointerPoint.x, st.pointerPoint.y});
}

void Tmainpinz::drawPastePreview(QPoint surfacePoint) {
  if (st.pasteActive != 1 || st.pasteBmp.isNull()) return;
  const auto changed = pastePreview.draw(mapdisp->surface(), st, hpos(), vpos(),
                                         {surfacePoint.x(), surfacePoint.y()}, spriteBlock(st), kBeyondPicture);
  for (const Rect& r : changed)
    if (!r.isEmpty()) mapdisp->show(r);
}

void Tmainpinz::dropPaste(QPoint surfacePoint) {
  if (st.pasteBmp.isNull()) return;
  dropPasteAt(st, {surfacePoint.x(), surfacePoint.y()}, hpos(), vpos());
  st.pictureChanged = true;
  pastePreview = PastePreview();
}

void Tmainpinz::popupclipartClick() {
  endPaste();
  {
    Tartform form(st.programDir, this);
    execModal(&form);
  }
  QCoreApplication::processEvents();
  st.spritePos = {0, 0};
  showPicture();
  QCoreApplication::processEvents();
}

void Tmainpinz::popupprintClick() {
  endPaste();
  takeUndoCopy();
  QString error;
  if (!printPicture(*printer(), st.pictureBmp, &error)) {
    prompter().info(error);
    return;
  }
  refreshAll();
}

void Tmainpinz::popupprintsetupClick() { runPrinterSetup(*printer(), this); }

namespace {
void startCompanion(Tmainpinz& w, char letter) {
  w.endPaste();
  startPinzfx(w.st.programDir, letter);  // a missing pinzfx is not reported
  QCoreApplication::processEvents();
  w.st.zoomState = 4;
  w.refreshAll();
}
}  // namespace

void Tmainpinz::popupgetaviClick() { startCompanion(*this, 'A'); }
void Tmainpinz::popuptexteffectClick() { startCompanion(*this, 'T'); }
void Tmainpinz::popupgetwmfClick() { startCompanion(*this, 'W'); }

}  // namespace pz
