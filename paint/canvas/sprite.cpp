// The pointer sprite drawn beside the pointer on the drawing surface, and the
// inverting rubber frame.
#include "paint/canvas/artcache.h"
#include "paint/canvas/mainpinz.h"

namespace pz {

namespace {
struct SpriteKind {
  const char* file;
  int dx, dy;
};
// Art file and offset from the pointer for each cursor kind 1..11.
constexpr SpriteKind kSprites[12] = {
    {nullptr, 0, 0},        {"a3.pzl", -2, -42},  {"a4.pzl", -5, -43},  {"a5.pzl", -3, -45},
    {"a6.pzl", -25, -3},    {"a7.pzl", -24, -3},  {"a8.pzl", -9, -5},   {"a9.pzl", -25, -25},
    {"a10.pzl", -32, -22},  {"a14.pzl", -38, -45}, {"a15.pzl", -25, -25}, {"a17.pzl", -15, -15},
};
bool validKind(int k) { return k >= 1 && k <= 11; }
}  // namespace

void Tmainpinz::loadSpriteArt() {
  st.spriteBmp.create(150, 50, kBlack);
  if (!validKind(st.cursorKind)) return;
  const Surface& art = art_.get(QString::fromLatin1(kSprites[st.cursorKind].file));
  bitBlt(st.spriteBmp, 0, 0, 150, 50, &art, 0, 0);
  if (st.cursorKind == 7) {
    // The eraser shows a red square as wide as it erases, centred on the pointer.
    Surface& s = st.spriteBmp;
    patBlt(s, 0, 0, 50, 50, Rop::Blackness);
    patBlt(s, 50, 0, 50, 50, Rop::Whiteness);
    const int r = 2 * st.strokeWidth;
    s.brush.hollow = true;
    s.pen = {PenStyle::Solid, 2, 0x0000FF};
    s.rectangle(25 - r, 25 - r, 25 + r, 25 + r);
    s.pen.color = kBlack;
    s.rectangle(75 - r, 25 - r, 75 + r, 25 + r);
    s.brush.hollow = false;
    s.pen = Pen();
  }
}

void Tmainpinz::paintSprite(int X, int Y, bool draw) {
  const int k = validKind(st.cursorKind) ? st.cursorKind : 0;
  const int sx = X + kSprites[k].dx, sy = Y + kSprites[k].dy;
  Surface& surf = mapdisp->surface();
  Surface& spr = st.spriteBmp;
  if (st.spritePos == Point{0, 0}) {
    bitBlt(spr, 100, 0, 50, 50, &surf, sx, sy);
    st.spritePos = {sx, sy};
    return;
  }
  if (!draw) {
    bitBlt(surf, st.spritePos.x, st.spritePos.y, 50, 50, &spr, 100, 0);
    mapdisp->show({st.spritePos.x, st.spritePos.y, st.spritePos.x + 50, st.spritePos.y + 50});
    return;
  }
  bitBlt(spr, 100, 0, 50, 50, &surf, sx, sy);
  bitBlt(surf, sx, sy, 50, 50, &spr, 50, 0, Rop::SrcAnd);
  bitBlt(surf, sx, sy, 50, 50, &spr, 0, 0, Rop::SrcPaint);
  st.spritePos = {sx, sy};
  mapdisp->show({sx, sy, sx + 50, sy + 50});
}

void Tmainpinz::resaveSpriteBackground() {
  // The surface under the sprite was just redrawn without it: what lies there
  // now is the background, and the one saved before is stale.
  if (st.spritePos == Point{0, 0}) return;
  bitBlt(st.spriteBmp, 100, 0, 50, 50, &mapdisp->surface(), st.spritePos.x, st.spritePos.y);
}

void Tmainpinz::mapdispLeave() {
  // The pointer may leave onto a child of the strip (the UNDO label, a zoom
  // image), another window or a popup menu; none of them reports a move of
  // its own, so the sprite goes as the pointer goes. Only its block is put
  // back: a full redraw would wipe a selection frame that a menu is showing.
  if (st.spriteOnSurface != 1) return;
  if (st.spritePos != Point{0, 0}) paintSprite(st.spritePos.x, st.spritePos.y, false);
  st.spritePos = {0, 0};
  st.spriteOnSurface = 0;
}

void Tmainpinz::removeSprite() {
  if (st.spriteOnSurface != 1) return;
  paintSprite(st.spritePos.x, st.spritePos.y, false);
  showPicture();
  st.spritePos = {0, 0};
  st.spriteOnSurface = 0;
}

void Tmainpinz::drawFrame(QPoint a, QPoint b) {
  Surface& s = mapdisp->surface();
  s.pen = {PenStyle::Dot, 1, kBlack};
  s.rop2 = Rop2::Not;
  s.moveTo(a.x(), a.y());
  s.lineTo(b.x(), a.y());
  s.lineTo(b.x(), b.y());
  s.lineTo(a.x(), b.y());
  s.lineTo(a.x(), a.y());
  s.rop2 = Rop2::CopyPen;
  s.pen = Pen();
  mapdisp->show({std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()) + 1,
                 std::max(a.y(), b.y()) + 1});
}

}  // namespace pz
