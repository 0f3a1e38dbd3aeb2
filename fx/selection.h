// The area selection shared by PinzFX's three views: the selection state, the
// frame drawn while marking, and the bitmap a copy takes. Plain functions over
// a surface so that every rule can be driven without a window.
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "platform/surface.h"

namespace fx {

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

// Selection modes; the text page's tool variable takes the same values.
enum SelectModeId { SelectIrregular = 44, SelectRect = 45, SelectWhole = 46 };

// Room for the press point, up to kMaxDragPoints drag points and the closing point.
constexpr int kOutlineCapacity = 5001;
constexpr int kMaxDragPoints = kOutlineCapacity - 2;

struct SelectionState {
  int selectMode = SelectRect;
  bool pointerDown = false;
  Point selStart, lastPoint, selEnd;
  std::array<Point, kOutlineCapacity> outlinePoints{};
  int outlineCount = 0;
  // The rectangle that was last completed and is outlined in black on the view.
  // A copy works on this one, so a later press (an effect on the text page)
  // cannot shift or smear the marked area.
  Point markFrom, markTo;
  bool markOutlined = false;  // the black outline is still on the view
  // The view's pixels under that outline before it was drawn, in the order
  // forEachOutlinePixel visits them.
  std::vector<pz::Color> underMark;
};

enum class FrameKind { Band, Solid, Erase };

// The closed outline (x1,y1)->(x2,y1)->(x2,y2)->(x1,y2)->(x1,y1) with the
// surface's current pen, each segment without its end pixel.
void rectangleOutline(pz::Surface& view, Point a, Point b);
// Inverts every pixel of that outline once (drawing it twice restores it).
void invertOutline(pz::Surface& view, Point a, Point b);

// Calls f(x, y) for every pixel of the outline from a to b: the border of the
// box with both corners included.
template <class F>
void forEachOutlinePixel(Point a, Point b, F f) {
  const int x0 = std::min(a.x, b.x), x1 = std::max(a.x, b.x);
  const int y0 = std::min(a.y, b.y), y1 = std::max(a.y, b.y);
  for (int x = x0; x <= x1; ++x) f(x, y0);
  if (y1 != y0)
    for (int x = x0; x <= x1; ++x) f(x, y1);
  for (int y = y0 + 1; y < y1; ++y) {
    f(x0, y);
    if (x1 != x0) f(x1, y);
  }
}
// Keeps the view's pixels under the outline from a to b.
std::vector<pz::Color> pixelsUnderOutline(const pz::Surface& view, Point a, Point b);
// Puts kept pixels back where the outline from a to b still shows black, so
// whatever was drawn over the outline since stays.
void restoreUnderOutline(pz::Surface& view, Point a, Point b, const std::vector<pz::Color>& kept);
// Takes the completed rectangle's black outline off the view, giving back the
// pixels it covered; nothing when no outline is left.
void removeMark(pz::Surface& view, SelectionState& s);

// Removes the band selStart..lastPoint, then draws selStart..(x, y) as a new
// band (inverting), a solid black outline, or nothing.
void drawSelectionFrame(pz::Surface& view, const SelectionState& s, int x, int y, FrameKind kind);

// The pointer steps of marking. `mode` is the page's mode variable.
void selectionPress(SelectionState& s, int mode, int x, int y);
// Mode 44 stores the point (while room is left) and draws the black line;
// mode 45 moves the band; 46 draws nothing. Always updates lastPoint.
void selectionDrag(SelectionState& s, int mode, pz::Surface& view, int x, int y);

enum class ReleaseResult {
  Nothing,    // nothing stored (whole mode)
  Completed,  // a rectangle or an outline is ready to copy
  Dropped,    // a zero-size rectangle or an outline of fewer than four drag points
};
ReleaseResult selectionRelease(SelectionState& s, int mode, pz::Surface& view, int x, int y);

// The source rectangle of a rectangle copy: corners ordered, the left column
// and top row inside, the right column and bottom row outside.
pz::Rect markedRect(const SelectionState& s);
// The bounding box of the closed outline (the closing point not counted).
pz::Rect outlineBounds(const SelectionState& s, int viewWidth, int viewHeight);

// The bitmap of a copy: a block of the view (white where it lies beyond the
// view), or for an outline its bounding box with only the pixels inside the
// even-odd polygon taken and white elsewhere. Nothing for a zero-size result.
std::optional<pz::Surface> blockBitmap(const pz::Surface& view, pz::Rect r);
std::optional<pz::Surface> outlineBitmap(const pz::Surface& view, const SelectionState& s);

}  // namespace fx
