#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QBuffer>
#include <QImageReader>
#include <QMimeData>

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

std::optional<Surface> clipboardImage() {
  if (!clipboardHasImage()) return std::nullopt;
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
