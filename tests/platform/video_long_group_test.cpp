// Seeks into the long groups of pictures (a keyframe every 250 frames, with
// B-frames), where a seek decodes far forward from the keyframe and leaves out
// the frames nothing refers to until shortly before the target. Every slot is
// reached by a fresh seek with a cache that holds almost nothing (the shown
// frame is then among the first decoded in full); random seeks with a roomy
// one.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <tuple>

#include "platform/video_decoder.h"
#include "platform/video_device.h"
#include "tests/support/video_maker.h"

using pztest::Codec;

namespace {

constexpr int kFrames = 300;

class LongGroupSeekTest : public ::testing::TestWithParam<std::tuple<Codec, int>> {
 protected:
  void SetUp() override {
    const auto [codec, cachedFrames] = GetParam();
    dec = std::make_unique<pz::VideoDecoder>(
        QString::fromStdString(pztest::makeVideo({codec, 160, 120, kFrames, {}})));
    dec->setCacheBudget(std::size_t(cachedFrames) * 160 * 120 * 4);
  }
  int shownAt(int slot) {
    auto f = dec->frame(slot);
    return f ? pztest::readFrameCode(*f) : -2;
  }
  std::unique_ptr<pz::VideoDecoder> dec;
};

TEST_P(LongGroupSeekTest, EverySeekLandsExactly) {
  ASSERT_EQ(dec->length(), kFrames);
  if (std::get<1>(GetParam()) <= 2) {
    // From the end backwards every seek starts again at a keyframe, and with
    // no room in the cache the target is the first frame decoded in full.
    for (int slot = kFrames - 1; slot >= 0; --slot) ASSERT_EQ(shownAt(slot), slot + 1) << "backwards, slot " << slot;
  } else {
    std::vector<int> order(kFrames);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), std::mt19937(250));
    order.resize(100);
    for (int slot : order) ASSERT_EQ(shownAt(slot), slot + 1) << "shuffled, slot " << slot;
  }
  // A far seek, a walk back (answered by the cache when it has room), then
  // steps ahead across the next keyframe.
  EXPECT_EQ(shownAt(240), 241);
  for (int slot = 239; slot >= 230; --slot) ASSERT_EQ(shownAt(slot), slot + 1);
  for (int slot = 231; slot <= 260; ++slot) ASSERT_EQ(shownAt(slot), slot + 1);
}

INSTANTIATE_TEST_SUITE_P(Videos, LongGroupSeekTest,
                         ::testing::Combine(::testing::Values(Codec::Mpeg4Gop250, Codec::H264, Codec::H264Pyramid),
                                            ::testing::Values(2, 40)),
                         [](const auto& info) {
                           return std::string(pztest::codecName(std::get<0>(info.param))) + "_cache" +
                                  std::to_string(std::get<1>(info.param));
                         });

}  // namespace

namespace {

// The last frames of a file: the decoder hands out its final pictures only
// once it is told the file has ended, without timestamps, and a group may
// start a few frames before the end (the MPEG-4 encoder put a keyframe three
// frames from the end of the 100-frame video, whose packet shows the last
// frame). Seeks there, steps to the end and back must all land exactly.
class EndOfFileTest : public ::testing::TestWithParam<std::tuple<Codec, int>> {};

TEST_P(EndOfFileTest, SeeksAndStepsNearTheEndLandExactly) {
  const auto [codec, frames] = GetParam();
  pz::VideoDevice dev;
  dev.open(QString::fromStdString(pztest::makeVideo({codec, 160, 120, frames, {}})));
  ASSERT_EQ(dev.length(), frames);
  auto shown = [&] { return pztest::readFrameCode(*dev.frame()); };
  dev.seek(frames);
  EXPECT_EQ(shown(), frames) << "seek to the last frame";
  for (int start : {frames - 5, frames - 2, frames - 1, 1}) {
    dev.seek(start);
    ASSERT_EQ(shown(), start);
    for (int i = 0; i < 8; ++i) {
      dev.step(1);
      ASSERT_EQ(shown(), dev.position()) << "stepping from " << start;
    }
  }
  dev.seek(frames);
  for (int i = 1; i <= 10; ++i) {
    dev.step(-1);
    ASSERT_EQ(shown(), frames - i) << "walking back from the end";
  }
}

INSTANTIATE_TEST_SUITE_P(Videos, EndOfFileTest,
                         ::testing::Combine(::testing::Values(Codec::Mpeg4Gop50, Codec::Mpeg4Gop250, Codec::H264,
                                                              Codec::H264Pyramid, Codec::HuffYuv),
                                            ::testing::Values(99, 100)),
                         [](const auto& info) {
                           return std::string(pztest::codecName(std::get<0>(info.param))) + "_" +
                                  std::to_string(std::get<1>(info.param));
                         });

}  // namespace
