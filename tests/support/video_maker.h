// Test videos made at test time: every frame carries its own 1-based number as
// a 4 x 4 grid of big black and white blocks (12 bits of number, 4 check
// bits), so a test can read back which frame a display shows even after a
// lossy codec or a scaled display.
#pragma once

#include <string>
#include <vector>

#include "platform/surface.h"

namespace pztest {

enum class Codec { Mjpeg, Mpeg4Gop50, Mpeg4Gop250, H264, Cinepak, MsVideo1, HuffYuv, Zmbv, Raw, H264Pyramid };

struct VideoRecipe {
  Codec codec = Codec::Mjpeg;
  int width = 160, height = 120;
  int frames = 100;
  std::vector<int> dropped;  // 1-based positions written as empty chunks
};

const char* codecName(Codec c);
// The codecs of the speed targets; H264Pyramid (regular B-pyramid groups)
// is an extra for the seek tests.
std::vector<Codec> allCodecs();

// The folder the tests keep their videos in (inside the build folder).
std::string videoDir();

// Writes the video unless an identical one is already there; returns its path.
// Safe when several test processes ask for the same file at once.
std::string makeVideo(const VideoRecipe& recipe);

// Damaged copies of a good video (made next to it, also cached).
std::string truncatedCopy(const std::string& path, double keepFraction);
std::string flippedByteCopy(const std::string& path, long offset, const std::string& tag);
std::string noisyCopy(const std::string& path, double fraction, unsigned seed);
std::string patchedCopy(const std::string& path, const std::string& tag,
                        const std::vector<std::pair<long, std::vector<unsigned char>>>& patches);
std::string emptyFile();
std::string textFile();
std::string audioOnlyVideo();
// Offset of the first occurrence of `fourcc` in a file, or -1.
long findTag(const std::string& path, const char* fourcc);

// Draws the code for `number` into an RGB24 buffer, over a texture that
// scrolls by `scroll` pixels a frame.
void drawFrameCode(unsigned char* rgb, int stride, int w, int h, int number, int scroll = 2);
// Reads the code from a picture of any size; -1 when it does not read.
int readFrameCode(const pz::Surface& s);

}  // namespace pztest
