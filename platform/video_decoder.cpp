#include "platform/video_decoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <climits>
#include <cstring>
#include <deque>
#include <thread>

#include "platform/application.h"
#include "platform/frame_convert.h"

namespace pz {

using Clock = std::chrono::steady_clock;

namespace {

// A single decode may not take longer than this, whatever the file holds.
constexpr auto kDecodeDeadline = std::chrono::milliseconds(3000);

int interrupted(void* opaque) { return Clock::now() > *static_cast<Clock::time_point*>(opaque) ? 1 : 0; }

QString fourccText(unsigned tag) {
  QString s;
  for (int i = 0; i < 4; ++i) {
    const char c = char((tag >> (8 * i)) & 0xFF);
    s += (c >= 32 && c < 127) ? QChar(c) : QChar('?');
  }
  return s;
}

std::uint32_t le32(const char* p) {
  return std::uint32_t(std::uint8_t(p[0])) | std::uint32_t(std::uint8_t(p[1])) << 8 |
         std::uint32_t(std::uint8_t(p[2])) << 16 | std::uint32_t(std::uint8_t(p[3])) << 24;
}

// Where the frame data of a plain AVI file ends. Without an index the demuxer
// hunts for chunk headers byte by byte, and beyond the frame data it finds
// them inside the index itself; nothing past this point is a frame. Files with
// further RIFF parts (OpenDML) or an unreadable layout get no limit.
std::int64_t moviEnd(const QString& path) {
  constexpr std::int64_t kNoLimit = INT64_MAX;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return kNoLimit;
  char h[12];
  if (f.read(h, 12) != 12 || std::memcmp(h, "RIFF", 4) != 0) return kNoLimit;
  if (8 + std::int64_t(le32(h + 4)) < f.size() - 8) return kNoLimit;  // more RIFF parts follow
  std::int64_t at = 12;
  for (int i = 0; i < 64 && at + 12 <= f.size(); ++i) {
    if (!f.seek(at) || f.read(h, 12) != 12) break;
    const std::int64_t size = le32(h + 4);
    if (std::memcmp(h, "LIST", 4) == 0 && std::memcmp(h + 8, "movi", 4) == 0) return at + 8 + size;
    at += 8 + size + (size & 1);
  }
  return kNoLimit;
}

// The most frame slots a file with `chunks` video chunks is given: one per
// chunk with room to spare, and a stream that starts late (the header's start
// time) up to 65536 frames in.
std::int64_t slotLimit(std::int64_t chunks) {
  return std::min<std::int64_t>(2 * chunks + 10 + 65536, INT_MAX / 2);
}

}  // namespace

struct VideoDecoder::Av {
  AVFormatContext* fc = nullptr;
  AVCodecContext* cx = nullptr;
  AVPacket* pkt = nullptr;
  AVFrame* frame = nullptr;  // the picture just received
  AVFrame* held = nullptr;   // the latest picture before the window, not yet converted
  int heldSlot = -1;
  // Pictures just before a target, kept as the decoder gave them and
  // converted only when a step back asks for one: a seek converts the one
  // frame it shows. Oldest first.
  std::deque<std::pair<int, AVFrame*>> pending;
  std::size_t pendingLimit = 0;

  void clearPending() {
    for (auto& [slot, f] : pending) av_frame_free(&f);
    pending.clear();
  }
  AVFrame* findPending(int slot) {
    for (auto& [s, f] : pending)
      if (s == slot) return f;
    return nullptr;
  }
  void dropPending(int slot) {
    for (auto it = pending.begin(); it != pending.end(); ++it)
      if (it->first == slot) {
        av_frame_free(&it->second);
        pending.erase(it);
        return;
      }
  }
  AVStream* st = nullptr;
  int stream = -1;
  std::int64_t moviEnd = INT64_MAX;
  Clock::time_point deadline;
  FrameConverter converter;
  bool delayKnown = false;

  const AVCodec* codec = nullptr;
  bool drained = false;  // the decoder was sent the end of the stream

