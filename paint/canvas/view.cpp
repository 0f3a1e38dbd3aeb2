#include "paint/canvas/view.h"

#include <QScrollBar>
#include <cmath>
#include <cstdlib>

#include "paint/canvas/mainpinz.h"
#include "platform/prompt.h"

namespace pz {

double zoomFactorOf(int zoomState) {
  switch (zoomState) {
    case 2: return 0.5;
    case 3: return 0.25;
    case 6: return 2.0;
    default: return 1.0;
  }
}

ScrollRange scrollRangeFor(int pictureSide, int surfaceSide, int zoomState) {
  const double f = zoomFactorOf(zoomState);
  ScrollRange r;
  r.maximum = std::abs(int(std::trunc(pictureSide - surfaceSide * f)));
  r.largeStep = zoomState == 6 ? r.maximum / 3 : r.maximum / 20;
  return r;
}

Point surfaceToPicture(int X, int Y, int hpos, int vpos, int zoomState) {
  if (zoomState == 4) return {X + hpos, Y + vpos};
  const double f = zoomFactorOf(zoomState);
  const int x = hpos >= 2 ? int(std::trunc(f * std::trunc(X + hpos / f))) : int(std::trunc(f * (X + hpos)));
  const int y = vpos >= 4 ? int(std::trunc(f * std::trunc(Y + vpos / f))) : int(std::trunc(f * (Y + vpos)));
  return {x, y};
}

int zoomLevelForWidth(int w, int W) {
  if (w > W) return 0;
  if (2 * w > W) return 4;
  if (int(std::trunc(2.5 * w)) > W) return 2;
  return 3;
}

int zoomInFrom(int z) {
  switch (z) {
    case 6: return 4;
    case 4: return 2;
    default: return 3;
  }
}

int zoomOutFrom(int z) {
  switch (z) {
    case 3: return 2;
    case 2: return 4;
    default: return 6;
  }
}

// --- The main window's view operations ---

double Tmainpinz::zoomFactor() const { return zoomFactorOf(st.zoomState); }
int Tmainpinz::hpos() const { return hscroll->value(); }
int Tmainpinz::vpos() const { return vscroll->value(); }

Point Tmainpinz::screenToPicture(QPoint p) const { return surfaceToPicture(p.x(), p.y(), hpos(), vpos(), st.zoomState); }

void Tmainpinz::showPicture() {
  Surface& s = mapdisp->surface();
  const int W = s.width(), H = s.height();
  const int h = hpos(), v = vpos();
  const Surface& pic = st.pictureBmp;
  switch (st.zoomState) {
    case 2: stretchBlt(s, 0, 0, W, H, pic, h, v, W / 2, H / 2, Rop::SrcCopy, kBeyondPicture); break;
    case 3: stretchBlt(s, 0, 0, W, H, pic, h, v, W / 4, H / 4, Rop::SrcCopy, kBeyondPicture); break;
    case 6: stretchBlt(s, 0, 0, W, H, pic, h, v, 2 * W, 2 * H, Rop::SrcCopy, kBeyondPicture); break;
    default: {
      // 1:1: copy what the picture covers, paint the rest calm.
      const int cw = std::clamp(pic.width() - h, 0, W), ch = std::clamp(pic.height() - v, 0, H);
      bitBlt(s, 0, 0, cw, ch, &pic, h, v);
      s.fillRect({cw, 0, W, H}, kBeyondPicture);
      s.fillRect({0, ch, cw, H}, kBeyondPicture);
      break;
    }
  }
  resaveSpriteBackground();
  mapdisp->showAll();
}

void Tmainpinz::showAroundPoint(int x, int y) {
  Surface& s = mapdisp->surface();
  const int h = hpos(), v = vpos();
  const Surface& pic = st.pictureBmp;
  Rect shown;
  switch (st.zoomState) {
    case 4:
      shown = {x - h - 100, y - v - 100, x - h + 100, y - v + 100};
      stretchBlt(s, shown.left, shown.top, 200, 200, pic, x - 100, y - 100, 200, 200, Rop::SrcCopy, kBeyondPicture);
      break;
    case 2: {
      x -= x & 1;
      y -= y & 1;
      shown = {2 * x - 2 * h - 150, 2 * y - 2 * v - 150, 0, 0};
      shown.right = shown.left + 300;
      shown.bottom = shown.top + 300;
      stretchBlt(s, shown.left, shown.top, 300, 300, pic, x - 75, y - 75, 150, 150, Rop::SrcCopy, kBeyondPicture);
      break;
    }
    case 6: {
      x -= x & 1;
      y -= y & 1;
      const int sx = int(std::floor(x / 2.0 - h / 2.0 - 75)), sy = int(std::floor(y / 2.0 - v / 2.0 - 75));
      shown = {sx, sy, sx + 150, sy + 150};
      stretchBlt(s, sx, sy, 150, 150, pic, x - 150, y - 150, 300, 300, Rop::SrcCopy, kBeyondPicture);
      break;
    }
    default: showPicture(); return;
  }
  mapdisp->show(shown);
}

void Tmainpinz::setScrollRanges() {
  if (st.zoomState == 6) {
    hscroll->setValue(0);
    vscroll->setValue(0);
  }
  const Surface& s = mapdisp->surface();
  const ScrollRange hr = scrollRangeFor(st.pictureBmp.width(), s.width(), st.zoomState);
  const ScrollRange vr = scrollRangeFor(st.pictureBmp.height(), s.height(), st.zoomState);
  // Lowering a maximum below the position moves the position, which redraws.
  hscroll->setMaximum(hr.maximum);
  vscroll->setMaximum(vr.maximum);
  hscroll->setPageStep(hr.largeStep);
  vscroll->setPageStep(vr.largeStep);
}

void Tmainpinz::refreshAll() {
  drawSwatch();
  setScrollRanges();
  showPicture();
  drawOptionsStrip();
}

void Tmainpinz::zoomToRect(int x1, int y1, int x2, int y2) {
  int left = std::min(x1, x2), right = std::max(x1, x2), top = std::min(y1, y2);
  if (st.zoomState == 6) {
    left = 2 * left + hpos();
    right = 2 * right + hpos();
    top = 2 * top + vpos();
  } else {
    left += hpos();
    right += hpos();
    top += vpos();
  }
  const int level = zoomLevelForWidth(right - left, mapdisp->surface().width());
  if (level == 0) return;
  st.zoomState = level;
  setScrollRanges();
  hscroll->setValue(left);  // QScrollBar keeps it within its range
  vscroll->setValue(top);
}

void Tmainpinz::changeZoom(int newState) {
  if (st.pasteActive == 1) {
    prompter().info(tr("Pasting can only take place at 1:1 zoom."));
    return;
  }
  st.zoomState = newState;
  setScrollRanges();
  showPicture();
}

void Tmainpinz::zoominClick() { changeZoom(zoomInFrom(st.zoomState)); }
void Tmainpinz::zoomoutClick() { changeZoom(zoomOutFrom(st.zoomState)); }
void Tmainpinz::nozoomimageClick() { changeZoom(4); }
void Tmainpinz::hscrollChange() { showPicture(); }
void Tmainpinz::vscrollChange() { showPicture(); }

}  // namespace pz
