// BMP files come from the drawings, palettes, textures and clip art folders,
// all of which the user can fill with anything.
#include <QByteArray>
#include <cstdint>

#include "platform/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
  QString error;
  auto s = pz::decodeBmp(bytes, &error);
  if (s) {
    // Every decoded pixel is readable, and the round trip through the
    // writer gives the same pixels back.
    uint32_t sum = 0;
    for (int y = 0; y < s->height(); ++y)
      for (int x = 0; x < s->width(); ++x) sum += s->pixel(x, y);
    volatile uint32_t sink = sum;
    (void)sink;
    if (qint64(s->width()) * s->height() <= 512 * 512) {
      auto again = pz::decodeBmp(pz::encodeBmp24(*s));
      if (!again || again->width() != s->width() || again->height() != s->height()) __builtin_trap();
      for (int y = 0; y < s->height(); ++y)
        for (int x = 0; x < s->width(); ++x)
          if (again->pixel(x, y) != s->pixel(x, y)) __builtin_trap();
    }
  }
  return 0;
}
