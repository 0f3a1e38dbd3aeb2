#include "art/art.h"

#include "platform/bmp.h"

namespace pz::art {

namespace {
struct ArtFile {
  const char* name;
  int w, h;
};
// Sizes and band layouts the program reads the art files with.
constexpr ArtFile kFiles[] = {
    {"a1.pzl", 85, 225},  {"a2.pzl", 50, 50},   {"a3.pzl", 150, 50},  {"a4.pzl", 150, 50},
    {"a5.pzl", 150, 50},  {"a6.pzl", 150, 50},  {"a7.pzl", 150, 50},  {"a8.pzl", 150, 50},
    {"a9.pzl", 150, 50},  {"a10.pzl", 150, 50}, {"a11.pzl", 320, 200}, {"a12.pzl", 325, 439},
    {"a14.pzl", 150, 50}, {"a15.pzl", 150, 50}, {"a17.pzl", 150, 50},
};
}  // namespace

bool writeAll(const QString& dir) {
  bool ok = true;
  for (const ArtFile& f : kFiles) {
    Surface s(f.w, f.h, kWhite);
    if (f.w == 150) {
      // Sprite layout: image (black = transparent) and mask (white = transparent).
      bitBlt(s, 0, 0, 50, 50, nullptr, 0, 0, Rop::Blackness);
    }
    ok = writeBmp24(dir + "/" + f.name, s) && ok;
  }
  return ok;
}

}  // namespace pz::art
