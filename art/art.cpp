#include "art/art.h"

#include "art/sprites.h"
#include "art/strips.h"
#include "platform/bmp.h"

namespace pz::art {

namespace {
// Art file of each pointer kind 1..11.
constexpr const char* kSpriteFiles[12] = {nullptr,  "a3.pzl", "a4.pzl",  "a5.pzl",  "a6.pzl",  "a7.pzl",
                                          "a8.pzl", "a9.pzl", "a10.pzl", "a14.pzl", "a15.pzl", "a17.pzl"};
}  // namespace

bool writeAll(const QString& dir) {
  bool ok = writeBmp24(dir + "/a1.pzl", brushSizesStrip());
  ok = writeBmp24(dir + "/a2.pzl", blankSheet()) && ok;
  ok = writeBmp24(dir + "/a11.pzl", razorModesStrip()) && ok;
  ok = writeBmp24(dir + "/a12.pzl", widthsStrip()) && ok;
  for (int kind = 1; kind <= 11; ++kind)
    ok = writeBmp24(dir + "/" + kSpriteFiles[kind], spriteArt(kind)) && ok;
  return ok;
}

}  // namespace pz::art
