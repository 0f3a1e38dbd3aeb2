#include "paint/files/paste.h"

#include "platform/clipboard.h"

namespace pz {

const char* const kPasteTooLargeMessage =
    "The picture on the clipboard is too large to paste. Pictures can be at most 16000 pixels wide and "
    "16000 pixels high.";
const char* const kPasteUnreadableMessage = "The picture on the clipboard could not be read.";

namespace {
// Largest number of pixels a pasted image may have: pasteBmp holds it twice.
constexpr long long kMaxPastePixels = 16000LL * 12000LL;

bool tooLarge(int w, int h) {
  return w > kMaxPasteSide || h > kMaxPasteSide || (long long)w * h > kMaxPastePixels;
}
}  // namespace

void buildPasteBmp(PaintState& st, const Surface& image) {
  const int w = image.width(), h = image.height();
  st.pasteBmp.create(2 * w, h);
  bitBlt(st.pasteBmp, 0, 0, w, h, &image, 0, 0);
  bitBlt(st.pasteBmp, w, 0, w, h, &image, 0, 0);
  st.pasteMask = kPasteOpaque;
  if (w <= 0 || h <= 0) return;
  const Color key = image.pixel(0, 0);
  const int matches = int(image.pixel(0, h - 1) == key) + int(image.pixel(w - 1, 0) == key) +
                      int(image.pixel(w - 1, h - 1) == key);
  if (matches < 2) return;
  st.pasteMask = kPasteWithMask;
  const std::uint32_t keyRaw = toRaw(key), black = toRaw(kBlack), white = toRaw(kWhite);
  for (int y = 0; y < h; ++y) {
    std::uint32_t* img = st.pasteBmp.row(y);
    std::uint32_t* mask = img + w;
    for (int x = 0; x < w; ++x) {
      if (img[x] == keyRaw) {
        img[x] = black;
        mask[x] = white;
      } else {
        mask[x] = black;
      }
    }
  }
}

Point pasteOrigin(const PaintState& st, Point p) {
  // 2w div 4 and h div 2, truncated toward zero as the integer division does.
  return {p.x - (2 * pasteWidth(st)) / 4, p.y - pasteHeight(st) / 2};
}

Rect pasteRect(const PaintState& st, Point p) {
  const Point o = pasteOrigin(st, p);
  return {o.x, o.y, o.x + pasteWidth(st), o.y + pasteHeight(st)};
}

void drawPasteImage(Surface& dst, const PaintState& st, int x, int y) {
  const int w = pasteWidth(st), h = pasteHeight(st);
  if (w <= 0 || h <= 0) return;
  if (st.pasteMask == kPasteWithMask) {
    bitBlt(dst, x, y, w, h, &st.pasteBmp, w, 0, Rop::SrcAnd);
    bitBlt(dst, x, y, w, h, &st.pasteBmp, 0, 0, Rop::SrcPaint);
  } else {
    bitBlt(dst, x, y, w, h, &st.pasteBmp, 0, 0, Rop::SrcCopy);
  }
}

void showPictureBlock(Surface& view, const Surface& picture, int hpos, int vpos, Rect r, Color outside) {
  r = r.intersected(view.bounds());
  if (r.isEmpty()) return;
  // The part of r that shows picture pixels.
  const Rect onPicture = r.intersected({-hpos, -vpos, picture.width() - hpos, picture.height() - vpos});
  if (onPicture.isEmpty()) {
    view.fillRect(r, outside);
    return;
  }
  // Up to four bands around it show what lies past the picture.
  view.fillRect({r.left, r.top, r.right, onPicture.top}, outside);
  view.fillRect({r.left, onPicture.bottom, r.right, r.bottom}, outside);
  view.fillRect({r.left, onPicture.top, onPicture.left, onPicture.bottom}, outside);
  view.fillRect({onPicture.right, onPicture.top, r.right, onPicture.bottom}, outside);
  bitBlt(view, onPicture.left, onPicture.top, onPicture.width(), onPicture.height(), &picture,
         onPicture.left + hpos, onPicture.top + vpos);
}

std::array<Rect, 3> PastePreview::draw(Surface& view, const PaintState& st, int hpos, int vpos, Point p, Rect sprite,
                        Color outside) {
  const Rect next = pasteRect(st, p);
  // The new block is redrawn too: the masked image is laid over the picture.
  showPictureBlock(view, st.pictureBmp, hpos, vpos, shown, outside);
  showPictureBlock(view, st.pictureBmp, hpos, vpos, sprite, outside);
  showPictureBlock(view, st.pictureBmp, hpos, vpos, next, outside);
  const Point o = pasteOrigin(st, p);
  drawPasteImage(view, st, o.x, o.y);
  const std::array<Rect, 3> changed{shown.intersected(view.bounds()), sprite.intersected(view.bounds()),
                                    next.intersected(view.bounds())};
  shown = next;
  return changed;
}

void dropPasteAt(PaintState& st, Point p, int hpos, int vpos) {
  const Point o = pasteOrigin(st, {p.x + hpos, p.y + vpos});
  drawPasteImage(st.pictureBmp, st, o.x, o.y);
}

std::optional<Surface> pasteImageFromClipboard(QString* error) {
  const QSize announced = clipboardImageSize();
  if (announced.isValid() && tooLarge(announced.width(), announced.height())) {
    if (error) *error = QString::fromLatin1(kPasteTooLargeMessage);
    return std::nullopt;
  }
  std::optional<Surface> image = clipboardImage();
  if (!image || image->isNull()) {
    if (error) *error = QString::fromLatin1(kPasteUnreadableMessage);
    return std::nullopt;
  }
  if (tooLarge(image->width(), image->height())) {
    if (error) *error = QString::fromLatin1(kPasteTooLargeMessage);
    return std::nullopt;
  }
  return image;
}

}  // namespace pz
