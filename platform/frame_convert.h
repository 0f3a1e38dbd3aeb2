// Decoded pictures to surfaces: the packed RGB formats of old AVI codecs are
// converted by plain row loops (swscale's paths for them are slow), everything
// else goes through swscale.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/surface.h"

struct AVFrame;
struct SwsContext;

namespace pz {

class FrameConverter {
 public:
  FrameConverter() = default;
  ~FrameConverter();
  FrameConverter(const FrameConverter&) = delete;
  FrameConverter& operator=(const FrameConverter&) = delete;

  // Fills all of dst with the frame scaled to dst's size. False when the
  // frame cannot be converted (unknown format, no pixels); dst is then
  // unchanged.
  bool convert(const AVFrame* frame, Surface& dst);

 private:
  // Pictures this large (2160p) are converted by two threads, half each.
  static constexpr std::int64_t kThreadedPixels = 3840 * 2160 / 2;
  bool convertThreaded(const AVFrame* frame, Surface& dst);

  SwsContext* sws_ = nullptr;
  SwsContext* big_ = nullptr;
  std::array<int, 5> bigKey_{};
  std::vector<std::uint8_t> scratch_;
};

}  // namespace pz
