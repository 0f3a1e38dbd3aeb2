// Metafiles reach PinzFX from files the user picks and from the clipboard
// (plain WMF records there); both readers and the players run on anything.
#include <QByteArray>
#include <algorithm>
#include <cstdint>

#include "fuzz_support.h"
#include "platform/metafile.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzsupport::ensureGuiApp();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzsupport::ensureGuiApp();
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  for (auto source : {pz::Metafile::Source::File, pz::Metafile::Source::Clipboard}) {
    QString error;
    auto m = pz::Metafile::fromBytes(bytes, source, &error);
    if (!m) {
      if (error.isEmpty()) __builtin_trap();
      continue;
    }
    if (m->width() <= 0 || m->height() <= 0) __builtin_trap();
    // Played small: the records' coordinates are what is under test, not
    // the cost of filling a large bitmap.
    const int w = std::clamp(m->width(), 1, 160), h = std::clamp(m->height(), 1, 160);
    pz::Surface s = pz::renderMetafile(*m, w, h);
    if (s.width() != w || s.height() != h) __builtin_trap();
  }
  return 0;
}
