#include "tests/support/video_maker.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

namespace pztest {

namespace {

constexpr int kGrid = 4;

int checkBits(int v) { return ((v ^ (v >> 4) ^ (v >> 8)) & 0xF) ^ 0xA; }

struct Setup {
  AVCodecID id;
  const char* encoder;
  AVPixelFormat pix;
  int gop;
};

Setup setupOf(Codec c) {
  switch (c) {
    case Codec::Mjpeg: return {AV_CODEC_ID_MJPEG, "mjpeg", AV_PIX_FMT_YUVJ420P, 1};
    case Codec::Mpeg4Gop50: return {AV_CODEC_ID_MPEG4, "mpeg4", AV_PIX_FMT_YUV420P, 50};
    case Codec::Mpeg4Gop250: return {AV_CODEC_ID_MPEG4, "mpeg4", AV_PIX_FMT_YUV420P, 250};
    case Codec::H264: return {AV_CODEC_ID_H264, "libx264", AV_PIX_FMT_YUV420P, 250};
    case Codec::H264Pyramid: return {AV_CODEC_ID_H264, "libx264", AV_PIX_FMT_YUV420P, 250};
    case Codec::Cinepak: return {AV_CODEC_ID_CINEPAK, "cinepak", AV_PIX_FMT_RGB24, 12};
    case Codec::MsVideo1: return {AV_CODEC_ID_MSVIDEO1, "msvideo1", AV_PIX_FMT_RGB555LE, 30};
    case Codec::HuffYuv: return {AV_CODEC_ID_HUFFYUV, "huffyuv", AV_PIX_FMT_YUV422P, 1};
    case Codec::Zmbv: return {AV_CODEC_ID_ZMBV, "zmbv", AV_PIX_FMT_BGR0, 60};
    case Codec::Raw: return {AV_CODEC_ID_RAWVIDEO, "rawvideo", AV_PIX_FMT_BGR24, 1};
  }
  return {};
}

void fail(const std::string& what) { throw std::runtime_error("test video: " + what); }

// Writes to a private name first and renames, so that parallel test processes
// never see a half-written file.
std::string tempNameFor(const std::string& path) { return path + ".tmp" + std::to_string(getpid()); }

void writeVideo(const VideoRecipe& recipe, const std::string& path) {
  av_log_set_level(AV_LOG_ERROR);
  const Setup su = setupOf(recipe.codec);
  AVFormatContext* oc = nullptr;
  if (avformat_alloc_output_context2(&oc, nullptr, "avi", path.c_str()) < 0) fail("no avi muxer");
  const AVCodec* enc = avcodec_find_encoder_by_name(su.encoder);
  if (!enc) fail(std::string("no encoder ") + su.encoder);
  AVStream* st = avformat_new_stream(oc, nullptr);
  AVCodecContext* cx = avcodec_alloc_context3(enc);
  cx->width = recipe.width;
  cx->height = recipe.height;
  cx->pix_fmt = su.pix;
  cx->time_base = {1, 25};
  cx->framerate = {25, 1};
  cx->gop_size = su.gop;
  cx->thread_count = 1;
  switch (recipe.codec) {
    case Codec::Mjpeg:
    case Codec::Mpeg4Gop50:
    case Codec::Mpeg4Gop250:
      cx->flags |= AV_CODEC_FLAG_QSCALE;
      cx->global_quality = FF_QP2LAMBDA * 3;
      if (su.id == AV_CODEC_ID_MPEG4) cx->max_b_frames = 2;
      break;
    case Codec::H264:
      av_opt_set(cx->priv_data, "preset", "veryfast", 0);
      av_opt_set(cx->priv_data, "crf", "20", 0);
      cx->max_b_frames = 3;
      break;
    case Codec::H264Pyramid:
      // Three B-frames between every pair of P-frames, the middle one a
      // reference: half the frames are ones nothing refers to.
      av_opt_set(cx->priv_data, "preset", "veryfast", 0);
      av_opt_set(cx->priv_data, "crf", "20", 0);
      av_opt_set(cx->priv_data, "x264-params", "b-adapt=0:bframes=3:b-pyramid=normal", 0);
      cx->max_b_frames = 3;
      break;
    case Codec::Cinepak:
      // Fixed strips and no extra codebook passes: the encoder is otherwise
      // far too slow for test-time use.
      av_opt_set_int(cx->priv_data, "max_extra_cb_iterations", 0, 0);
      av_opt_set_int(cx->priv_data, "min_strips", 3, 0);
      break;
    case Codec::Zmbv:
      cx->compression_level = 1;
      break;
    default:
      break;
  }
  if (avcodec_open2(cx, enc, nullptr) < 0) fail(std::string("cannot open encoder ") + su.encoder);
  avcodec_parameters_from_context(st->codecpar, cx);
  st->time_base = cx->time_base;
  if (avio_open(&oc->pb, path.c_str(), AVIO_FLAG_WRITE) < 0) fail("cannot write " + path);
  if (avformat_write_header(oc, nullptr) < 0) fail("cannot write header");

  AVFrame* rgb = av_frame_alloc();
  rgb->format = AV_PIX_FMT_RGB24;
  rgb->width = recipe.width;
  rgb->height = recipe.height;
  av_frame_get_buffer(rgb, 32);
  AVFrame* fr = av_frame_alloc();
  fr->format = su.pix;
  fr->width = recipe.width;
  fr->height = recipe.height;
  av_frame_get_buffer(fr, 32);
  SwsContext* sws = sws_getContext(recipe.width, recipe.height, AV_PIX_FMT_RGB24, recipe.width, recipe.height, su.pix,
                                   SWS_BICUBIC, nullptr, nullptr, nullptr);
  AVPacket* pkt = av_packet_alloc();

  auto drain = [&](AVFrame* f) {
    avcodec_send_frame(cx, f);
    while (avcodec_receive_packet(cx, pkt) == 0) {
      av_packet_rescale_ts(pkt, cx->time_base, st->time_base);
      pkt->stream_index = st->index;
      av_interleaved_write_frame(oc, pkt);
    }
  };
  for (int i = 0; i < recipe.frames; ++i) {
    if (std::find(recipe.dropped.begin(), recipe.dropped.end(), i + 1) != recipe.dropped.end()) continue;
    av_frame_make_writable(rgb);
    av_frame_make_writable(fr);
    // A screen-capture codec meets still backgrounds; anything else a moving one.
    drawFrameCode(rgb->data[0], rgb->linesize[0], recipe.width, recipe.height, i + 1,
                  recipe.codec == Codec::Zmbv ? 0 : 2);
    sws_scale(sws, rgb->data, rgb->linesize, 0, recipe.height, fr->data, fr->linesize);
    fr->pts = i;
    drain(fr);
  }
  drain(nullptr);
  av_write_trailer(oc);
  sws_freeContext(sws);
  av_packet_free(&pkt);
  av_frame_free(&fr);
  av_frame_free(&rgb);
  avcodec_free_context(&cx);
  avio_closep(&oc->pb);
  avformat_free_context(oc);
}

std::vector<char> readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeAllAtomically(const std::string& path, const std::vector<char>& bytes) {
  const std::string tmp = tempNameFor(path);
  {
    std::ofstream out(tmp, std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
  }
  fs::rename(tmp, path);
}

std::string derivedName(const std::string& path, const std::string& tag) {
  fs::path p(path);
  return (p.parent_path() / (p.stem().string() + "-" + tag + ".avi")).string();
}

}  // namespace

const char* codecName(Codec c) {
  switch (c) {
    case Codec::Mjpeg: return "mjpeg";
    case Codec::Mpeg4Gop50: return "mpeg4_gop50";
    case Codec::Mpeg4Gop250: return "mpeg4_gop250";
    case Codec::H264: return "h264";
    case Codec::H264Pyramid: return "h264_pyramid";
    case Codec::Cinepak: return "cinepak";
    case Codec::MsVideo1: return "msvideo1";
    case Codec::HuffYuv: return "huffyuv";
    case Codec::Zmbv: return "zmbv";
    case Codec::Raw: return "raw";
  }
  return "?";
}

std::vector<Codec> allCodecs() {
  return {Codec::Mjpeg, Codec::Mpeg4Gop50, Codec::Mpeg4Gop250, Codec::H264, Codec::Cinepak,
          Codec::MsVideo1, Codec::HuffYuv, Codec::Zmbv, Codec::Raw};
}

std::string videoDir() {
#ifdef PINZ_VIDEO_DIR
  const std::string dir = PINZ_VIDEO_DIR;
#else
  const std::string dir = (fs::temp_directory_path() / "pinz-test-videos").string();
#endif
  fs::create_directories(dir);
  return dir;
}

std::string makeVideo(const VideoRecipe& recipe) {
  std::string name = std::string(codecName(recipe.codec)) + "-" + std::to_string(recipe.width) + "x" +
                     std::to_string(recipe.height) + "-" + std::to_string(recipe.frames);
  if (!recipe.dropped.empty()) {
    name += "-drop";
    for (int d : recipe.dropped) name += "_" + std::to_string(d);
  }
  const std::string path = (fs::path(videoDir()) / (name + ".avi")).string();
  if (fs::exists(path)) return path;
  // One process encodes while the others wait for it: some encoders take
  // seconds, and the tests run as many processes at once.
  const int lock = ::open((path + ".lock").c_str(), O_CREAT | O_RDWR, 0644);
  if (lock >= 0) ::flock(lock, LOCK_EX);
  if (!fs::exists(path)) {
    const std::string tmp = tempNameFor(path);
    writeVideo(recipe, tmp);
    fs::rename(tmp, path);
  }
  if (lock >= 0) ::close(lock);
  return path;
}

std::string truncatedCopy(const std::string& path, double keepFraction) {
  const std::string out = derivedName(path, "trunc" + std::to_string(int(keepFraction * 100)));
  if (fs::exists(out)) return out;
  std::vector<char> bytes = readAll(path);
  bytes.resize(size_t(double(bytes.size()) * keepFraction));
  writeAllAtomically(out, bytes);
  return out;
}

std::string flippedByteCopy(const std::string& path, long offset, const std::string& tag) {
  const std::string out = derivedName(path, "flip-" + tag);
  if (fs::exists(out)) return out;
  std::vector<char> bytes = readAll(path);
  if (offset >= 0 && size_t(offset) < bytes.size()) bytes[size_t(offset)] = char(~bytes[size_t(offset)]);
  writeAllAtomically(out, bytes);
  return out;
}

std::string patchedCopy(const std::string& path, const std::string& tag,
                        const std::vector<std::pair<long, std::vector<unsigned char>>>& patches) {
  const std::string out = derivedName(path, tag);
  if (fs::exists(out)) return out;
  std::vector<char> bytes = readAll(path);
  for (const auto& [offset, data] : patches)
    for (size_t i = 0; i < data.size(); ++i)
      if (offset >= 0 && size_t(offset) + i < bytes.size()) bytes[size_t(offset) + i] = char(data[i]);
  writeAllAtomically(out, bytes);
  return out;
}

std::string noisyCopy(const std::string& path, double fraction, unsigned seed) {
  const std::string out = derivedName(path, "noise" + std::to_string(seed));
  if (fs::exists(out)) return out;
  std::vector<char> bytes = readAll(path);
  // Only the frame data is hit: from the first chunk of "movi" to the index.
  long from = findTag(path, "movi");
  long to = findTag(path, "idx1");
  if (from < 0) from = long(bytes.size() / 4);
  if (to < 0) to = long(bytes.size());
  from += 16;
  std::mt19937 rng(seed);
  std::uniform_int_distribution<long> where(from, std::max(from, to - 1));
  const long hits = std::max(1L, long(double(to - from) * fraction));
  for (long i = 0; i < hits; ++i) bytes[size_t(where(rng))] = char(rng());
  writeAllAtomically(out, bytes);
  return out;
}

std::string emptyFile() {
  const std::string out = (fs::path(videoDir()) / "empty.avi").string();
  if (!fs::exists(out)) writeAllAtomically(out, {});
  return out;
}

std::string textFile() {
  const std::string out = (fs::path(videoDir()) / "letter.avi").string();
  if (!fs::exists(out)) {
    const std::string text = "Dear reader, this is a letter and not a video at all.\n";
    std::vector<char> bytes;
    for (int i = 0; i < 50; ++i) bytes.insert(bytes.end(), text.begin(), text.end());
    writeAllAtomically(out, bytes);
  }
  return out;
}

std::string audioOnlyVideo() {
  const std::string out = (fs::path(videoDir()) / "sound-only.avi").string();
  if (fs::exists(out)) return out;
  const std::string tmp = tempNameFor(out);
  AVFormatContext* oc = nullptr;
  avformat_alloc_output_context2(&oc, nullptr, "avi", tmp.c_str());
  AVStream* st = avformat_new_stream(oc, nullptr);
  st->codecpar->codec_type = AVMEDIA_TYPE_AUDIO;
  st->codecpar->codec_id = AV_CODEC_ID_PCM_S16LE;
  st->codecpar->sample_rate = 8000;
  av_channel_layout_default(&st->codecpar->ch_layout, 1);
  st->codecpar->bits_per_coded_sample = 16;
  st->codecpar->block_align = 2;
  st->time_base = {1, 8000};
  avio_open(&oc->pb, tmp.c_str(), AVIO_FLAG_WRITE);
  if (avformat_write_header(oc, nullptr) < 0) fail("cannot write sound header");
  std::vector<uint8_t> silence(1600, 0);
  AVPacket* pkt = av_packet_alloc();
  for (int i = 0; i < 10; ++i) {
    av_new_packet(pkt, int(silence.size()));
    std::copy(silence.begin(), silence.end(), pkt->data);
    pkt->pts = pkt->dts = i * 800;
    pkt->stream_index = 0;
    av_interleaved_write_frame(oc, pkt);
  }
  av_write_trailer(oc);
  av_packet_free(&pkt);
  avio_closep(&oc->pb);
  avformat_free_context(oc);
  fs::rename(tmp, out);
  return out;
}

long findTag(const std::string& path, const char* fourcc) {
  const std::vector<char> bytes = readAll(path);
  const std::string hay(bytes.begin(), bytes.end());
  const size_t at = hay.find(std::string(fourcc, 4));
  return at == std::string::npos ? -1 : long(at);
}

void drawFrameCode(unsigned char* rgb, int stride, int w, int h, int number, int scroll) {
  const int code = (number & 0xFFF) | (checkBits(number & 0xFFF) << 12);
  for (int y = 0; y < h; ++y) {
    unsigned char* p = rgb + std::ptrdiff_t(y) * stride;
    const int row = std::min(kGrid - 1, y * kGrid / h);
    const int cy = y - row * h / kGrid;
    const int ch = (row + 1) * h / kGrid - row * h / kGrid;
    for (int x = 0; x < w; ++x, p += 3) {
      const int col = std::min(kGrid - 1, x * kGrid / w);
      const int cx = x - col * w / kGrid;
      const int cw = (col + 1) * w / kGrid - col * w / kGrid;
      const bool inBlock = cx >= cw / 8 && cx < cw - cw / 8 && cy >= ch / 8 && cy < ch - ch / 8;
      if (inBlock) {
        const bool on = (code >> (row * kGrid + col)) & 1;
        p[0] = p[1] = p[2] = on ? 235 : 20;
      } else {
        // A pattern that moves from frame to frame, so that inter-frame codecs
        // have motion to code.
        // A texture that scrolls by two pixels a frame, so that inter-frame
        // codecs have motion to code.
        const int u = x + number * scroll;
        p[0] = (unsigned char)(u * 3);
        p[1] = (unsigned char)(y * 4);
        p[2] = (unsigned char)(((u >> 3) ^ (y >> 3)) & 1 ? 200 : 60);
      }
    }
  }
}

int readFrameCode(const pz::Surface& s) {
  if (s.width() < kGrid * 4 || s.height() < kGrid * 4) return -1;
  int code = 0;
  for (int row = 0; row < kGrid; ++row) {
    for (int col = 0; col < kGrid; ++col) {
      const int x0 = col * s.width() / kGrid, x1 = (col + 1) * s.width() / kGrid;
      const int y0 = row * s.height() / kGrid, y1 = (row + 1) * s.height() / kGrid;
      // The middle third of the block: far from edges that lossy codecs smear.
      long sum = 0, n = 0;
      for (int y = y0 + (y1 - y0) / 3; y < y1 - (y1 - y0) / 3; ++y)
        for (int x = x0 + (x1 - x0) / 3; x < x1 - (x1 - x0) / 3; ++x) {
          const pz::Color c = s.pixel(x, y);
          sum += pz::redOf(c) + pz::greenOf(c) + pz::blueOf(c);
          ++n;
        }
      if (n == 0) return -1;
      const long mean = sum / (3 * n);
      if (mean > 90 && mean < 165) return -1;  // neither black nor white: not a code
      if (mean >= 165) code |= 1 << (row * kGrid + col);
    }
  }
  const int value = code & 0xFFF;
  return (code >> 12) == checkBits(value) ? value : -1;
}

}  // namespace pztest
