// Saved pictures are JPEG files in user/, which anything can write to; the
// image library must refuse a bad one with a reason, never fault.
#include <QByteArray>
#include <cstdint>

#include "platform/jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
  QString error;
  auto s = pz::decodeJpeg(bytes, &error);
  if (!s) {
    if (error.isEmpty()) __builtin_trap();  // a refusal always says why
    return 0;
  }
  if (s->isNull()) __builtin_trap();
  if (qint64(s->width()) * s->height() <= 256 * 256) {
    // What the library writes, it reads back at the same size.
    const QByteArray again = pz::encodeJpeg(*s, 100);
    auto back = pz::decodeJpeg(again);
    if (!back || back->width() != s->width() || back->height() != s->height()) __builtin_trap();
  }
  return 0;
}
