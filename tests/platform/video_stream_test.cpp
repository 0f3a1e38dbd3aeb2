// Videos as phones, cameras and the web write them: every container and codec
// the video device opens besides AVI, with B-frames, edit lists, variable
// frame rates, rotation and non-square pixels. Each frame carries its number,
// so every check reads back which frame is shown; the ffmpeg program is the
// second opinion on which pictures a player shows, in which order.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>

#include "platform/application.h"
#include "platform/video_device.h"
#include "platform/video_stream.h"
#include "tests/support/stream_maker.h"
#include "tests/support/video_maker.h"

using pztest::Container;
using pztest::StreamCodec;
using pztest::StreamRecipe;

namespace {

struct Case {
  const char* name;
  StreamRecipe recipe;
  int shownWidth, shownHeight;  // upright, at the display aspect
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

StreamRecipe recipe(Container c, StreamCodec k) {
  StreamRecipe r;
  r.container = c;
  r.codec = k;
  return r;
}

template <typename F>
StreamRecipe with(StreamRecipe r, F change) {
  change(r);
  return r;
}

const Case kCases[] = {
    {"mp4_h264", recipe(Container::Mp4, StreamCodec::H264), 160, 120},
    {"mp4_h264_bframes", recipe(Container::Mp4, StreamCodec::H264BFrames), 160, 120},
    {"m4v_mpeg4", recipe(Container::M4v, StreamCodec::Mpeg4), 160, 120},
    {"mov_h264_turned90", with(recipe(Container::Mov, StreamCodec::H264BFrames), [](auto& r) { r.turn = 90; }), 160,
     120},
    {"mp4_h264_turned180", with(recipe(Container::Mp4, StreamCodec::H264BFrames), [](auto& r) { r.turn = 180; }),
     160, 120},
    {"mp4_hevc_turned270", with(recipe(Container::Mp4, StreamCodec::Hevc), [](auto& r) { r.turn = 270; }), 160, 120},
    // H.263 pictures of this size carry the pixel aspect 12:11: shown 4:3.
    {"3gp_h263", with(recipe(Container::ThreeGp, StreamCodec::H263), [](auto& r) { r.width = 176, r.height = 144; }),
     192, 144},
    {"mkv_hevc", recipe(Container::Mkv, StreamCodec::Hevc), 160, 120},
    {"mp4_hevc10", recipe(Container::Mp4, StreamCodec::Hevc10), 160, 120},
    {"mkv_h264_vfr", with(recipe(Container::Mkv, StreamCodec::H264BFrames), [](auto& r) { r.vfr = true; }), 160, 120},
    {"mp4_h264_vfr", with(recipe(Container::Mp4, StreamCodec::H264BFrames), [](auto& r) { r.vfr = true; }), 160, 120},
    {"webm_vp8", recipe(Container::WebM, StreamCodec::Vp8), 160, 120},
    {"webm_vp9_altref", recipe(Container::WebM, StreamCodec::Vp9), 160, 120},
    {"mkv_av1", recipe(Container::Mkv, StreamCodec::Av1), 160, 120},
    {"mp4_h264_editlist", with(recipe(Container::Mp4, StreamCodec::H264BFrames), [](auto& r) { r.cut = 5; }), 160,
     120},
    {"mp4_h264_wide_pixels",
     with(recipe(Container::Mp4, StreamCodec::H264), [](auto& r) { r.sarNum = 2, r.sarDen = 1; }), 320, 120},
    {"mkv_h264_narrow_pixels",
     with(recipe(Container::Mkv, StreamCodec::H264), [](auto& r) { r.sarNum = 3, r.sarDen = 4; }), 120, 120},
};

int shownNumber(const pz::VideoDevice& dev) {
  auto f = dev.frame();
  return f ? pztest::readFrameCode(*f) : -2;
}

class StreamVideoTest : public ::testing::TestWithParam<Case> {
 protected:
  void SetUp() override {
    path = pztest::makeStreamVideo(GetParam().recipe);
    dev.open(QString::fromStdString(path));
    // The frames an edit list leaves out are not counted: the first one
    // shown carries the number after them.
    base = GetParam().recipe.cut;
  }
  std::string path;
  pz::VideoDevice dev;
  int base = 0;
};

TEST_P(StreamVideoTest, OpensUprightAtTheDisplayAspect) {
  const Case& c = GetParam();
  EXPECT_EQ(dev.length(), c.recipe.frames - c.recipe.cut);
  EXPECT_EQ(dev.naturalWidth(), c.shownWidth);
  EXPECT_EQ(dev.naturalHeight(), c.shownHeight);
  ASSERT_TRUE(dev.frame());
  EXPECT_EQ(dev.frame()->width(), c.shownWidth);
  EXPECT_EQ(dev.frame()->height(), c.shownHeight);
  EXPECT_EQ(shownNumber(dev), base + 1);
  ASSERT_TRUE(dev.streamDecoder());
  EXPECT_EQ(dev.streamDecoder()->rotation(), c.recipe.turn);
  EXPECT_TRUE(dev.streamDecoder()->timestamped());
}

TEST_P(StreamVideoTest, ShowsWhatAPlayerShowsInItsOrder) {
  const std::vector<int> player = pztest::ffmpegFrameNumbers(path);
  ASSERT_EQ(int(player.size()), dev.length());
  std::vector<int> ours;
  for (int pos = 1; pos <= dev.length(); ++pos) {
    dev.seek(pos);
    ours.push_back(shownNumber(dev));
  }
  EXPECT_EQ(ours, player);
}

TEST_P(StreamVideoTest, StepsSeeksAndStepsBackLandOnExactlyThatFrame) {
  const int n = dev.length();
  for (int pos = 2; pos <= n; ++pos) {
    dev.step(1);
    ASSERT_EQ(shownNumber(dev), base + pos) << "stepping ahead to " << pos;
  }
  for (int pos = n - 1; pos >= 1; --pos) {
    dev.step(-1);
    ASSERT_EQ(shownNumber(dev), base + pos) << "stepping back to " << pos;
  }
  std::mt19937 rng(7);
  for (int i = 0; i < 40; ++i) {
    const int pos = 1 + int(rng() % unsigned(n));
    dev.seek(pos);
    ASSERT_EQ(dev.position(), pos);
    ASSERT_EQ(shownNumber(dev), base + pos) << "after a seek to " << pos;
  }
}

TEST_P(StreamVideoTest, ASeekDecodesFromTheKeyframeJustBeforeIt) {
  // Seeking by decode time landed a whole group early in MP4 files with
  // B-frames: twice the work for every seek.
  const pz::StreamDecoder* d = dev.streamDecoder();
  const int gop = GetParam().recipe.gop;
  for (int pos : {47, 30, 58, 13}) {
    if (pos > dev.length()) continue;
    dev.seek(1);
    const long before = d->stats().framesDecoded;
    dev.seek(pos);
    EXPECT_EQ(shownNumber(dev), base + pos);
    // Keyframes come at least every `gop` frames; the decoder may hand out a
    // few pictures past the target before it is known to be there.
    EXPECT_LE(d->stats().framesDecoded - before, (base + pos - 1) % gop + 1 + 4) << "a seek to " << pos;
  }
}

INSTANTIATE_TEST_SUITE_P(Containers, StreamVideoTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// A copy of a file with some bytes changed, cut short, or both.
std::string damagedCopy(const std::string& path, const std::string& tag, double keep, int noiseBytes) {
  const std::string out = path + "-" + tag + path.substr(path.rfind('.'));
  std::FILE* in = std::fopen(path.c_str(), "rb");
  std::vector<char> bytes;
  for (int c; in && (c = std::fgetc(in)) != EOF;) bytes.push_back(char(c));
  if (in) std::fclose(in);
  bytes.resize(std::size_t(double(bytes.size()) * keep));
  std::mt19937 rng(11);
  // Past the first kilobyte: the headers stay readable, the frames do not.
  for (int i = 0; i < noiseBytes && bytes.size() > 2048; ++i)
    bytes[1024 + rng() % (bytes.size() - 1024)] = char(rng());
  std::FILE* o = std::fopen(out.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), o);
  std::fclose(o);
  return out;
}

// A copy with bytes replaced `offset` bytes after the last `tag` (in an MP4
// written by ffmpeg: inside the index, which comes last).
std::string patched(const std::string& path, const std::string& name, const std::string& tag, std::size_t offset,
                    const std::vector<unsigned char>& with) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::size_t at = bytes.rfind(tag);
  if (at != std::string::npos)
    for (std::size_t i = 0; i < with.size() && at + offset + i < bytes.size(); ++i)
      bytes[at + offset + i] = char(with[i]);
  const std::string out = path + "-" + name + path.substr(path.rfind('.'));
  std::ofstream(out, std::ios::binary) << bytes;
  return out;
}

std::string errorOpening(const std::string& path) {
  pz::VideoDevice dev;
  try {
    dev.open(QString::fromStdString(path));
  } catch (const pz::Error& e) {
    EXPECT_FALSE(dev.isOpen());
    return e.text().toStdString();
  }
  return {};
}

// Every frame the device offers can be shown, in either direction.
void walkEverything(pz::VideoDevice& dev) {
  const int n = dev.length();
  for (int pos : {n, 1, (n + 1) / 2, n - 1, 2}) {
    dev.seek(pos);
    ASSERT_TRUE(dev.frame());
    EXPECT_EQ(dev.frame()->width(), dev.naturalWidth());
  }
  for (int i = 0; i < n + 2; ++i) dev.step(1);
  EXPECT_EQ(dev.position(), n);
  for (int i = 0; i < n + 2; ++i) dev.step(-1);
  EXPECT_EQ(dev.position(), 1);
}

TEST(StreamVideoDamage, FilesThatCannotBeShownSayWhy) {
  const std::string mp4 = pztest::makeStreamVideo(recipe(Container::Mp4, StreamCodec::H264BFrames));
  const std::string soundOnly = pztest::videoDir() + "/sound-only.m4a";
  if (!std::ifstream(soundOnly))
    std::system(("ffmpeg -nostdin -v error -y -f lavfi -i sine=d=1 -c:a aac '" + soundOnly + "'").c_str());
  const struct {
    std::string path;
    const char* says;
  } cases[] = {
      // The sample description claims 65535 pixels across.
      {patched(mp4, "wide", "avc1", 28, {0xFF, 0xFF}), "claims to be 65535"},
      {damagedCopy(mp4, "empty", 0, 0), "is empty"},
      // The index of a plain MP4 comes last: without it nothing is known.
      {damagedCopy(mp4, "half", 0.5, 0), "not an AVI video, or its header is damaged"},
      {soundOnly, "holds no video"},
      {pztest::textFile(), "not an AVI video"},
  };
  for (const auto& c : cases) EXPECT_NE(errorOpening(c.path).find(c.says), std::string::npos) << c.path;
}

TEST(StreamVideoDamage, ACutOffFileOpensTheFramesThatAreThere) {
  const std::string mkv = pztest::makeStreamVideo(recipe(Container::Mkv, StreamCodec::H264BFrames));
  pz::VideoDevice dev;
  dev.open(QString::fromStdString(damagedCopy(mkv, "cut", 0.6, 0)));
  ASSERT_GT(dev.length(), 10);
  EXPECT_LT(dev.length(), 60);
  // Every frame that is whole is shown as itself.
  for (int pos = 1; pos < dev.length() - 3; ++pos) {
    dev.seek(pos);
    ASSERT_EQ(shownNumber(dev), pos);
  }
  walkEverything(dev);
}

TEST(StreamVideoDamage, DamagedFramesAreShownWithoutHarm) {
  for (Container c : {Container::Mp4, Container::Mkv, Container::WebM}) {
    const StreamCodec k = c == Container::WebM ? StreamCodec::Vp9 : StreamCodec::Hevc;
    const std::string good = pztest::makeStreamVideo(recipe(c, k));
    for (int noise : {20, 400}) {
      SCOPED_TRACE(good + " noise " + std::to_string(noise));
      pz::VideoDevice dev;
      try {
        dev.open(QString::fromStdString(damagedCopy(good, "noise" + std::to_string(noise), 1.0, noise)));
      } catch (const pz::Error& e) {
        EXPECT_FALSE(e.text().isEmpty());
        continue;
      }
      walkEverything(dev);
    }
  }
}

TEST(StreamVideoDamage, RepeatedTimestampsNumberTheFramesInDecodeOrder) {
  const std::string mkv = pztest::makeStreamVideo(recipe(Container::Mkv, StreamCodec::H264));
  const std::string same = mkv + "-same-times.mkv";
  if (!std::ifstream(same))
    ASSERT_EQ(std::system(("ffmpeg -nostdin -v error -y -i '" + mkv + "' -c copy -bsf:v setts=ts=0 '" + same + "'").c_str()),
              0);
  pz::VideoDevice dev;
  dev.open(QString::fromStdString(same));
  ASSERT_TRUE(dev.streamDecoder());
  EXPECT_FALSE(dev.streamDecoder()->timestamped());
  ASSERT_EQ(dev.length(), 60);
  for (int pos : {1, 2, 30, 60, 13, 12, 59, 1}) {
    dev.seek(pos);
    EXPECT_EQ(shownNumber(dev), pos);
  }
}

}  // namespace
