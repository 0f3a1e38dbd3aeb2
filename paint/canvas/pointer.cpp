// Pointer input on the drawing surface: strokes, the rubber-band modes, the
// right-button menu, and UNDO.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>

#include "paint/canvas/mainpinz.h"
#include "paint/tools/dispatch.h"
#include "platform/clipboard.h"

namespace pz {

namespace {
bool rubberLevel(int zoomState) { return zoomState == 4 || zoomState == 6; }
}  // namespace

void Tmainpinz::mapdispMouseDown(Qt::MouseButton button, int X, int Y) {
  if (button == Qt::LeftButton) {
    st.lastPoint = st.anchorPoint = st.pointerPoint = {X, Y};
    if (st.swallowPress == 1) {
      st.swallowPress = 0;
      return;
    }
    st.stroking = 1;
    paintSprite(X, Y, false);
    if (st.currentTool == ToolZoomRect && rubberLevel(st.zoomState)) {
      drawFrame({st.lastPoint.x, st.lastPoint.y}, {X, Y});
      return;
    }
    const Point p = screenToPicture({X, Y});
    if (st.currentTool == ToolAreaSelect) {
      areaSelect(1);
      return;
    }
    applyToolPoint(p.x, p.y, 1);
    paintSprite(X, Y, true);
    return;
  }
  if (button != Qt::RightButton) return;
  endPaste();
  if (st.currentTool == ToolZoomRect) {
    st.swallowPress = 0;
    st.cursorKind = st.previousCursorKind;
    st.currentTool = st.previousTool;
    showPicture();
    loadSpriteArt();
    paintSprite(X, Y, true);
    return;
  }
  N1->setVisible(false);
  popupzoom->setVisible(rubberLevel(st.zoomState));
  popuppaste->setVisible(clipboardHasImage());
  // Opens where the pointer really is on the screen.
  QAction* chosen = openMenu(pinzpopup, mapdisp->mapToGlobal(mapdisp->toWidget({X, Y})));
  st.swallowPress = 1;
  dispatchSurfaceMenu(chosen);
}

void Tmainpinz::dispatchSurfaceMenu(QAction* a) {
  // The command runs after the menu has closed, so it may clear swallowPress.
  if (!a) return;
  if (a == popupprintsetup) popupprintsetupClick();
  else if (a == popupprint) popupprintClick();
  else if (a == popuppaste) popuppasteClick();
  else if (a == popupclipart) popupclipartClick();
  else if (a == popupzoom) popupzoomClick();
  else if (a == popupgetavi) popupgetaviClick();
  else if (a == popuptexteffect) popuptexteffectClick();
  else if (a == popupgetwmf) popupgetwmfClick();
}

void Tmainpinz::mapdispMouseMove(int X, int Y) {
  Label1->setText(QStringLiteral("%1 %2").arg(X).arg(Y));
  st.pointerPoint = {X, Y};
  st.spriteOnSurface = 1;
  if (st.stroking == 1) {
    if (st.currentTool == ToolZoomRect && rubberLevel(st.zoomState)) {
      drawFrame({st.anchorPoint.x, st.anchorPoint.y}, {st.lastPoint.x, st.lastPoint.y});
      drawFrame({st.anchorPoint.x, st.anchorPoint.y}, {X, Y});
      st.lastPoint = {X, Y};
      return;
    }
    const Point p = screenToPicture({X, Y});
    if (st.currentTool == ToolAreaSelect) {
      areaSelect(2);
      return;
    }
    applyToolPoint(p.x, p.y, 2);
  } else {
    paintSprite(X, Y, false);
  }
  paintSprite(X, Y, true);
}

void Tmainpinz::mapdispMouseUp(Qt::MouseButton, int X, int Y) {
  paintSprite(X, Y, false);
  if (st.stroking == 1 && st.currentTool == ToolZoomRect) {
    st.stroking = 0;
    if (rubberLevel(st.zoomState)) {
      drawFrame({st.anchorPoint.x, st.anchorPoint.y}, {st.lastPoint.x, st.lastPoint.y});
      if (std::abs(X - st.anchorPoint.x) > 30 && std::abs(Y - st.anchorPoint.y) > 30)
        zoomToRect(st.anchorPoint.x, st.anchorPoint.y, X, Y);
    }
    st.currentTool = st.previousTool;
    st.cursorKind = st.previousCursorKind;
    loadSpriteArt();
    showPicture();
    paintSprite(X, Y, true);
    return;
  }
  if (st.stroking == 1) {
    st.stroking = 0;
    if (st.currentTool == ToolPastePlace) {
      dropPaste({X, Y});
      st.currentTool = st.previousTool;
      st.cursorKind = st.previousCursorKind;
      loadSpriteArt();
      st.pasteBmp = Surface();
      st.pasteActive = 0;
    }
    if (st.currentTool == ToolAreaSelect) areaSelect(3);
    showPicture();
  }
  paintSprite(X, Y, true);
  if (st.currentTool == ToolAreaSelect) areaSelect(4);
}

void Tmainpinz::applyToolPoint(int x, int y, int phase) {
  switch (st.currentTool) {
    case ToolBucket:
      st.stroking = 0;
      toolStep(st, x, y, phase);
      showPicture();
      return;
    case ToolDropper: {
      // A pick beyond the picture's edge has no colour: keep the current one.
      const Color c = st.pictureBmp.pixel(x, y);
      if (c != kInvalid) st.currentColor = c;
      st.stroking = 0;
      st.currentTool = st.previousTool;
      st.cursorKind = st.previousCursorKind;
      loadSpriteArt();
      refreshAll();
      break;
    }
    default: toolStep(st, x, y, phase); break;
  }
  showAroundPoint(x, y);
  if (st.currentTool == ToolPastePlace) drawPastePreview({st.pointerPoint.x, st.pointerPoint.y});
}

void Tmainpinz::areaSelect(int phase) {
  const QPoint anchor(st.anchorPoint.x, st.anchorPoint.y), pointer(st.pointerPoint.x, st.pointerPoint.y);
  switch (phase) {
    case 1: drawFrame({st.lastPoint.x, st.lastPoint.y}, pointer); break;
    case 2:
      drawFrame(anchor, {st.lastPoint.x, st.lastPoint.y});
      drawFrame(anchor, pointer);
      st.lastPoint = st.pointerPoint;
      break;
    case 3: {
      const int left = std::min(anchor.x(), pointer.x()), right = std::max(anchor.x(), pointer.x());
      const int top = std::min(anchor.y(), pointer.y()), bottom = std::max(anchor.y(), pointer.y());
      st.anchorPoint = {left, top};
      const Point a = screenToPicture({left, top}), b = screenToPicture({right, bottom});
      const int w = std::abs(b.x - a.x), h = std::abs(b.y - a.y);
      if (w > 9 && h > 9) {
        // Pixels beyond the picture's edge come out white.
        setClipboardImage(st.pictureBmp.copy({a.x, a.y, a.x + w, a.y + h}, kWhite));
      }
      st.selScreen = {left, top, right, bottom};
      st.selPicture = {a.x, a.y, b.x, b.y};
      break;
    }
    case 4: {
      paintSprite(st.pointerPoint.x, st.pointerPoint.y, false);
      const auto& sp = st.selPicture;
      if (sp.right - sp.left < 10 || sp.bottom - sp.top < 10) return;
      Surface& s = mapdisp->surface();
      s.pen = {PenStyle::Dot, 1, 0xFF0000};
      s.brush.hollow = true;
      for (int i = 0; i < 5; ++i) {
        const auto& r = st.selScreen;
        s.moveTo(r.left + i, r.top + i);
        s.lineTo(r.right - i, r.top + i);
        s.lineTo(r.right - i, r.bottom - i);
        s.lineTo(r.left + i, r.bottom - i);
        s.lineTo(r.left + i, r.top + i);
      }
      s.brush.hollow = false;
      s.pen = Pen();
      mapdisp->showAll();
      paintSprite(st.pointerPoint.x, st.pointerPoint.y, true);
      tpopmaketext->setVisible(sp.right - sp.left >= 50 && sp.bottom - sp.top >= 50);
      QAction* chosen = openMenu(tinypop, mapdisp->mapToGlobal(mapdisp->toWidget(pointer)));
      if (chosen == tpopdel) tpopdelClick();
      else if (chosen == tpopcut) tpopcutClick();
      else if (chosen == tpopcopy) tpopcopyClick();
      else if (chosen == tpopmaketext) tpopmaketextClick();
      break;
    }
  }
}

void Tmainpinz::popupzoomClick() {
  st.swallowPress = 0;
  st.previousTool = st.currentTool;
  st.currentTool = ToolZoomRect;
  st.previousCursorKind = st.cursorKind;
  st.cursorKind = 11;
  loadSpriteArt();
  showPicture();
  paintSprite(st.pointerPoint.x, st.pointerPoint.y, true);
}

void Tmainpinz::endZoomRect() {
  if (st.currentTool != ToolZoomRect) return;
  if (st.stroking == 1 && rubberLevel(st.zoomState))
    drawFrame({st.anchorPoint.x, st.anchorPoint.y}, {st.lastPoint.x, st.lastPoint.y});
  st.stroking = 0;
  st.currentTool = st.previousTool;
  st.cursorKind = st.previousCursorKind;
  loadSpriteArt();
}

void Tmainpinz::Label2Click() {
  endPaste();
  // UNDO right after an open or a save gives back the same picture: that is
  // no change worth asking about when the child quits.
  if (!(st.pictureBmp == st.undoBmp)) st.pictureChanged = true;
  bitBlt(st.pictureBmp, 0, 0, st.pictureBmp.width(), st.pictureBmp.height(), &st.undoBmp, 0, 0);
  refreshAll();
}

}  // namespace pz
