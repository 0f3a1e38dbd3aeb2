#include "platform/frame_convert.h"

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixfmt.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <thread>

#include <cstring>

namespace pz {

namespace {

inline std::uint32_t packRgb(unsigned r, unsigned g, unsigned b) { return 0xFF000000u | r | (g << 8) | (b << 16); }
inline unsigned expand5(unsigned v) { return (v << 3) | (v >> 2); }
inline unsigned expand6(unsigned v) { return (v << 2) | (v >> 4); }

// One row of a packed format into raw surface words.
template <AVPixelFormat F>
void convertRow(const std::uint8_t* s, std::uint32_t* d, int w, const std::uint32_t* palette) {
  for (int x = 0; x < w; ++x) {
    if constexpr (F == AV_PIX_FMT_BGR0 || F == AV_PIX_FMT_BGRA) {
      d[x] = packRgb(s[4 * x + 2], s[4 * x + 1], s[4 * x]);
    } else if constexpr (F == AV_PIX_FMT_RGB0 || F == AV_PIX_FMT_RGBA) {
      d[x] = packRgb(s[4 * x], s[4 * x + 1], s[4 * x + 2]);
    } else if constexpr (F == AV_PIX_FMT_BGR24) {
      d[x] = packRgb(s[3 * x + 2], s[3 * x + 1], s[3 * x]);
    } else if constexpr (F == AV_PIX_FMT_RGB24) {
      d[x] = packRgb(s[3 * x], s[3 * x + 1], s[3 * x + 2]);
    } else if constexpr (F == AV_PIX_FMT_RGB555LE) {
      const unsigned v = unsigned(s[2 * x]) | (unsigned(s[2 * x + 1]) << 8);
      d[x] = packRgb(expand5((v >> 10) & 31), expand5((v >> 5) & 31), expand5(v & 31));
    } else if constexpr (F == AV_PIX_FMT_RGB565LE) {
      const unsigned v = unsigned(s[2 * x]) | (unsigned(s[2 * x + 1]) << 8);
      d[x] = packRgb(expand5((v >> 11) & 31), expand6((v >> 5) & 63), expand5(v & 31));
    } else if constexpr (F == AV_PIX_FMT_GRAY8) {
      d[x] = packRgb(s[x], s[x], s[x]);
    } else if constexpr (F == AV_PIX_FMT_PAL8) {
      d[x] = palette[s[x]];
    }
  }
}

template <AVPixelFormat F>
void convertRows(const AVFrame* f, Surface& dst, const std::uint32_t* palette) {
  for (int y = 0; y < dst.height(); ++y)
    convertRow<F>(f->data[0] + std::ptrdiff_t(y) * f->linesize[0], dst.row(y), dst.width(), palette);
}

}  // namespace

FrameConverter::~FrameConverter() {
  sws_freeContext(sws_);
  sws_freeContext(big_);
}

bool FrameConverter::convertThreaded(const AVFrame* f, Surface& dst) {
  const std::array<int, 5> key{f->width, f->height, f->format, dst.width(), dst.height()};
  if (!big_ || key != bigKey_) {
    sws_freeContext(big_);
    big_ = sws_alloc_context();
    if (!big_) return false;
    av_opt_set_int(big_, "srcw", f->width, 0);
    av_opt_set_int(big_, "srch", f->height, 0);
    av_opt_set_int(big_, "src_format", f->format, 0);
    av_opt_set_int(big_, "dstw", dst.width(), 0);
    av_opt_set_int(big_, "dsth", dst.height(), 0);
    av_opt_set_int(big_, "dst_format", AV_PIX_FMT_RGBA, 0);
    av_opt_set_int(big_, "sws_flags", SWS_BILINEAR, 0);
    av_opt_set_int(big_, "threads", 2, 0);
    if (sws_init_context(big_, nullptr, nullptr) < 0) {
      sws_freeContext(big_);
      big_ = nullptr;
      return false;
    }
    bigKey_ = key;
  }
  // The surface's own pixels, lent to swscale as the output frame's buffer.
  AVFrame* out = av_frame_alloc();
  if (!out) return false;
  const int bpl = int(dst.image().bytesPerLine());
  auto* bits = reinterpret_cast<std::uint8_t*>(dst.row(0));
  out->buf[0] = av_buffer_create(bits, std::size_t(bpl) * std::size_t(dst.height()), [](void*, std::uint8_t*) {},
                                 nullptr, 0);
  out->data[0] = bits;
  out->linesize[0] = bpl;
  out->format = AV_PIX_FMT_RGBA;
  out->width = dst.width();
  out->height = dst.height();
  const bool ok = out->buf[0] && sws_scale_frame(big_, out, f) >= 0;
  av_frame_free(&out);
  return ok;
}

bool FrameConverter::convert(const AVFrame* f, Surface& dst) {
  if (!f || dst.isNull() || f->width <= 0 || f->height <= 0 || !f->data[0]) return false;
  const auto fmt = AVPixelFormat(f->format);
  if (f->width == dst.width() && f->height == dst.height()) {
    switch (fmt) {
      case AV_PIX_FMT_BGR0: convertRows<AV_PIX_FMT_BGR0>(f, dst, nullptr); return true;
      case AV_PIX_FMT_BGRA: convertRows<AV_PIX_FMT_BGRA>(f, dst, nullptr); return true;
      case AV_PIX_FMT_RGB0: convertRows<AV_PIX_FMT_RGB0>(f, dst, nullptr); return true;
      case AV_PIX_FMT_RGBA: convertRows<AV_PIX_FMT_RGBA>(f, dst, nullptr); return true;
      case AV_PIX_FMT_BGR24: convertRows<AV_PIX_FMT_BGR24>(f, dst, nullptr); return true;
      case AV_PIX_FMT_RGB24: convertRows<AV_PIX_FMT_RGB24>(f, dst, nullptr); return true;
      case AV_PIX_FMT_RGB555LE: convertRows<AV_PIX_FMT_RGB555LE>(f, dst, nullptr); return true;
      case AV_PIX_FMT_RGB565LE: convertRows<AV_PIX_FMT_RGB565LE>(f, dst, nullptr); return true;
      case AV_PIX_FMT_GRAY8: convertRows<AV_PIX_FMT_GRAY8>(f, dst, nullptr); return true;
      case AV_PIX_FMT_PAL8: {
        if (!f->data[1]) return false;
        // The palette is 256 native-endian 0xAARRGGBB words; alpha is ignored
        // as the old players did.
        std::uint32_t pal[256];
        const auto* src = reinterpret_cast<const std::uint32_t*>(f->data[1]);
        for (int i = 0; i < 256; ++i) pal[i] = packRgb((src[i] >> 16) & 0xFF, (src[i] >> 8) & 0xFF, src[i] & 0xFF);
        convertRows<AV_PIX_FMT_PAL8>(f, dst, pal);
        return true;
      }
      default: break;
    }
  }
  if (dst.width() % 32 == 0 && std::int64_t(dst.width()) * dst.height() >= kThreadedPixels &&
      std::thread::hardware_concurrency() >= 2)
    return convertThreaded(f, dst);
  sws_ = sws_getCachedContext(sws_, f->width, f->height, fmt, dst.width(), dst.height(), AV_PIX_FMT_RGBA,
                              SWS_BILINEAR, nullptr, nullptr, nullptr);
  if (!sws_) return false;
  const int bpl = int(dst.image().bytesPerLine());
  if (dst.width() % 32 == 0) {
    std::uint8_t* planes[4] = {reinterpret_cast<std::uint8_t*>(dst.row(0)), nullptr, nullptr, nullptr};
    int strides[4] = {bpl, 0, 0, 0};
    return sws_scale(sws_, f->data, f->linesize, 0, f->height, planes, strides) > 0;
  }
  // swscale's vector code writes whole blocks of pixels: past the end of
  // a row that is not a multiple of the block, and past the end of the picture on
  // the last one. Such rows go through a padded buffer.
  const int padded = (dst.width() + 64) / 32 * 32 * 4;
  scratch_.resize(std::size_t(padded) * std::size_t(dst.height() + 1));
  std::uint8_t* planes[4] = {scratch_.data(), nullptr, nullptr, nullptr};
  int strides[4] = {padded, 0, 0, 0};
  if (sws_scale(sws_, f->data, f->linesize, 0, f->height, planes, strides) <= 0) return false;
  for (int y = 0; y < dst.height(); ++y)
    std::memcpy(dst.row(y), scratch_.data() + std::size_t(y) * std::size_t(padded), std::size_t(dst.width()) * 4);
  return true;
}

}  // namespace pz
