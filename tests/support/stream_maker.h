// Test videos in the containers phones, cameras and the web write, made with
// the ffmpeg program at test time. Every frame carries its 1-based number in
// the same code as the AVI test videos (readFrameCode reads it back).
#pragma once

#include <string>
#include <vector>

namespace pztest {

enum class Container { Mp4, M4v, Mov, ThreeGp, Mkv, WebM };
enum class StreamCodec { H264, H264BFrames, Hevc, Hevc10, Mpeg4, H263, Vp8, Vp9, Av1 };

struct StreamRecipe {
  Container container = Container::Mp4;
  StreamCodec codec = StreamCodec::H264;
  int width = 160, height = 120;  // the upright picture
  int frames = 60;
  int gop = 12;
  // Clockwise degrees a player turns the stored picture by (MP4 family): the
  // stored picture is the upright one turned the other way.
  int turn = 0;
  int sarNum = 1, sarDen = 1;  // pixel aspect written into the stream
  bool vfr = false;            // frame durations of one, two and three ticks
  int cut = 0;                 // leading frames an edit list leaves out (MP4 family)
};

const char* containerName(Container c);
const char* streamCodecName(StreamCodec c);

// Writes the video unless an identical one is already there; returns its path.
std::string makeStreamVideo(const StreamRecipe& recipe);

// The video played `times` times over, as one file (stream copies: quick to
// make however long the result).
std::string loopedCopy(const std::string& path, int times);

// The pictures the ffmpeg program itself shows for a video (rotation applied,
// every frame in presentation order, none left out or repeated), as the frame
// numbers they carry; -1 where a picture does not read.
std::vector<int> ffmpegFrameNumbers(const std::string& path);

}  // namespace pztest
