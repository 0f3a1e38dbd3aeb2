#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QBuffer>
#include <QImageReader>
#include <QMimeData>
#include <algorithm>
#include <climits>

namespace pz {

bool clipboardHasImage() {
  const QMimeData* m = QGuiApplication::clipboard()->mimeData();
  return m && m->hasImage();
}

QSize clipboardImageSize() {
  const QMimeData* m = QGuiApplication::clipboard()->mimeData();
  if (!m) return {};
  for (const QString& format : m->formats()) {
    if (!format.startsWith(QLatin1String("image/"))) continue;
    QByteArray bytes = m->data(format);
    if (bytes.isEmpty()) continue;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid()) return size;
  }
  return {};
}

namespace {

// Lifts Qt's allocation limit for decoded images (in MiB; 0 = none) while it
// lives, to at least `mib`, and puts the old limit back.
class AllocationLimitAtLeast {
 public:
  explicit AllocationLimitAtLeast(qint64 mib) : old_(QImageReader::allocationLimit()) {
    if (old_ != 0 && mib > old_) QImageReader::setAllocationLimit(int(std::min<qint64>(mib, INT_MAX)));
  }
  ~AllocationLimitAtLeast() { QImageReader::setAllocationLimit(old_); }
  AllocationLimitAtLeast(const AllocationLimitAtLeast&) = delete;
  AllocationLimitAtLeast& operator=(const AllocationLimitAtLeast&) = delete;

 private:
  int old_;
};

// MiB a decoder may need for a w x h image: up to 8 bytes a pixel (16 bits
// a channel with alpha), rounded up.
qint64 decodeMiB(QSize size) { return (qint64(size.width()) * size.height() * 8 + (1 << 20) - 1) >> 20; }

}  // namespace

std::optional<Surface> clipboardImage(QSize allowed) {
  if (!clipboardHasImage()) return std::nullopt;
  qint64 need = 0;
  if (allowed.isValid()) {
    const QSize announced = clipboardImageSize();
    if (announced.isValid() && announced.width() <= allowed.width() && announced.height() <= allowed.height())
      need = decodeMiB(announced);
  }
  AllocationLimitAtLeast lift(need);
  const QImage img = QGuiApplication::clipboard()->image();
  if (img.isNull()) return std::nullopt;
  return Surface(img);
}

void setClipboardImage(const Surface& s) {
  QClipboard* cb = QGuiApplication::clipboard();
  cb->clear();
  cb->setImage(s.toRgb32());
}

}  // namespace pz