  bool openCodec() {
    avcodec_free_context(&cx);
    drained = false;
    cx = avcodec_alloc_context3(codec);
    if (!cx || avcodec_parameters_to_context(cx, st->codecpar) < 0) return false;
    // Decoders that can work on the next frames while the current one is
    // still in progress get a second thread: a seek into a long group of
    // pictures decodes up to hundreds of frames. The frames keep the
    // timestamps of their own packets, so the numbering is the same as with
    // one thread.
    const unsigned cores = std::thread::hardware_concurrency();
    cx->thread_count = (codec->capabilities & AV_CODEC_CAP_FRAME_THREADS) && cores >= 2 ? 2 : 1;
    cx->thread_type = FF_THREAD_FRAME;
    cx->max_pixels = std::int64_t(kMaxVideoSide) * kMaxVideoSide;
    if (avcodec_open2(cx, codec, nullptr) >= 0) return true;
    avcodec_free_context(&cx);
    return false;
  }

  ~Av() {
    clearPending();
    av_frame_free(&held);
    av_frame_free(&frame);
    av_packet_free(&pkt);
    avcodec_free_context(&cx);
    avformat_close_input(&fc);
  }
};

// What one decoding pass towards a target has seen.
struct VideoDecoder::Run {
  int target = 0;
  int windowStart = 0;  // pictures from here to the target are kept in the cache
  // Packets before this slot are decoded only as far as later frames need
  // them: their pictures are never shown, so frames nothing refers to are
  // left out. INT_MIN: every frame is decoded.
  int fullFrom = INT_MIN;
  bool fresh = false;   // started at a keyframe right after a flush
  bool haveFirst = false;
  int firstOut = -1;
  bool firstTimed = false;  // the first picture had a timestamp to number it by
  int bestN = -1;  // the latest picture at or before the target
  bool bestHeld = false;
  std::shared_ptr<const Surface> best;
  std::shared_ptr<const Surface> ahead;  // the first picture past the target
  bool done = false;
};

VideoDecoder::VideoDecoder(const QString& path, std::chrono::milliseconds deadline) : av_(std::make_unique<Av>()) {
  av_log_set_level(AV_LOG_QUIET);
  const QFileInfo info(path);
  name_ = info.fileName();
  if (!info.isFile()) throw Error(QCoreApplication::translate("pz::Platform", "The file \"%1\" cannot be found.").arg(name_));
  if (info.size() == 0) throw Error(QCoreApplication::translate("pz::Platform", "The file \"%1\" is empty.").arg(name_));

  av_->deadline = Clock::now() + deadline;
  av_->fc = avformat_alloc_context();
  av_->fc->interrupt_callback.callback = interrupted;
  av_->fc->interrupt_callback.opaque = &av_->deadline;
  const AVInputFormat* avi = av_find_input_format("avi");
  if (avformat_open_input(&av_->fc, QFile::encodeName(path).constData(), avi, nullptr) < 0)
    throw Error(QCoreApplication::translate("pz::Platform", "The file \"%1\" is not an AVI video, or its header is damaged.").arg(name_));

  av_->stream = av_find_best_stream(av_->fc, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  if (av_->stream < 0) throw Error(QCoreApplication::translate("pz::Platform", "The file \"%1\" holds no video.").arg(name_));
  for (unsigned i = 0; i < av_->fc->nb_streams; ++i)
    if (int(i) != av_->stream) av_->fc->streams[i]->discard = AVDISCARD_ALL;
  av_->st = av_->fc->streams[av_->stream];
  const AVCodecParameters* par = av_->st->codecpar;
  width_ = par->width;
  height_ = par->height;
  if (width_ <= 0 || height_ <= 0)
    throw Error(QCoreApplication::translate("pz::Platform", "The video in \"%1\" has a damaged header: it gives no picture size.").arg(name_));
  if (width_ > kMaxVideoSide || height_ > kMaxVideoSide)
    throw Error(QCoreApplication::translate("pz::Platform", "The video in \"%1\" claims to be %2 × %3 pixels; the largest video that can be shown is "
                        "%4 × %4.")
                    .arg(name_)
                    .arg(width_)
                    .arg(height_)
                    .arg(kMaxVideoSide));

  const AVCodec* codec = avcodec_find_decoder(par->codec_id);
  const QString method = par->codec_tag ? fourccText(par->codec_tag) : QString(avcodec_get_name(par->codec_id));
  const QString noDecoder =
      QCoreApplication::translate("pz::Platform", "The video in \"%1\" is compressed with a method (%2) that cannot be decoded.").arg(name_, method);
  if (!codec) throw Error(noDecoder);
  av_->codec = codec;
  // On the way to a far target the frames nothing refers to are left out.
  // The frames decoded in full before the target are numbered as before: an
  // MPEG-4 P-frame leaves the decoder when the next one arrives, whatever
  // B-frames were between; H.264 pictures leave in display order once the
  // reordering buffer is full again, which the margin of fullDecodeFrom
  // allows for. Other decoders ignore the setting or are not known to keep
  // the numbering, so they decode everything.
  skipsNonRef_ = par->codec_id == AV_CODEC_ID_MPEG4 || par->codec_id == AV_CODEC_ID_H264;
  if (!av_->openCodec()) throw Error(noDecoder);
  av_->pkt = av_packet_alloc();
  av_->moviEnd = moviEnd(path);
  av_->frame = av_frame_alloc();
  av_->held = av_frame_alloc();

  buildIndex();
  if (index_.firstData() < 0) throw Error(QCoreApplication::translate("pz::Platform", "The video in \"%1\" has no frames.").arg(name_));
  cache_.reset(width_, height_);
  resetPending();
  measureDelay();
}

VideoDecoder::~VideoDecoder() = default;

void VideoDecoder::setCacheBudget(std::size_t bytes) {
  cache_ = FrameCache(bytes);
  cache_.reset(width_, height_);
  resetPending();
}

void VideoDecoder::resetPending() {
  av_->clearPending();
  // Unconverted pictures are at most the size of converted ones; together
  // they stay within twice the cache's budget.
  av_->pendingLimit = std::size_t(std::max(0, cache_.capacity() - 3));
}

void VideoDecoder::buildIndex() {
  AVStream* st = av_->st;
  const std::int64_t duration = st->duration == AV_NOPTS_VALUE ? 0 : st->duration;
  const int entries = avformat_index_get_entries_count(st);
  if (entries > 0) {
    // The file's own index: written by whoever made the file, flags and all.
    std::int64_t last = -1;
    for (int i = 0; i < entries; ++i) last = std::max(last, avformat_index_get_entry(st, i)->timestamp);
    // Every frame has a chunk of its own (a dropped one an empty chunk), so a
    // damaged file whose timestamps run far beyond its chunks would otherwise
    // ask for a table of up to a billion slots.
    const std::int64_t found = std::min(last + 1, slotLimit(entries));
    // The duration counts dropped frames at the end too; a damaged header may
    // claim far more, which the index then overrules.
    const std::int64_t length = (duration >= found && duration <= 2 * found + 10) ? duration : found;
    index_.reset(int(std::min<std::int64_t>(length, INT_MAX / 2)));
    for (int i = 0; i < entries; ++i) {
      const AVIndexEntry* e = avformat_index_get_entry(st, i);
      if (e->size > 0 && e->timestamp >= 0 && e->timestamp < index_.length())
        index_.setData(int(e->timestamp), e->flags & AVINDEX_KEYFRAME);
    }
    index_.finish();
    return;
  }

  // No index (a truncated file, or one written without it): one pass over the
  // packets. The demuxer then calls every chunk a keyframe except for MPEG-4,
  // whose picture type it reads, so other codecs are judged here.
  const AVCodecID id = av_->cx->codec_id;
  const AVCodecDescriptor* desc = avcodec_descriptor_get(id);
  const bool intraOnly = desc && (desc->props & AV_CODEC_PROP_INTRA_ONLY);
  AVCodecParserContext* parser = (intraOnly || id == AV_CODEC_ID_MPEG4) ? nullptr : av_parser_init(id);
  if (parser) parser->flags |= PARSER_FLAG_COMPLETE_FRAMES;
  AVCodecContext* parseCx = parser ? avcodec_alloc_context3(nullptr) : nullptr;

  struct Seen {
    std::int64_t slot;
    bool key;
  };
  std::vector<Seen> seen;
  std::int64_t next = 0;
  bool lastCorrupt = false;
  AVPacket* pkt = av_->pkt;
  while (Clock::now() < av_->deadline && av_read_frame(av_->fc, pkt) >= 0) {
    if (pkt->pos >= av_->moviEnd) {
      av_packet_unref(pkt);
      break;
    }
    if (pkt->stream_index == av_->stream) {
      const std::int64_t slot = pkt->dts == AV_NOPTS_VALUE ? next : pkt->dts;
      next = slot + 1;
      lastCorrupt = pkt->flags & AV_PKT_FLAG_CORRUPT;
      if (pkt->size > 0 && !lastCorrupt && slot >= 0) {
        bool key = false;
        if (intraOnly) {
          key = true;
        } else if (id == AV_CODEC_ID_MPEG4) {
          key = pkt->flags & AV_PKT_FLAG_KEY;
        } else if (id == AV_CODEC_ID_ZMBV) {
          key = pkt->data[0] & 1;  // the frame header's keyframe bit
        } else if (parser) {
          std::uint8_t* out = nullptr;
          int outSize = 0;
          av_parser_parse2(parser, parseCx, &out, &outSize, pkt->data, pkt->size, pkt->pts, pkt->dts, pkt->pos);
          key = parser->key_frame == 1;
        }
        seen.push_back({slot, key});
      }
    }
    av_packet_unref(pkt);
  }
  // The frame data ends short of what the file's layout promises: cut off.
  endCut_ = lastCorrupt || av_->moviEnd == INT64_MAX || av_->moviEnd > avio_size(av_->fc->pb);
  if (parser) av_parser_close(parser);
  avcodec_free_context(&parseCx);

  std::int64_t last = -1;
  for (const Seen& s : seen) last = std::max(last, s.slot);
  index_.reset(int(std::min(last + 1, slotLimit(std::int64_t(seen.size())))));
  for (const Seen& s : seen) index_.setData(int(s.slot), s.key);
  index_.finish();
  if (index_.firstData() >= 0) seekTo(index_.firstData());
}

void VideoDecoder::measureDelay() {
  // The first picture out is the first frame; its timestamp minus its slot is
  // the decoder's delay.
  Run run;
  run.target = index_.firstData();
  run.windowStart = run.target;
  av_->delayKnown = false;
  sessionValid_ = true;
  nextSlot_ = run.target;
  lastOut_ = -1;
  decodeRun(run.target, run);
  if (!av_->delayKnown)
    throw Error(QCoreApplication::translate("pz::Platform", "The video in \"%1\" has no frame that can be shown.").arg(name_));
  // Without the file's index the end may be cut off; the last pictures then
  // come out of the decoder with no timestamps to number them by, so the
  // video ends where the numbering is certain.
  if (endCut_ && delay_ > 0) index_.truncate(std::max(1, index_.length() - delay_));
}

void VideoDecoder::seekTo(int key) {
  ++stats_.seeks;
  av_seek_frame(av_->fc, av_->stream, key, AVSEEK_FLAG_BACKWARD | AVSEEK_FLAG_ANY);
  // A decoder that has been drained at the end of the file is made anew: with
  // frame threads, a flush after draining leaves the next pass short of
  // pictures (an MPEG-4 group starting three frames before the end gave only
  // its first).
  if (av_->drained) {
    av_->openCodec();  // should it fail, nothing more is decoded
  } else {
    avcodec_flush_buffers(av_->cx);
  }
  sessionValid_ = true;
  nextSlot_ = key;
  // A keyframe shows no earlier frame than its own slot.
  lastOut_ = key - 1;
}

std::shared_ptr<const Surface> VideoDecoder::convertCurrent() {
  std::shared_ptr<Surface> s = cache_.blank();
  if (!av_->converter.convert(av_->frame, *s)) return nullptr;
  return s;
}

bool VideoDecoder::takeFrame(int target, Run& run) {
  AVFrame* f = av_->frame;
  ++stats_.framesDecoded;
  const std::int64_t ts = f->best_effort_timestamp;
  int n;
  if (!av_->delayKnown) {
    n = target;
    delay_ = ts == AV_NOPTS_VALUE ? 0 : int(std::clamp<std::int64_t>(ts - target, 0, 16));
    av_->delayKnown = true;
  } else {
    n = ts == AV_NOPTS_VALUE ? lastOut_ + 1 : int(std::clamp<std::int64_t>(ts - delay_, -1, INT_MAX / 2));
  }
  // Numbers only rise, whatever a damaged stream says.
  if (n <= lastOut_) n = lastOut_ + 1;
  lastOut_ = n;
  if (!run.haveFirst) {
    run.haveFirst = true;
    run.firstOut = n;
    run.firstTimed = ts != AV_NOPTS_VALUE;
  }

  if (n == target) {
    if (auto pic = convertCurrent()) {
      cache_.put(n, pic);
      run.best = std::move(pic);
      run.bestN = n;
      run.bestHeld = false;
    }
    av_frame_unref(f);
    return true;
  }
  if (n < target) {
    if (n >= run.windowStart) {
      keepPending(n);
    } else {
      av_frame_unref(av_->held);
      av_frame_move_ref(av_->held, f);
      av_->heldSlot = n;
    }
    run.bestN = n;
    run.bestHeld = true;
    run.best = nullptr;
    av_frame_unref(f);
    return false;
  }

  // Past the target. The first such picture means the target itself was
  // dropped, or it is the look-ahead; it is kept, since the next step forward
  // shows it. More come only from the decoder's last pictures at the end of
  // the file, which are kept too: the decoder cannot go on after them.
  if (run.ahead) {
    keepPending(n);
    av_frame_unref(f);
    return true;
  }
  settleBest(run);
  if (auto pic = convertCurrent()) {
    cache_.put(n, pic);
    run.ahead = std::move(pic);
  }
  av_frame_unref(f);
  return true;
}

void VideoDecoder::keepPending(int n) {
  if (av_->pendingLimit == 0 || cache_.contains(n)) return;
  av_->dropPending(n);
  if (av_->pending.size() >= av_->pendingLimit) {
    av_frame_free(&av_->pending.front().second);
    av_->pending.pop_front();
  }
  AVFrame* copy = av_frame_alloc();
  if (!copy) return;
  av_frame_move_ref(copy, av_->frame);
  av_->pending.emplace_back(n, copy);
}

std::shared_ptr<const Surface> VideoDecoder::convertPending(int slot) {
  AVFrame* f = av_->findPending(slot);
  if (!f) return nullptr;
  std::shared_ptr<Surface> s = cache_.blank();
  const bool ok = av_->converter.convert(f, *s);
  av_->dropPending(slot);
  if (!ok) return nullptr;
  cache_.put(slot, s);
  return s;
}

void VideoDecoder::settleBest(Run& run) {
  // The latest picture before the target becomes the one shown for it (the
  // target was dropped); it is converted now.
  if (!run.bestHeld) return;
  run.bestHeld = false;
  if ((run.best = cache_.find(run.bestN))) return;
  if ((run.best = convertPending(run.bestN))) return;
  if (av_->heldSlot != run.bestN || !av_->held->data[0]) return;
  std::shared_ptr<Surface> s = cache_.blank();
  if (av_->converter.convert(av_->held, *s)) {
    cache_.put(run.bestN, s);
    run.best = std::move(s);
  }
  av_frame_unref(av_->held);
}

bool VideoDecoder::decodeRun(int target, Run& run) {
  AVCodecContext* cx = av_->cx;
  if (!cx) return false;
  // Pictures still waiting in the decoder from the last pass come first.
  while (avcodec_receive_frame(cx, av_->frame) == 0)
    if (takeFrame(target, run)) return true;

  AVPacket* pkt = av_->pkt;
  while (Clock::now() < av_->deadline) {
    const bool end = av_read_frame(av_->fc, pkt) < 0;
    const bool past = !end && pkt->pos >= av_->moviEnd;
    if (past) av_packet_unref(pkt);
    if (end || past) {
      // The end (or unreadable rest) of the file: drain the decoder.
      avcodec_send_packet(cx, nullptr);
      av_->drained = true;
      while (avcodec_receive_frame(cx, av_->frame) == 0) takeFrame(target, run);
      sessionValid_ = false;
      return run.best != nullptr || run.ahead != nullptr;
    }
    if (pkt->stream_index != av_->stream) {
      av_packet_unref(pkt);
      continue;
    }
    const int slot = pkt->dts == AV_NOPTS_VALUE ? nextSlot_ : int(std::clamp<std::int64_t>(pkt->dts, 0, INT_MAX / 2));
    nextSlot_ = slot + 1;
    // An empty chunk is a dropped frame; a chunk cut short by the end of the
    // file would show old pixels. Neither is decoded.
    const bool skip = pkt->size <= 0 || (pkt->flags & AV_PKT_FLAG_CORRUPT);
    if (!skip) {
      const AVDiscard wanted = slot < run.fullFrom ? AVDISCARD_NONREF : AVDISCARD_DEFAULT;
      if (cx->skip_frame != wanted) cx->skip_frame = wanted;
      avcodec_send_packet(cx, pkt);  // a damaged packet is refused or concealed by the decoder
    }
    av_packet_unref(pkt);
    while (avcodec_receive_frame(cx, av_->frame) == 0)
      if (takeFrame(target, run)) return true;
  }
  return false;
}

int VideoDecoder::fullDecodeFrom(int target, int windowStart) const {
  if (!skipsNonRef_) return INT_MIN;
  // Everything that may be shown or cached is decoded in full: the window,
  // and for a dropped target the frame before it. The frames within the
  // decoder's reordering distance before that too, since they may be shown
  // later than their packet.
  int from = windowStart;
  const int shown = index_.dataAtOrBefore(target);
  if (shown >= 0) from = std::min(from, shown);
  return from - delay_ - 4;
}

std::shared_ptr<const Surface> VideoDecoder::frame(int slot) {
  if (length() <= 0) return nullptr;
  slot = std::clamp(slot, 0, length() - 1);
  if (auto f = cache_.find(slot)) return f;
  if (auto f = convertPending(slot)) return f;

  av_->deadline = Clock::now() + kDecodeDeadline;
  int key = index_.keyAtOrBefore(slot);
  const bool carryOn = sessionValid_ && lastOut_ < slot && key <= nextSlot_;
  const int before = lastOut_;
  bool fresh = !carryOn;
  if (fresh) seekTo(key);
  Run run;
  for (;;) {
    run = Run{};
    run.target = slot;
    run.windowStart = std::max(0, slot - (cache_.capacity() - 3));
    run.fullFrom = fullDecodeFrom(slot, run.windowStart);
    run.fresh = fresh;
    decodeRun(slot, run);
    // A keyframe's packet may show a frame after the target: start earlier.
    // So too when the first picture only came out at the end of the file,
    // with no timestamp: which frame it is cannot be known from this start.
    const int earlier = index_.keyBefore(key);
    const bool unsure = run.haveFirst && (run.firstOut > slot || !run.firstTimed);
    if (run.fresh && unsure && earlier >= 0 && Clock::now() < av_->deadline) {
      ++stats_.retries;
      key = earlier;
      fresh = true;
      seekTo(key);
      continue;
    }
    break;
  }
  settleBest(run);
  std::shared_ptr<const Surface> shown = run.best;
  if (!shown && !run.fresh && before >= 0 && before <= slot) {
    shown = cache_.find(before);
    if (!shown) shown = convertPending(before);
  }
  if (!shown) shown = run.ahead;
  if (!shown) shown = std::make_shared<Surface>(width_, height_, kBlack);
  cache_.put(slot, shown);
  return shown;
}

}  // namespace pz
