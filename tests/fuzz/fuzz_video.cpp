// Videos (AVI, the MP4 family, Matroska and WebM, told apart by their content)
// reach PinzFX's video page from anywhere on disk. The input is
// written to a file of its own and opened through the video device, as the
// page opens it; then the page's moves follow: the last frame, the middle,
// back to the first, steps both ways, a position the input picks, and the
// frame as a scaled display shows it.
#include <unistd.h>

#include <QString>
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz_support.h"
#include "platform/application.h"
#include "platform/video_device.h"

namespace {

std::string inputPath() {
  static const std::string path = "/tmp/pinz-fuzz-video-" + std::to_string(getpid()) + ".avi";
  return path;
}

bool writeInput(const uint8_t* data, size_t size) {
  std::FILE* f = std::fopen(inputPath().c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(data, 1, size, f) == size;
  return std::fclose(f) == 0 && ok;
}

void checkShown(const pz::VideoDevice& dev) {
  if (dev.position() < 1 || dev.position() > dev.length()) __builtin_trap();
  auto f = dev.frame();
  if (!f || f->width() != dev.naturalWidth() || f->height() != dev.naturalHeight()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzsupport::ensureGuiApp();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzsupport::ensureGuiApp();
  if (!writeInput(data, size)) return 0;
  pz::VideoDevice dev;
  try {
    dev.open(QString::fromStdString(inputPath()));
  } catch (const pz::Error& e) {
    // Refused files must say why, and leave nothing open.
    if (e.text().isEmpty() || dev.isOpen()) __builtin_trap();
    return 0;
  }
  const int n = dev.length();
  if (n < 1 || dev.naturalWidth() < 1 || dev.naturalHeight() < 1) __builtin_trap();
  checkShown(dev);
  // A position chosen by the input's last bytes, so the fuzzer can steer it.
  const int picked = size >= 2 ? 1 + int((data[size - 1] | data[size - 2] << 8) % unsigned(n)) : 1;
  for (int pos : {n, (n + 1) / 2, 1, picked}) {
    dev.seek(pos);
    if (dev.position() != pos) __builtin_trap();
    checkShown(dev);
  }
  for (int s : {1, 1, -1, -2, 3}) {
    dev.step(s);
    checkShown(dev);
  }
  // Small, so that the cost is the decoding under test, not the scaling.
  dev.putDisplayRect(0, 0, 17, 13);
  if (dev.shownFrame().width() != 17) __builtin_trap();
  return 0;
}
