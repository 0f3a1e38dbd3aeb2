// Paste: an image from the clipboard is placed on the picture. pasteBmp holds
// the image in its left half and a mask in its right half; when three or four
// corners share the top-left colour, every pixel of that colour becomes
// transparent (pasteMask 1), otherwise the image is placed opaquely (2).
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "paint/tools/paint_state.h"

namespace pz {

constexpr int kPasteWithMask = 1;
constexpr int kPasteOpaque = 2;

// An image larger than this on a side is refused before it is held twice.
constexpr int kMaxPasteSide = 16000;
extern const char* const kPasteTooLargeMessage;
extern const char* const kPasteUnreadableMessage;

// Builds st.pasteBmp (2w x h) from `image` and sets st.pasteMask by the
// corner rule.
void buildPasteBmp(PaintState& st, const Surface& image);

// The size of the image being pasted (half of pasteBmp's width).
inline int pasteWidth(const PaintState& st) { return st.pasteBmp.width() / 2; }
inline int pasteHeight(const PaintState& st) { return st.pasteBmp.height(); }

// Where the image's top-left lands for a pointer at p: centred on it.
Point pasteOrigin(const PaintState& st, Point p);
Rect pasteRect(const PaintState& st, Point p);

// Puts the paste image into `dst` with its top-left at (x, y): through the
// mask (AND mask, then OR image) or opaquely.
void drawPasteImage(Surface& dst, const PaintState& st, int x, int y);

// Copies the picture onto the 1:1 view in `r` (surface coordinates; the view
// shows picture (hpos, vpos) at surface (0, 0)); the view past the picture's
// edges gets `outside`.
void showPictureBlock(Surface& view, const Surface& picture, int hpos, int vpos, Rect r, Color outside);

// The preview following the pointer. Only the surface blocks the last preview
// and the pointer sprite covered, and the block the new one covers, are
// redrawn, so a move costs the size of the paste, not of the surface.
struct PastePreview {
  Rect shown;  // surface block the preview last covered
  // Draws the preview for pointer p; `sprite` is the block the pointer sprite
  // covers. Returns the blocks that changed (the old preview, the sprite, the
  // new preview), each clipped to the view, for the screen update.
  std::array<Rect, 3> draw(Surface& view, const PaintState& st, int hpos, int vpos, Point p, Rect sprite, Color outside);
};

// The drop at surface point p (1:1, so the picture point is p + scroll).
void dropPasteAt(PaintState& st, Point p, int hpos, int vpos);

// Reads the clipboard's image for Paste. Nothing, with *error set to a text
// for the user when there is one to give, when it cannot be used.
std::optional<Surface> pasteImageFromClipboard(QString* error);

}  // namespace pz
