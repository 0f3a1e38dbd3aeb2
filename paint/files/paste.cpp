#include "paint/files/paste.h"

#include <QCoreApplication>

#include <algorithm>

#include "platform/clipboard.h"

namespace pz {

const char* const kPasteTooLargeMessage = QT_TRANSLATE_NOOP("pz::Files",
    "The picture on the clipboard is too large to paste. Pictures can be at most 16000 pixels wide and "
    "16000 pixels high.");
const char* const kPasteUnreadableMessage = QT_TRANSLATE_NOOP("pz::Files", "The picture on the clipboard could not be read.");

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

namespace {

// Redraws the parts of `r` that lie outside `keep`: up to four bands.
void showPictureAround(Surface& view, const Surface& picture, int hpos, int vpos, Rect r, Rect keep,
                       Color outside) {
  const Rect k = r.intersected(keep);
  if (k.isEmpty()) {
    showPictureBlock(view, picture, hpos, vpos, r, outside);
    return;
  }
  showPictureBlock(view, picture, hpos, vpos, {r.left, r.top, r.right, k.top}, outside);
  showPictureBlock(view, picture, hpos, vpos, {r.left, k.bottom, r.right, r.bottom}, outside);
  showPictureBlock(view, picture, hpos, vpos, {r.left, k.top, k.left, k.bottom}, outside);
  showPictureBlock(view, picture, hpos, vpos, {k.right, k.top, r.right, k.bottom}, outside);
}

// One pass over the block the paste covers: the picture under it (or the
// colour past its edges) combined with the mask and the image, written
// straight into the view. The same result as redrawing the block and then
// laying the paste over it, without touching each pixel three times.
void showPictureWithPaste(Surface& view, const PaintState& st, int hpos, int vpos, Point origin, Color outside) {
  const int w = pasteWidth(st), h = pasteHeight(st);
  const Rect r = Rect{origin.x, origin.y, origin.x + w, origin.y + h}.intersected(view.bounds());
  if (r.isEmpty()) return;
  const Surface& picture = st.pictureBmp;
  const bool masked = st.pasteMask == kPasteWithMask;
  const std::uint32_t outsideRaw = toRaw(outside);
  // Columns of r that show picture pixels: [inL, inR).
  const int inL = std::clamp(-hpos, r.left, r.right), inR = std::clamp(picture.width() - hpos, inL, r.right);
  for (int y = r.top; y < r.bottom; ++y) {
    std::uint32_t* out = view.row(y);
    const std::uint32_t* img = st.pasteBmp.row(y - origin.y) - origin.x;  // indexed by view x
    if (!masked) {
      std::copy(img + r.left, img + r.right, out + r.left);
      continue;
    }
    const std::uint32_t* mask = img + w;
    const int py = y + vpos;
    const bool rowInside = py >= 0 && py < picture.height();
    if (rowInside && inR > inL) {
      const std::uint32_t* pic = picture.row(py) + hpos;  // indexed by view x
      for (int x = inL; x < inR; ++x) out[x] = (pic[x] & mask[x]) | img[x];
      for (int x = r.left; x < inL; ++x) out[x] = (outsideRaw & mask[x]) | img[x];
      for (int x = inR; x < r.right; ++x) out[x] = (outsideRaw & mask[x]) | img[x];
    } else {
      for (int x = r.left; x < r.right; ++x) out[x] = (outsideRaw & mask[x]) | img[x];
    }
  }
}

}  // namespace

std::array<Rect, 3> PastePreview::draw(Surface& view, const PaintState& st, int hpos, int vpos, Point p, Rect sprite,
                                       Color outside) {
  const Rect next = pasteRect(st, p);
  showPictureAround(view, st.pictureBmp, hpos, vpos, shown, next, outside);
  showPictureAround(view, st.pictureBmp, hpos, vpos, sprite, next, outside);
  showPictureWithPaste(view, st, hpos, vpos, {next.left, next.top}, outside);
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
    if (error) *error = QCoreApplication::translate("pz::Files", kPasteTooLargeMessage);
    return std::nullopt;
  }
  // Qt's own limit on decoded images is far below this program's: lift it
  // for an image the program can hold.
  std::optional<Surface> image = clipboardImage(QSize(kMaxPasteSide, kMaxPasteSide));
  if (!image || image->isNull()) {
    if (error) *error = QCoreApplication::translate("pz::Files", kPasteUnreadableMessage);
    return std::nullopt;
  }
  if (tooLarge(image->width(), image->height())) {
    if (error) *error = QCoreApplication::translate("pz::Files", kPasteTooLargeMessage);
    return std::nullopt;
  }
  return image;
}

}  // namespace pz
