// SVG drawings reach PinzFX from files the user picks and from the clipboard;
// the reader and the renderer run on anything, and anything they refuse comes
// with a reason.
#include <QByteArray>
#include <algorithm>
#include <cstdint>

#include "fuzz_support.h"
#include "platform/svg.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzsupport::ensureGuiApp();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzsupport::ensureGuiApp();
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  QString error;
  auto d = pz::SvgDrawing::fromBytes(bytes, &error);
  if (!d) {
    if (error.isEmpty()) __builtin_trap();
    return 0;
  }
  if (d->width() <= 0 || d->height() <= 0 || d->width() > pz::kMaxSvgNativeSide ||
      d->height() > pz::kMaxSvgNativeSide)
    __builtin_trap();
  // Reading drew it once at its own size; drawn again at half that, small:
  // the scaling is under test, not the cost of filling a large bitmap (and a
  // drawing that used most of its time limit stays well inside the fuzzer's).
  const int w = std::clamp(d->width() / 2, 1, 160), h = std::clamp(d->height() / 2, 1, 160);
  const pz::Surface s = d->render(w, h);
  if (s.width() != w || s.height() != h) __builtin_trap();
  return 0;
}
