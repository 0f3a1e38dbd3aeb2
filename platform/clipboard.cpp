#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

namespace pz {

bool clipboardHasImage() {
  const QMimeData* m = QGuiApplication::clipboard()->mimeData();
  return m && m->hasImage();
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
