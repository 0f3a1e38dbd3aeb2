// Decoded pictures of every width become surfaces without touching memory
// outside them: swscale writes whole blocks of pixels, so a narrow or odd
// width once ran past the end of the picture (a sideways phone video 120
// pixels wide corrupted the heap). Run under the sanitizers to see a stray
// write; the pixels are checked in every build.
#include <gtest/gtest.h>

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixdesc.h>
}

#include "platform/frame_convert.h"

namespace {

struct Row {
  AVPixelFormat format;
  int width, height;
};

class FrameConvertTest : public ::testing::TestWithParam<Row> {};

// A picture whose left half is black and right half white, in any planar YUV
// format (full-range values scaled to the format's depth).
AVFrame* halves(const Row& r) {
  AVFrame* f = av_frame_alloc();
  f->format = r.format;
  f->width = r.width;
  f->height = r.height;
  if (av_frame_get_buffer(f, 0) < 0) return nullptr;
  const AVPixFmtDescriptor* d = av_pix_fmt_desc_get(r.format);
  const int shift = d->comp[0].depth - 8;
  for (int p = 0; p < 3; ++p) {
    const int pw = p == 0 ? r.width : AV_CEIL_RSHIFT(r.width, d->log2_chroma_w);
    const int ph = p == 0 ? r.height : AV_CEIL_RSHIFT(r.height, d->log2_chroma_h);
    for (int y = 0; y < ph; ++y)
      for (int x = 0; x < pw; ++x) {
        const int v = (p == 0 ? (x < pw / 2 ? 16 : 235) : 128) << shift;
        if (shift)
          reinterpret_cast<std::uint16_t*>(f->data[p] + y * f->linesize[p])[x] = std::uint16_t(v);
        else
          f->data[p][y * f->linesize[p] + x] = std::uint8_t(v);
      }
  }
  return f;
}

TEST_P(FrameConvertTest, FillsExactlyTheSurface) {
  const Row r = GetParam();
  AVFrame* f = halves(r);
  ASSERT_TRUE(f);
  pz::Surface dst(r.width, r.height, 0xFF00FF);
  pz::FrameConverter conv;
  ASSERT_TRUE(conv.convert(f, dst));
  for (int y = 0; y < r.height; ++y)
    for (int x = 0; x < r.width; ++x) {
      // Away from the edge between the halves, where scaling blends.
      if (std::abs(x - r.width / 2) <= 2) continue;
      const int expected = x < r.width / 2 ? 0 : 255;
      ASSERT_NEAR(pz::greenOf(dst.pixel(x, y)), expected, 6) << x << "," << y;
    }
  av_frame_free(&f);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, FrameConvertTest,
    ::testing::Values(Row{AV_PIX_FMT_YUV420P, 120, 160}, Row{AV_PIX_FMT_YUV420P, 100, 8},
                      Row{AV_PIX_FMT_YUV420P, 36, 36}, Row{AV_PIX_FMT_YUV422P, 18, 5},
                      Row{AV_PIX_FMT_YUV444P, 120, 16}, Row{AV_PIX_FMT_YUV420P10LE, 72, 40},
                      Row{AV_PIX_FMT_YUV420P, 1080, 4}, Row{AV_PIX_FMT_YUV420P, 160, 120},
                      // Large enough to be converted by two threads.
                      Row{AV_PIX_FMT_YUV420P10LE, 3840, 2160}, Row{AV_PIX_FMT_YUV420P, 2560, 1440}));

}  // namespace
