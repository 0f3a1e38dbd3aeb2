#include "fx/selection.h"

#include <QPolygon>
#include <QRegion>
#include <algorithm>

namespace fx {

void rectangleOutline(pz::Surface& view, Point a, Point b) {
  view.moveTo(a.x, a.y);
  view.lineTo(b.x, a.y);
  view.lineTo(b.x, b.y);
  view.lineTo(a.x, b.y);
  view.lineTo(a.x, a.y);
}

namespace {
// Runs `draw` with a one-pixel solid pen of `color` under `rop2`, then puts the
// surface's drawing state back so a page's own drawing is not disturbed.
template <class F>
void withPen(pz::Surface& view, pz::Color color, pz::Rop2 rop2, F draw) {
  const pz::Pen savedPen = view.pen;
  const pz::Rop2 savedRop = view.rop2;
  view.pen = pz::Pen{pz::PenStyle::Solid, 1, color};
  view.rop2 = rop2;
  draw();
  view.pen = savedPen;
  view.rop2 = savedRop;
}
}  // namespace

void invertOutline(pz::Surface& view, Point a, Point b) {
  withPen(view, pz::kWhite, pz::Rop2::XorPen, [&] { rectangleOutline(view, a, b); });
}

std::vector<pz::Color> pixelsUnderOutline(const pz::Surface& view, Point a, Point b) {
  std::vector<pz::Color> kept;
  forEachOutlinePixel(a, b, [&](int x, int y) { kept.push_back(view.pixel(x, y)); });
  return kept;
}

void restoreUnderOutline(pz::Surface& view, Point a, Point b, const std::vector<pz::Color>& kept) {
  std::size_t i = 0;
  forEachOutlinePixel(a, b, [&](int x, int y) {
    if (i < kept.size() && view.pixel(x, y) == pz::kBlack) view.setPixel(x, y, kept[i]);
    ++i;
  });
}

void removeMark(pz::Surface& view, SelectionState& s) {
  if (s.markOutlined) restoreUnderOutline(view, s.markFrom, s.markTo, s.underMark);
  s.markOutlined = false;
  s.underMark.clear();
}

void drawSelectionFrame(pz::Surface& view, const SelectionState& s, int x, int y, FrameKind kind) {
  invertOutline(view, s.selStart, s.lastPoint);
  switch (kind) {
    case FrameKind::Band:
      invertOutline(view, s.selStart, {x, y});
      break;
    case FrameKind::Solid:
      withPen(view, pz::kBlack, pz::Rop2::CopyPen, [&] { rectangleOutline(view, s.selStart, {x, y}); });
      break;
    case FrameKind::Erase:
      break;
  }
}

void selectionPress(SelectionState& s, int mode, int x, int y) {
  s.pointerDown = true;
  if (mode == SelectIrregular) {
    s.outlinePoints[0] = {x, y};
    s.outlineCount = 0;
  }
  s.lastPoint = {x, y};
  s.selStart = {x, y};
}

void selectionDrag(SelectionState& s, int mode, pz::Surface& view, int x, int y) {
  switch (mode) {
    case SelectIrregular:
      // The last slot is kept for the closing point: beyond that the outline
      // simply stops growing.
      if (s.outlineCount < kMaxDragPoints) s.outlinePoints[++s.outlineCount] = {x, y};
      withPen(view, pz::kBlack, pz::Rop2::CopyPen, [&] {
        view.moveTo(s.lastPoint.x, s.lastPoint.y);
        view.lineTo(x, y);
      });
      break;
    case SelectRect:
      drawSelectionFrame(view, s, x, y, FrameKind::Band);
      break;
    default:
      break;
  }
  s.lastPoint = {x, y};
}

ReleaseResult selectionRelease(SelectionState& s, int mode, pz::Surface& view, int x, int y) {
  s.pointerDown = false;
  switch (mode) {
    case SelectRect: {
      // The band goes first, so what lies under the outline is the picture itself.
      drawSelectionFrame(view, s, x, y, FrameKind::Erase);
      const bool completed = x != s.selStart.x && y != s.selStart.y;
      std::vector<pz::Color> under;
      if (completed) under = pixelsUnderOutline(view, s.selStart, {x, y});
      withPen(view, pz::kBlack, pz::Rop2::CopyPen, [&] { rectangleOutline(view, s.selStart, {x, y}); });
      if (!completed) return ReleaseResult::Dropped;
      s.selEnd = {x, y};
      s.markFrom = s.selStart;
      s.markTo = s.selEnd;
      s.markOutlined = true;
      s.underMark = std::move(under);
      return ReleaseResult::Completed;
    }
    case SelectIrregular:
      if (s.outlineCount < 4) return ReleaseResult::Dropped;
      s.outlinePoints[++s.outlineCount] = s.selStart;
      return ReleaseResult::Completed;
    default:
      return ReleaseResult::Nothing;
  }
}

pz::Rect markedRect(const SelectionState& s) {
  const Point a = s.markFrom, b = s.markTo;
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

pz::Rect outlineBounds(const SelectionState& s, int viewWidth, int viewHeight) {
  pz::Rect r{viewWidth, viewHeight, 0, 0};
  for (int i = 0; i < s.outlineCount; ++i) {
    const Point p = s.outlinePoints[i];
    r.left = std::min(r.left, p.x);
    r.top = std::min(r.top, p.y);
    r.right = std::max(r.right, p.x);
    r.bottom = std::max(r.bottom, p.y);
  }
  return r;
}

std::optional<pz::Surface> blockBitmap(const pz::Surface& view, pz::Rect r) {
  if (r.isEmpty()) return std::nullopt;
  return view.copy(r, pz::kWhite);
}

std::optional<pz::Surface> outlineBitmap(const pz::Surface& view, const SelectionState& s) {
  const pz::Rect box = outlineBounds(s, view.width(), view.height());
  if (box.isEmpty() || s.outlineCount < 1) return std::nullopt;
  QPolygon poly(s.outlineCount);
  for (int i = 0; i < s.outlineCount; ++i)
    poly.setPoint(i, s.outlinePoints[i].x - box.left, s.outlinePoints[i].y - box.top);
  const QRegion region(poly, Qt::OddEvenFill);
  pz::Surface out(box.width(), box.height(), pz::kWhite);
  const pz::Rect inView = view.bounds();
  for (const QRect& q : region) {
    // Each band of the region, clipped to the bitmap and to the view's pixels.
    const pz::Rect band =
        pz::Rect{q.left(), q.top(), q.right() + 1, q.bottom() + 1}.intersected(out.bounds());
    const pz::Rect src = pz::Rect{band.left + box.left, band.top + box.top, band.right + box.left,
                                  band.bottom + box.top}
                             .intersected(inView);
    if (src.isEmpty()) continue;
    for (int y = src.top; y < src.bottom; ++y) {
      const std::uint32_t* from = view.row(y) + src.left;
      std::copy(from, from + src.width(), out.row(y - box.top) + (src.left - box.left));
    }
  }
  return out;
}

}  // namespace fx
