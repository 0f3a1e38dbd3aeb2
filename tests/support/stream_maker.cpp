#include "tests/support/stream_maker.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "tests/support/video_maker.h"

namespace fs = std::filesystem;

namespace pztest {

namespace {

void fail(const std::string& what) { throw std::runtime_error("test video: " + what); }

const char* extensionOf(Container c) {
  switch (c) {
    case Container::Mp4: return "mp4";
    case Container::M4v: return "m4v";
    case Container::Mov: return "mov";
    case Container::ThreeGp: return "3gp";
    case Container::Mkv: return "mkv";
    case Container::WebM: return "webm";
  }
  return "bin";
}

std::string encoderOptions(const StreamRecipe& r) {
  const std::string g = std::to_string(r.gop);
  switch (r.codec) {
    case StreamCodec::H264:
      return "-c:v libx264 -preset veryfast -crf 20 -bf 0 -g " + g + " -pix_fmt yuv420p";
    case StreamCodec::H264BFrames:
      return "-c:v libx264 -preset veryfast -crf 20 -bf 3 -x264-params b-pyramid=normal -g " + g + " -pix_fmt yuv420p";
    case StreamCodec::Hevc:
    case StreamCodec::Hevc10:
      return "-c:v libx265 -preset ultrafast -crf 20 -x265-params log-level=none:bframes=3:keyint=" + g +
             ":min-keyint=" + g + " -pix_fmt " + (r.codec == StreamCodec::Hevc10 ? "yuv420p10le" : "yuv420p") +
             (r.container == Container::Mp4 || r.container == Container::Mov ? " -tag:v hvc1" : "");
    case StreamCodec::Mpeg4: return "-c:v mpeg4 -q:v 3 -bf 2 -g " + g + " -pix_fmt yuv420p";
    case StreamCodec::H263: return "-c:v h263 -q:v 3 -g " + g + " -pix_fmt yuv420p";
    case StreamCodec::Vp8:
      return "-c:v libvpx -b:v 2M -deadline realtime -cpu-used 8 -g " + g + " -pix_fmt yuv420p";
    case StreamCodec::Vp9:
      return "-c:v libvpx-vp9 -b:v 2M -deadline good -cpu-used 8 -auto-alt-ref 1 -lag-in-frames 8 -g " + g +
             " -pix_fmt yuv420p";
    case StreamCodec::Av1:
      return "-c:v libaom-av1 -usage realtime -cpu-used 8 -b:v 2M -g " + g + " -pix_fmt yuv420p";
  }
  return {};
}

std::string recipeName(const StreamRecipe& r) {
  std::string n = std::string(streamCodecName(r.codec)) + "-" + std::to_string(r.width) + "x" +
                  std::to_string(r.height) + "-" + std::to_string(r.frames) + "-g" + std::to_string(r.gop);
  if (r.turn) n += "-turn" + std::to_string(r.turn);
  if (r.sarNum != r.sarDen) n += "-sar" + std::to_string(r.sarNum) + "_" + std::to_string(r.sarDen);
  if (r.vfr) n += "-vfr";
  if (r.cut) n += "-cut" + std::to_string(r.cut);
  return n + "." + extensionOf(r.container);
}

// The upright picture of frame `number`, turned so that a player that turns
// it clockwise by `turn` shows it upright again.
std::vector<unsigned char> storedFrame(const StreamRecipe& r, int number, int& sw, int& sh) {
  std::vector<unsigned char> up(std::size_t(r.width) * r.height * 3);
  drawFrameCode(up.data(), r.width * 3, r.width, r.height, number);
  if (r.turn == 0) {
    sw = r.width;
    sh = r.height;
    return up;
  }
  const bool side = r.turn == 90 || r.turn == 270;
  sw = side ? r.height : r.width;
  sh = side ? r.width : r.height;
  std::vector<unsigned char> st(up.size());
  for (int y = 0; y < r.height; ++y)
    for (int x = 0; x < r.width; ++x) {
      // Where upright (x, y) is stored: the inverse of the player's turn.
      int sx, sy;
      if (r.turn == 90) {
        sx = y, sy = r.width - 1 - x;
      } else if (r.turn == 180) {
        sx = r.width - 1 - x, sy = r.height - 1 - y;
      } else {
        sx = r.height - 1 - y, sy = x;
      }
      for (int c = 0; c < 3; ++c) st[(std::size_t(sy) * sw + sx) * 3 + c] = up[(std::size_t(y) * r.width + x) * 3 + c];
    }
  return st;
}

void run(const std::string& command) {
  if (std::system(command.c_str()) != 0) fail("command failed: " + command);
}

void writeStreamVideo(const StreamRecipe& r, const std::string& path) {
  int sw = 0, sh = 0;
  storedFrame(r, 1, sw, sh);
  const std::string encoded = path + ".enc." + extensionOf(r.container);
  std::string filters;
  if (r.vfr) filters += "setpts=(N+floor(N/2)+floor(N/3))/(25*TB),";
  if (r.sarNum != r.sarDen) filters += "setsar=" + std::to_string(r.sarNum) + "/" + std::to_string(r.sarDen) + ",";
  std::string cmd = "ffmpeg -nostdin -v error -y -f rawvideo -pix_fmt rgb24 -s " + std::to_string(sw) + "x" +
                    std::to_string(sh) + " -r 25 -i - ";
  if (!filters.empty()) cmd += "-vf '" + filters.substr(0, filters.size() - 1) + "' -fps_mode passthrough ";
  cmd += encoderOptions(r) + " -an -f " + (r.container == Container::Mkv    ? "matroska"
                                           : r.container == Container::WebM ? "webm"
                                           : r.container == Container::Mov  ? "mov"
                                           : r.container == Container::ThreeGp ? "3gp"
                                                                               : "mp4") +
         " '" + encoded + "'";
  FILE* pipe = popen(cmd.c_str(), "w");
  if (!pipe) fail("cannot start ffmpeg");
  for (int i = 1; i <= r.frames; ++i) {
    const std::vector<unsigned char> f = storedFrame(r, i, sw, sh);
    if (std::fwrite(f.data(), 1, f.size(), pipe) != f.size()) break;
  }
  if (pclose(pipe) != 0) fail("ffmpeg failed: " + cmd);

  if (r.turn == 0 && r.cut == 0) {
    fs::rename(encoded, path);
    return;
  }
  // Stream copies: the rotation goes into the display matrix, and a start
  // inside a group of pictures becomes an edit list over the whole group.
  std::string copy = "ffmpeg -nostdin -v error -y ";
  if (r.cut) copy += "-ss " + std::to_string(r.cut * 0.04) + " ";
  copy += "-i '" + encoded + "' -c copy -map 0:v ";
  if (r.turn) copy += "-metadata:s:v:0 rotate=" + std::to_string((360 - r.turn) % 360) + " ";
  copy += "-f " + std::string(r.container == Container::Mov ? "mov" : "mp4") + " '" + path + "'";
  run(copy);
  fs::remove(encoded);
}

}  // namespace

const char* containerName(Container c) { return extensionOf(c); }

const char* streamCodecName(StreamCodec c) {
  switch (c) {
    case StreamCodec::H264: return "h264";
    case StreamCodec::H264BFrames: return "h264b";
    case StreamCodec::Hevc: return "hevc";
    case StreamCodec::Hevc10: return "hevc10";
    case StreamCodec::Mpeg4: return "mpeg4";
    case StreamCodec::H263: return "h263";
    case StreamCodec::Vp8: return "vp8";
    case StreamCodec::Vp9: return "vp9";
    case StreamCodec::Av1: return "av1";
  }
  return "?";
}

std::string makeStreamVideo(const StreamRecipe& recipe) {
  const std::string path = (fs::path(videoDir()) / recipeName(recipe)).string();
  if (fs::exists(path)) return path;
  const int lock = ::open((path + ".lock").c_str(), O_CREAT | O_RDWR, 0644);
  if (lock >= 0) ::flock(lock, LOCK_EX);
  if (!fs::exists(path)) {
    const std::string tmp = path + ".tmp" + std::to_string(getpid()) + "." + extensionOf(recipe.container);
    writeStreamVideo(recipe, tmp);
    fs::rename(tmp, path);
  }
  if (lock >= 0) ::close(lock);
  return path;
}

std::string loopedCopy(const std::string& path, int times) {
  const std::string out = path + "-x" + std::to_string(times) + path.substr(path.rfind('.'));
  if (fs::exists(out)) return out;
  const int lock = ::open((out + ".lock").c_str(), O_CREAT | O_RDWR, 0644);
  if (lock >= 0) ::flock(lock, LOCK_EX);
  if (!fs::exists(out)) {
    const std::string tmp = out + ".tmp" + std::to_string(getpid()) + path.substr(path.rfind('.'));
    run("ffmpeg -nostdin -v error -y -stream_loop " + std::to_string(times - 1) + " -i '" + path +
        "' -c copy -map 0:v '" + tmp + "'");
    fs::rename(tmp, out);
  }
  if (lock >= 0) ::close(lock);
  return out;
}

std::vector<int> ffmpegFrameNumbers(const std::string& path) {
  const std::string cmd =
      "ffmpeg -nostdin -v error -i '" + path + "' -map 0:v:0 -fps_mode passthrough -pix_fmt rgb24 -f image2pipe -c:v ppm -";
  FILE* pipe = popen(cmd.c_str(), "r");
  if (!pipe) fail("cannot start ffmpeg");
  std::vector<int> numbers;
  int w = 0, h = 0, maxval = 0;
  while (std::fscanf(pipe, "P6 %d %d %d", &w, &h, &maxval) == 3 && w > 0 && h > 0) {
    std::fgetc(pipe);  // the one white space after the header
    std::vector<unsigned char> rgb(std::size_t(w) * h * 3);
    if (std::fread(rgb.data(), 1, rgb.size(), pipe) != rgb.size()) break;
    pz::Surface s(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const unsigned char* p = &rgb[(std::size_t(y) * w + x) * 3];
        s.row(y)[x] = 0xFF000000u | p[0] | (p[1] << 8) | (p[2] << 16);
      }
    numbers.push_back(readFrameCode(s));
  }
  pclose(pipe);
  return numbers;
}

}  // namespace pztest
