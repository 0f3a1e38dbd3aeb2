// Paste takes whatever image another program put on the clipboard: any pixel
// format, any size from one pixel up (a 1 x 5000 line, a 3 x 1 sliver, one
// just past the size limit), with or without an encoded copy announcing a
// different size. Each input builds such an image, puts it on the clipboard
// and runs the paste path of the program: reading and refusing, the paste
// image with its mask, the preview following the pointer across and past the
// view's edges, and drops anywhere, also far outside the picture.
//
// Input: format, flags, width (2 bytes), height (2 bytes), four bytes for the
// pointer walk, then pixel bytes (repeated to fill the image).
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <cstdint>

#include "fuzz_support.h"
#include "paint/files/paste.h"

namespace {

constexpr QImage::Format kFormats[] = {
    QImage::Format_Mono,         QImage::Format_MonoLSB,      QImage::Format_Indexed8,
    QImage::Format_RGB32,        QImage::Format_ARGB32,       QImage::Format_ARGB32_Premultiplied,
    QImage::Format_RGB16,        QImage::Format_RGB666,       QImage::Format_RGB555,
    QImage::Format_RGB888,       QImage::Format_RGB444,       QImage::Format_ARGB4444_Premultiplied,
    QImage::Format_RGBX8888,     QImage::Format_RGBA8888,     QImage::Format_BGR30,
    QImage::Format_A2RGB30_Premultiplied, QImage::Format_Alpha8, QImage::Format_Grayscale8,
    QImage::Format_Grayscale16,  QImage::Format_RGBX64,       QImage::Format_BGR888,
};
constexpr int kFormatCount = int(sizeof(kFormats) / sizeof(kFormats[0]));

QImage imageFrom(const uint8_t* data, size_t size, QImage::Format format, int w, int h) {
  QImage img(w, h, format);
  if (img.isNull()) return img;
  if (format == QImage::Format_Mono || format == QImage::Format_MonoLSB || format == QImage::Format_Indexed8) {
    // A full table, as every image decoder gives; entries from the input.
    QVector<QRgb> table(format == QImage::Format_Indexed8 ? 256 : 2);
    for (int i = 0; i < table.size(); ++i) {
      const size_t k = size ? (size_t(i) * 3) % size : 0;
      table[i] = size ? qRgba(data[k], data[(k + 1) % size], data[(k + 2) % size], data[(k + 3) % size]) : 0;
    }
    img.setColorTable(table);
  }
  const qsizetype bytes = img.sizeInBytes();
  uchar* bits = img.bits();
  for (qsizetype i = 0; i < bytes; ++i) bits[i] = size ? data[size_t(i) % size] : 0;
  return img;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 10) return 0;
  fuzzsupport::ensureGuiApp();
  const QImage::Format format = kFormats[data[0] % kFormatCount];
  const uint8_t flags = data[1];
  int w = 1 + ((data[2] | data[3] << 8) % 640);
  int h = 1 + ((data[4] | data[5] << 8) % 480);
  if (flags & 1) {  // around the size limit, kept thin so the input stays quick
    w = pz::kMaxPasteSide - 3 + (data[2] % 7);
    h = 1 + data[4] % 2;
  }
  if (flags & 2) std::swap(w, h);
  const uint8_t* walk = data + 6;
  const uint8_t* pixels = data + 10;
  const size_t pixelBytes = size - 10;

  auto* mime = new QMimeData;
  mime->setImageData(imageFrom(pixels, pixelBytes, format, w, h));
  // Some programs also offer an encoded copy; its header may claim any size.
  if (flags & 4) mime->setData(QStringLiteral("image/bmp"), QByteArray(reinterpret_cast<const char*>(pixels), qsizetype(pixelBytes)));
  QGuiApplication::clipboard()->setMimeData(mime);

  QString error;
  std::optional<pz::Surface> image = pz::pasteImageFromClipboard(&error);
  if (!image) {
    if (error.isEmpty()) __builtin_trap();  // a refusal always says why
    return 0;
  }
  pz::PaintState st;
  st.pictureBmp.create(97, 61, pz::kWhite);
  pz::buildPasteBmp(st, *image);
  image.reset();
  if (pz::pasteWidth(st) != w || pz::pasteHeight(st) != h) __builtin_trap();

  pz::Surface view(83, 57, pz::kWhite);
  pz::PastePreview preview;
  const int hpos = walk[0] % 40, vpos = walk[1] % 20;
  const pz::Rect sprite{10, 10, 30, 30};
  for (int i = 0; i < 6; ++i) {
    // From far left/top of the view to far right/bottom of it, in odd steps.
    const pz::Point p{-w + (walk[2] + i * 61) % (view.width() + 2 * w + 1),
                      -h + (walk[3] + i * 37) % (view.height() + 2 * h + 1)};
    preview.draw(view, st, hpos, vpos, p, sprite, pz::rgb(168, 184, 200));
    pz::dropPasteAt(st, p, hpos, vpos);
  }
  return 0;
}
