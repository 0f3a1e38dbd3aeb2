// The video device over every codec the test videos come in: each frame
// carries its own number, so every check reads back which frame is shown.
#include <gtest/gtest.h>

#include <random>

#include "platform/application.h"
#include "platform/surfacewidget.h"
#include "platform/video_decoder.h"
#include "platform/video_device.h"
#include "tests/support/video_maker.h"

using pztest::Codec;

namespace {

// Long groups of pictures need more frames than one group; the slow
// encoders get fewer.
int framesFor(Codec c) {
  switch (c) {
    case Codec::Mpeg4Gop50:
    case Codec::Mpeg4Gop250:
    case Codec::H264: return 300;
    case Codec::Cinepak: return 60;
    default: return 120;
  }
}

std::string videoFor(Codec c) { return pztest::makeVideo({c, 160, 120, framesFor(c), {}}); }

int shownNumber(const pz::VideoDevice& dev) {
  auto f = dev.frame();
  return f ? pztest::readFrameCode(*f) : -2;
}

class VideoCodecTest : public ::testing::TestWithParam<Codec> {
 protected:
  void SetUp() override { dev.open(QString::fromStdString(videoFor(GetParam()))); }
  pz::VideoDevice dev;
};

TEST_P(VideoCodecTest, LengthCountsEveryFrameAndTheFirstFrameIsShown) {
  EXPECT_EQ(dev.length(), framesFor(GetParam()));
  EXPECT_EQ(dev.position(), 1);
  EXPECT_EQ(shownNumber(dev), 1);
  EXPECT_EQ(dev.naturalWidth(), 160);
  EXPECT_EQ(dev.naturalHeight(), 120);
}

TEST_P(VideoCodecTest, SeeksShowExactlyTheFrameAskedFor) {
  const int last = dev.length();
  for (int pos : {1, 2, 50, last, 49, 51, 3, last - 1, 1}) {
    dev.seek(pos);
    EXPECT_EQ(dev.position(), pos);
    EXPECT_EQ(shownNumber(dev), pos) << "after a seek to " << pos;
  }
}

TEST_P(VideoCodecTest, SteppingThroughShowsEveryFrameInTurn) {
  for (int pos = 2; pos <= dev.length(); ++pos) {
    dev.step(1);
    ASSERT_EQ(shownNumber(dev), pos);
  }
  dev.step(1);  // stays on the last frame
  EXPECT_EQ(dev.position(), dev.length());
  EXPECT_EQ(shownNumber(dev), dev.length());
}

TEST_P(VideoCodecTest, WalkBackTenFrames) {
  // From just past a keyframe boundary of the long-group videos and from the end.
  for (int start : {std::min(dev.length(), 57), dev.length()}) {
    dev.seek(start);
    for (int i = 1; i <= 10; ++i) {
      dev.step(-1);
      ASSERT_EQ(shownNumber(dev), start - i) << "walking back from " << start;
    }
  }
  dev.seek(1);
  dev.step(-1);
  EXPECT_EQ(dev.position(), 1);
  EXPECT_EQ(shownNumber(dev), 1);
}

TEST_P(VideoCodecTest, RandomSeeks) {
  std::mt19937 rng(8);
  std::uniform_int_distribution<int> pick(1, dev.length());
  for (int i = 0; i < 40; ++i) {
    const int pos = pick(rng);
    dev.seek(pos);
    ASSERT_EQ(shownNumber(dev), pos) << "seek " << i;
  }
}

TEST_P(VideoCodecTest, DisplayShowsTheFrameScaledToItsRectangle) {
  pz::SurfaceWidget display;
  display.QWidget::show();
  display.resize(480, 360);
  dev.setDisplay(&display);
  dev.putDisplayRect(0, 0, 0, 0);
  EXPECT_EQ(dev.displayRect().width(), 160);
  EXPECT_EQ(dev.displayRect().height(), 120);
  for (auto [w, h, pos] : {std::tuple{80, 60, 7}, std::tuple{160, 120, 40}, std::tuple{480, 360, 33}}) {
    dev.putDisplayRect(0, 0, w, h);
    dev.seek(pos);
    const pz::Surface shown = display.surface().copy({0, 0, w, h});
    EXPECT_EQ(pztest::readFrameCode(shown), pos) << w << " x " << h;
    EXPECT_EQ(pztest::readFrameCode(dev.shownFrame()), pos);
    EXPECT_EQ(dev.shownFrame().width(), w);
  }
}

INSTANTIATE_TEST_SUITE_P(Codecs, VideoCodecTest, ::testing::ValuesIn(pztest::allCodecs()),
                         [](const auto& info) { return std::string(pztest::codecName(info.param)); });

TEST(VideoDevice, DroppedFramesShowTheFrameBefore) {
  const auto path = pztest::makeVideo({Codec::Mjpeg, 160, 120, 40, {5, 6, 7, 20}});
  pz::VideoDevice dev;
  dev.open(QString::fromStdString(path));
  EXPECT_EQ(dev.length(), 40);
  const int expected[] = {1, 2, 3, 4, 4, 4, 4, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 19, 21};
  for (int pos = 1; pos <= 21; ++pos) {
    dev.seek(pos);
    EXPECT_EQ(shownNumber(dev), expected[pos - 1]) << "seek to " << pos;
  }
  dev.seek(1);
  for (int pos = 2; pos <= 21; ++pos) {
    dev.step(1);
    EXPECT_EQ(dev.position(), pos);
    EXPECT_EQ(shownNumber(dev), expected[pos - 1]) << "step to " << pos;
  }
  for (int pos = 20; pos >= 1; --pos) {
    dev.step(-1);
    EXPECT_EQ(shownNumber(dev), expected[pos - 1]) << "step back to " << pos;
  }
}

// A truncated file has lost its index and its last chunk is cut short: the
// frames before the cut are all there, exactly, and the cut one is not shown
// with stale pixels.
class TruncatedVideoTest : public ::testing::TestWithParam<Codec> {};

TEST_P(TruncatedVideoTest, FramesBeforeTheCutPlayExactly) {
  const auto path = pztest::truncatedCopy(videoFor(GetParam()), 0.6);
  pz::VideoDevice dev;
  dev.open(QString::fromStdString(path));
  const int full = framesFor(GetParam());
  EXPECT_GT(dev.length(), full / 2);
  EXPECT_LT(dev.length(), full);
  std::mt19937 rng(3);
  std::uniform_int_distribution<int> pick(1, dev.length());
  std::vector<int> positions = {1, 2, dev.length(), dev.length() - 1};
  for (int i = 0; i < 15; ++i) positions.push_back(pick(rng));
  for (int pos : positions) {
    dev.seek(pos);
    EXPECT_EQ(shownNumber(dev), pos) << "seek to " << pos << " of " << dev.length();
  }
}

INSTANTIATE_TEST_SUITE_P(Codecs, TruncatedVideoTest,
                         ::testing::Values(Codec::Mjpeg, Codec::Mpeg4Gop50, Codec::H264, Codec::MsVideo1,
                                           Codec::Zmbv),
                         [](const auto& info) { return std::string(pztest::codecName(info.param)); });

QString openError(const std::string& path) {
  pz::VideoDevice dev;
  try {
    dev.open(QString::fromStdString(path));
  } catch (const pz::Error& e) {
    EXPECT_FALSE(dev.isOpen());
    return e.text();
  }
  return {};
}

TEST(VideoDevice, FilesThatAreNoVideoGiveAClearMessage) {
  const auto good = videoFor(Codec::Mjpeg);
  const long strf = pztest::findTag(good, "strf");
  ASSERT_GT(strf, 0);
  // biWidth and biHeight of the picture header, made absurd.
  const auto huge = pztest::patchedCopy(good, "huge", {{strf + 12, {0x30, 0x75, 0, 0}}, {strf + 16, {0x30, 0x75, 0, 0}}});
  const auto noSize = pztest::patchedCopy(good, "nosize", {{strf + 12, {0, 0, 0, 0}}});
  const struct {
    std::string path;
    const char* words;
  } rows[] = {
      {pztest::emptyFile(), "is empty"},
      {pztest::textFile(), "not an AVI video"},
      {pztest::audioOnlyVideo(), "holds no video"},
      {huge, "4096 × 4096"},
      {noSize, "no picture size"},
      {pztest::flippedByteCopy(good, 0, "riff"), "not an AVI video"},
      {pztest::flippedByteCopy(good, strf + 24, "compression"), "cannot be decoded"},
      {pztest::videoDir() + "/no-such-file.avi", "cannot be found"},
  };
  for (const auto& row : rows) {
    const QString text = openError(row.path);
    EXPECT_TRUE(text.contains(QString::fromUtf8(row.words))) << row.path << ": " << text.toStdString();
  }
}

TEST(VideoDevice, AFailedOpenKeepsTheEarlierVideo) {
  pz::VideoDevice dev;
  dev.open(QString::fromStdString(videoFor(Codec::Mpeg4Gop50)));
  dev.seek(77);
  EXPECT_THROW(dev.open(QString::fromStdString(pztest::emptyFile())), pz::Error);
  EXPECT_TRUE(dev.isOpen());
  EXPECT_EQ(dev.length(), 300);
  EXPECT_EQ(dev.position(), 77);
  dev.step(1);
  EXPECT_EQ(shownNumber(dev), 78);
}

// Damage that leaves a file readable: a flipped byte anywhere in the header or
// the index, noise in the frame data. Opening either fails with a message or
// the video plays; nothing hangs or crashes.
void playsOrFails(const std::string& path) {
  pz::VideoDevice dev;
  try {
    dev.open(QString::fromStdString(path));
  } catch (const pz::Error& e) {
    EXPECT_FALSE(e.text().isEmpty());
    return;
  }
  ASSERT_GT(dev.length(), 0);
  std::mt19937 rng(5);
  std::uniform_int_distribution<int> pick(1, dev.length());
  for (int i = 0; i < 12; ++i) {
    dev.seek(pick(rng));
    ASSERT_TRUE(dev.frame());
  }
  dev.seek(dev.length() - 12);
  for (int i = 0; i < 15; ++i) dev.step(1);
  EXPECT_EQ(dev.position(), dev.length());
}

// Small videos for the damage tests: each damage is a copy on disk.
std::string smallVideo(Codec c) { return pztest::makeVideo({c, 160, 120, 60, {}}); }

TEST(VideoDevice, FlippedHeaderBytesFailWithAMessageOrPlay) {
  for (Codec c : {Codec::Mjpeg, Codec::Mpeg4Gop50, Codec::H264, Codec::MsVideo1}) {
    const auto good = smallVideo(c);
    // The fields of the main, stream and picture headers, and the list tags.
    std::vector<long> offsets;
    for (const char* tag : {"avih", "strh", "strf"}) {
      const long at = pztest::findTag(good, tag);
      ASSERT_GT(at, 0);
      for (long field = 0; field < 56; field += 4) offsets.push_back(at + 8 + field);
    }
    for (const char* tag : {"RIFF", "hdrl", "strl", "movi"}) offsets.push_back(pztest::findTag(good, tag));
    for (long at : offsets) {
      SCOPED_TRACE(std::string(pztest::codecName(c)) + " byte " + std::to_string(at));
      playsOrFails(pztest::flippedByteCopy(good, at, std::to_string(at)));
    }
  }
}

TEST(VideoDevice, AStreamThatStartsLateKeepsItsFrames) {
  // The stream header's start time: a modest one gives empty slots (showing
  // the first frame) before the frames; one three billion frames in is
  // ignored by the demuxer. (A fuzzed file whose timestamps ran that far
  // beyond its chunks asked for a slot table of a gigabyte; that input is
  // kept in tests/data/fuzz/video.)
  const auto good = smallVideo(Codec::Cinepak);
  const auto noIndex = pztest::flippedByteCopy(good, pztest::findTag(good, "idx1"), "idx1");
  const long strh = pztest::findTag(good, "strh");
  ASSERT_GT(strh, 0);
  auto startingAt = [&](const std::string& path, std::uint32_t start, const std::string& tag) {
    std::vector<unsigned char> le;
    for (int i = 0; i < 4; ++i) le.push_back((unsigned char)(start >> (8 * i)));
    return pztest::patchedCopy(path, tag, {{strh + 36, le}});
  };
  const struct {
    std::string path;
    int length;
    int lastShown;   // at the last position
    int shownAt30;
  } rows[] = {
      {startingAt(good, 0xC0000E53u, "start-late"), 60, 60, 30},
      {startingAt(noIndex, 0xC0000E53u, "start-late"), 60, 60, 30},
      {startingAt(good, 255, "start-255"), 315, 60, 1},
      {startingAt(noIndex, 255, "start-255"), 315, 60, 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.path);
    pz::VideoDevice dev;
    dev.open(QString::fromStdString(row.path));
    EXPECT_EQ(dev.length(), row.length);
    dev.seek(dev.length());
    EXPECT_EQ(shownNumber(dev), row.lastShown);
    dev.seek(30);
    EXPECT_EQ(shownNumber(dev), row.shownAt30);
  }
}

TEST(VideoDevice, NoiseInTheFrameDataIsConcealedOrSkipped) {
  for (Codec c : pztest::allCodecs()) {
    SCOPED_TRACE(pztest::codecName(c));
    playsOrFails(pztest::noisyCopy(smallVideo(c), 0.002, 11));
  }
}

TEST(VideoDevice, AnIndexWithAFlippedByteStillPlaysExactly) {
  const auto good = videoFor(Codec::Mpeg4Gop50);
  const long idx = pztest::findTag(good, "idx1");
  ASSERT_GT(idx, 0);
  const auto damaged = pztest::flippedByteCopy(good, idx, "idx1-tag");  // the index is lost
  pz::VideoDevice dev;
  dev.open(QString::fromStdString(damaged));
  EXPECT_EQ(dev.length(), 300);
  for (int pos : {1, 2, 50, 51, 52, 150, 300}) {
    dev.seek(pos);
    EXPECT_EQ(shownNumber(dev), pos);
  }
}

TEST(VideoDecoder, OpeningGivesUpAtItsDeadline) {
  // A file without an index must be read through; with no time for that the
  // decoder stops early with what it has, or refuses.
  const auto path = pztest::truncatedCopy(videoFor(Codec::Raw), 0.9);
  try {
    pz::VideoDecoder dec(QString::fromStdString(path), std::chrono::milliseconds(0));
    EXPECT_LT(dec.length(), 108);
  } catch (const pz::Error& e) {
    EXPECT_FALSE(e.text().isEmpty());
  }
}

}  // namespace
