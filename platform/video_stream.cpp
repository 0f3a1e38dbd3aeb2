#include "platform/video_stream.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/display.h>
#include <libavutil/log.h>
#include <libavutil/pixdesc.h>
}

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <climits>
#include <cmath>
#include <deque>
#include <thread>

#include "platform/application.h"
#include "platform/frame_convert.h"
#include "platform/video_decoder.h"

namespace pz {

using Clock = std::chrono::steady_clock;

namespace {

constexpr auto kDecodeDeadline = std::chrono::milliseconds(3000);
// More frames than ten hours at thirty a second: a file that claims more is
// hostile, and the table stays at a few tens of megabytes.
constexpr std::size_t kMaxFrames = std::size_t(1) << 20;
constexpr int kStepBackWindow = 6;

int interrupted(void* opaque) { return Clock::now() > *static_cast<Clock::time_point*>(opaque) ? 1 : 0; }

QString tr(const char* text) { return QCoreApplication::translate("VideoPage", text); }

bool acceptedFormat(const AVInputFormat* f) {
  if (!f || !f->name) return false;
  const QString name = QString::fromLatin1(f->name);
  return name.contains(QLatin1String("mp4")) || name.contains(QLatin1String("matroska"));
}

// Clockwise degrees, as players read the display matrix: the matrix gives
// the counter-clockwise angle.
int rotationOf(const AVStream* st) {
  std::size_t size = 0;
  const std::uint8_t* m = av_stream_get_side_data(st, AV_PKT_DATA_DISPLAYMATRIX, &size);
  if (!m || size < 9 * sizeof(std::int32_t)) return 0;
  const double ccw = av_display_rotation_get(reinterpret_cast<const std::int32_t*>(m));
  if (!std::isfinite(ccw)) return 0;
  long turn = std::lround(-ccw / 90.0) % 4;
  if (turn < 0) turn += 4;
  return int(turn * 90);
}

// Turns src clockwise by `degrees` into dst, which has the turned size.
void turn(const Surface& src, Surface& dst, int degrees) {
  const int w = src.width(), h = src.height();
  if (degrees == 180) {
    for (int y = 0; y < h; ++y) {
      const std::uint32_t* s = src.row(y);
      std::uint32_t* d = dst.row(h - 1 - y);
      for (int x = 0; x < w; ++x) d[w - 1 - x] = s[x];
    }
    return;
  }
  // Walk the destination in tiles so that both sides stay in the cache.
  constexpr int kTile = 32;
  for (int ty = 0; ty < w; ty += kTile)
    for (int tx = 0; tx < h; tx += kTile)
      for (int y = ty; y < std::min(w, ty + kTile); ++y) {
        std::uint32_t* d = dst.row(y);
        for (int x = tx; x < std::min(h, tx + kTile); ++x)
          d[x] = degrees == 90 ? src.row(h - 1 - x)[y] : src.row(x)[w - 1 - y];
      }
}

}  // namespace

struct StreamDecoder::Av {
  AVFormatContext* fc = nullptr;
  AVCodecContext* cx = nullptr;
  const AVCodec* codec = nullptr;
  AVStream* st = nullptr;
  int stream = -1;
  AVPacket* pkt = nullptr;
  AVFrame* frame = nullptr;
  AVFrame* held = nullptr;  // the latest picture before the target, outside the window
  int heldSlot = -1;
  std::deque<std::pair<int, AVFrame*>> pending;  // pictures near the target, not yet converted
  std::size_t pendingLimit = 0;
  Clock::time_point deadline;
  FrameConverter converter;
  Surface upright;  // the converted picture before it is turned
  bool drained = false;
  // After a seek: packets shown before this time precede the keyframe aimed
  // at and are not decoded (AV_NOPTS_VALUE: none are passed over).
  std::int64_t skipBefore = AV_NOPTS_VALUE;
  int counted = 0;  // decode order: packets sent since the start of the file

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
  void closeInput() { avformat_close_input(&fc); }

  bool openCodec() {
    avcodec_free_context(&cx);
    drained = false;
    cx = avcodec_alloc_context3(codec);
    if (!cx || avcodec_parameters_to_context(cx, st->codecpar) < 0) return false;
    const unsigned cores = std::thread::hardware_concurrency();
    cx->thread_count = (codec->capabilities & (AV_CODEC_CAP_FRAME_THREADS | AV_CODEC_CAP_OTHER_THREADS)) && cores >= 2
                           ? 2
                           : 1;
    cx->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
    cx->max_pixels = std::int64_t(kMaxVideoSide) * kMaxVideoSide;
    cx->pkt_timebase = st->time_base;
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
    closeInput();
  }
};

struct StreamDecoder::Run {
  int target = 0;
  int windowStart = 0;  // pictures from here to the target are kept unconverted
  bool fresh = false;   // started at a keyframe
  bool haveFirst = false;
  int firstOut = -1;
  int bestSlot = -1;  // the latest picture before the target
  std::shared_ptr<const Surface> best;
  bool done = false;
};

StreamDecoder::StreamDecoder(const QString& path, std::chrono::milliseconds scanBudget)
    : av_(std::make_unique<Av>()), path_(path) {
  av_log_set_level(AV_LOG_QUIET);
  const QFileInfo info(path);
  name_ = info.fileName();
  if (!info.isFile()) throw Error(tr("The file \"%1\" cannot be found.").arg(name_));
  if (info.size() == 0) throw Error(tr("The file \"%1\" is empty.").arg(name_));

  av_->deadline = Clock::now() + scanBudget;
  openInput(path);
  const AVCodecParameters* par = av_->st->codecpar;
  if (par->width <= 0 || par->height <= 0)
    throw Error(tr("The video in \"%1\" has a damaged header: it gives no picture size.").arg(name_));
  if (par->width > kMaxVideoSide || par->height > kMaxVideoSide)
    throw Error(tr("The video in \"%1\" claims to be %2 × %3 pixels; the largest video that can be shown is %4 × %4.")
                    .arg(name_)
                    .arg(par->width)
                    .arg(par->height)
                    .arg(kMaxVideoSide));
  av_->codec = avcodec_find_decoder(par->codec_id);
  const QString noDecoder = tr("The video in \"%1\" is compressed with a method (%2) that cannot be decoded.")
                                .arg(name_, QString::fromLatin1(avcodec_get_name(par->codec_id)));
  if (!av_->codec || !av_->openCodec()) throw Error(noDecoder);
  rotation_ = rotationOf(av_->st);
  av_->pkt = av_packet_alloc();
  av_->frame = av_frame_alloc();
  av_->held = av_frame_alloc();
  if (!av_->pkt || !av_->frame || !av_->held) throw Error(noDecoder);

  scan(scanBudget);
  if (order_.empty()) throw Error(tr("The video in \"%1\" has no frames.").arg(name_));
  restart();
  // The first picture sets the shown size; a file none of whose frames
  // decodes has nothing to show.
  frame(0);
  if (width_ <= 0) throw Error(tr("The video in \"%1\" has no frame that can be shown.").arg(name_));
}

StreamDecoder::~StreamDecoder() = default;

void StreamDecoder::openInput(const QString& path) {
  av_->closeInput();
  av_->fc = avformat_alloc_context();
  if (!av_->fc) throw Error(tr("The file \"%1\" cannot be read.").arg(name_));
  av_->fc->interrupt_callback.callback = interrupted;
  av_->fc->interrupt_callback.opaque = &av_->deadline;
  if (avformat_open_input(&av_->fc, QFile::encodeName(path).constData(), nullptr, nullptr) < 0 ||
      !acceptedFormat(av_->fc->iformat))
    throw Error(tr("The file \"%1\" is not an AVI video, or its header is damaged.").arg(name_));
  // Cover pictures are streams too; they are not the video.
  int best = -1;
  for (unsigned i = 0; i < av_->fc->nb_streams; ++i) {
    AVStream* s = av_->fc->streams[i];
    const bool video = s->codecpar->codec_type == AVMEDIA_TYPE_VIDEO && !(s->disposition & AV_DISPOSITION_ATTACHED_PIC);
    if (video && best < 0) best = int(i);
  }
  if (av_->stream >= 0 && best != av_->stream) throw Error(tr("The file \"%1\" cannot be read again.").arg(name_));
  if (best < 0) throw Error(tr("The file \"%1\" holds no video.").arg(name_));
  av_->stream = best;
  for (unsigned i = 0; i < av_->fc->nb_streams; ++i)
    av_->fc->streams[i]->discard = int(i) == best ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
  av_->st = av_->fc->streams[best];
  // Some headers leave the picture size to the stream itself (MPEG-4 Part 2
  // in MP4): a look at the first packets finds it.
  if (av_->st->codecpar->width <= 0 || av_->st->codecpar->height <= 0) avformat_find_stream_info(av_->fc, nullptr);
}

void StreamDecoder::scan(std::chrono::milliseconds budget) {
  av_->deadline = Clock::now() + budget;
  AVPacket* pkt = av_->pkt;
  std::size_t shown = 0;
  // Frames an edit list cuts count towards the bound too, at twice the
  // number: a hostile file may mark every packet so.
  while (shown < kMaxFrames && packets_.size() < 2 * kMaxFrames && Clock::now() < av_->deadline &&
         av_read_frame(av_->fc, pkt) >= 0) {
    if (pkt->stream_index == av_->stream && pkt->size > 0 && !(pkt->flags & AV_PKT_FLAG_CORRUPT)) {
      const bool cut = pkt->flags & AV_PKT_FLAG_DISCARD;
      packets_.push_back({pkt->pts, pkt->dts, (pkt->flags & AV_PKT_FLAG_KEY) != 0, cut});
      if (!cut) ++shown;
    }
    av_packet_unref(pkt);
  }
  for (std::size_t i = 0; i < packets_.size(); ++i) {
    if (packets_[i].key) keys_.push_back(int(i));
    if (!packets_[i].cut) order_.emplace_back(packets_[i].pts, int(i));
  }
  if (keys_.empty() && !packets_.empty()) keys_.push_back(0);
  std::sort(order_.begin(), order_.end());
  timestamped_ = true;
  for (std::size_t i = 0; i < order_.size(); ++i)
    if (order_[i].first == AV_NOPTS_VALUE || (i > 0 && order_[i].first == order_[i - 1].first)) timestamped_ = false;
  if (!timestamped_) {
    // Decode order: frame p is the p-th packet shown, known by its count.
    int p = 0;
    for (std::size_t i = 0; i < packets_.size(); ++i)
      if (!packets_[i].cut) order_[std::size_t(p)] = {p, int(i)}, ++p;
  }
}

void StreamDecoder::setCacheBudget(std::size_t bytes) {
  cache_ = FrameCache(bytes);
  cache_.reset(width_, height_);
  resetPending();
}

void StreamDecoder::resetPending() {
  av_->clearPending();
  // Unconverted pictures of the stored size and depth, within the same
  // budget as the converted ones.
  const AVCodecParameters* par = av_->st->codecpar;
  const AVPixFmtDescriptor* d = av_pix_fmt_desc_get(AVPixelFormat(par->format));
  const int bytesPerSample = d && d->comp[0].depth > 8 ? 2 : 1;
  const std::size_t bytes = std::size_t(std::max(1, par->width)) * std::size_t(std::max(1, par->height)) * 3 / 2 *
                            std::size_t(bytesPerSample);
  av_->pendingLimit = std::min<std::size_t>(FrameCache::kDefaultBudget / bytes, 60);
}

void StreamDecoder::setGeometry() {
  const AVFrame* f = av_->frame;
  int w = f->width, h = f->height;
  const AVRational sar = av_guess_sample_aspect_ratio(av_->fc, av_->st, av_->frame);
  if (sar.num > 0 && sar.den > 0) {
    const double wide = double(w) * sar.num / sar.den;
    // Absurd ratios are damage, not a picture anyone wants to see.
    if (wide >= 1 && wide <= 2.0 * kMaxVideoSide && wide / w <= 8 && w / wide <= 8) w = int(std::lround(wide));
  }
  av_->upright = Surface(w, h);
  if (rotation_ == 90 || rotation_ == 270) std::swap(w, h);
  width_ = w;
  height_ = h;
  cache_.reset(width_, height_);
  resetPending();
}

std::shared_ptr<Surface> StreamDecoder::convert(const AVFrame* f) {
  std::shared_ptr<Surface> s = cache_.blank();
  if (rotation_ == 0) {
    if (!av_->converter.convert(f, *s)) return nullptr;
    return s;
  }
  if (!av_->converter.convert(f, av_->upright)) return nullptr;
  turn(av_->upright, *s, rotation_);
  return s;
}

void StreamDecoder::restart() {
  // Opening again is the one sure way to the start of any file.
  av_->deadline = Clock::now() + kDecodeDeadline;
  ++stats_.seeks;
  openInput(path_);
  if (av_->drained) {
    av_->openCodec();
  } else if (av_->cx) {
    avcodec_flush_buffers(av_->cx);
  }
  av_->counted = 0;
  av_->skipBefore = AV_NOPTS_VALUE;
  sessionValid_ = true;
  lastOut_ = -1;
  readIdx_ = -1;
}

void StreamDecoder::seekToKey(int decodeIndex) {
  if (!timestamped_ || decodeIndex <= 0) {
    restart();
    return;
  }
  const Packet& k = packets_[std::size_t(decodeIndex)];
  // The demuxers' seek tables do not agree on the times they hold (the MP4
  // one runs ahead of the decode times it gives packets when an edit list
  // shifts the start), so the seek aims early and the packets before the
  // keyframe are passed over unread by the decoder.
  const std::int64_t ts = k.dts == AV_NOPTS_VALUE ? k.pts : std::min(k.pts, k.dts);
  av_->skipBefore = k.pts;
  ++stats_.seeks;
  if (av_seek_frame(av_->fc, av_->stream, ts, AVSEEK_FLAG_BACKWARD) < 0) {
    restart();
    return;
  }
  if (av_->drained) {
    av_->openCodec();
  } else {
    avcodec_flush_buffers(av_->cx);
  }
  sessionValid_ = true;
  lastOut_ = -1;
  readIdx_ = decodeIndex - 1;
}

int StreamDecoder::slotOfPts(std::int64_t pts) const {
  auto it = std::lower_bound(order_.begin(), order_.end(), std::make_pair(pts, INT_MIN));
  if (it == order_.end() || it->first != pts) return -1;
  return int(it - order_.begin());
}

int StreamDecoder::keyFor(int slot) const {
  // The last keyframe before the frame in decode order that is not shown
  // after it: from there every frame up to the target decodes.
  const std::int64_t pts = order_[std::size_t(slot)].first;
  const int at = order_[std::size_t(slot)].second;
  auto it = std::upper_bound(keys_.begin(), keys_.end(), at);
  while (it != keys_.begin()) {
    --it;
    if (!timestamped_ || packets_[std::size_t(*it)].pts <= pts) return *it;
  }
  return keys_.empty() ? 0 : keys_.front();
}

void StreamDecoder::keepPending(int slot) {
  if (av_->pendingLimit == 0 || cache_.contains(slot)) return;
  av_->dropPending(slot);
  if (av_->pending.size() >= av_->pendingLimit) {
    av_frame_free(&av_->pending.front().second);
    av_->pending.pop_front();
  }
  AVFrame* copy = av_frame_alloc();
  if (!copy) return;
  av_frame_move_ref(copy, av_->frame);
  av_->pending.emplace_back(slot, copy);
}

std::shared_ptr<const Surface> StreamDecoder::convertPending(int slot) {
  AVFrame* f = av_->findPending(slot);
  if (!f) return nullptr;
  std::shared_ptr<Surface> s = convert(f);
  av_->dropPending(slot);
  if (!s) return nullptr;
  cache_.put(slot, s);
  return s;
}

bool StreamDecoder::takeFrame(Run& run) {
  AVFrame* f = av_->frame;
  ++stats_.framesDecoded;
  std::int64_t ts = f->pts != AV_NOPTS_VALUE ? f->pts : f->best_effort_timestamp;
  const int n = ts == AV_NOPTS_VALUE ? -1 : slotOfPts(ts);
  if (n < 0) {  // not a frame of ours (cut by an edit list, or damaged)
    av_frame_unref(f);
    return false;
  }
  if (width_ <= 0) setGeometry();
  lastOut_ = n;
  if (!run.haveFirst) {
    run.haveFirst = true;
    run.firstOut = n;
  }
  if (n == run.target) {
    if (auto pic = convert(f)) {
      cache_.put(n, pic);
      run.best = std::move(pic);
      run.bestSlot = n;
    }
    av_frame_unref(f);
    return true;
  }
  if (n < run.target) {
    if (n >= run.windowStart) {
      keepPending(n);
    } else {
      av_frame_unref(av_->held);
      av_frame_move_ref(av_->held, f);
      av_->heldSlot = n;
    }
    run.bestSlot = n;
    av_frame_unref(f);
    return false;
  }
  // Past the target: the target did not come out (damaged or missing). This
  // picture is the next step's; the one before the target is shown.
  keepPending(n);
  av_frame_unref(f);
  return true;
}

bool StreamDecoder::decodeRun(Run& run) {
  AVCodecContext* cx = av_->cx;
  if (!cx) return false;
  while (avcodec_receive_frame(cx, av_->frame) == 0)
    if (takeFrame(run)) return true;
  AVPacket* pkt = av_->pkt;
  while (Clock::now() < av_->deadline) {
    if (av_read_frame(av_->fc, pkt) < 0) {
      avcodec_send_packet(cx, nullptr);
      av_->drained = true;
      // The decoder's last pictures: past the target they wait for the next
      // steps, since the decoder cannot go on after them.
      while (avcodec_receive_frame(cx, av_->frame) == 0) takeFrame(run);
      sessionValid_ = false;
      return false;
    }
    if (pkt->stream_index != av_->stream || pkt->size <= 0 || (pkt->flags & AV_PKT_FLAG_CORRUPT)) {
      av_packet_unref(pkt);
      continue;
    }
    if (av_->skipBefore != AV_NOPTS_VALUE) {
      if (pkt->pts != AV_NOPTS_VALUE && pkt->pts < av_->skipBefore) {
        av_packet_unref(pkt);
        continue;
      }
      av_->skipBefore = AV_NOPTS_VALUE;
    }
    // Frames an edit list cuts still feed the decoder as references; their
    // pictures are dropped by the decoder or, unknown here, ignored.
    const bool cut = pkt->flags & AV_PKT_FLAG_DISCARD;
    int slot = -1;
    if (timestamped_) {
      slot = cut || pkt->pts == AV_NOPTS_VALUE ? -1 : slotOfPts(pkt->pts);
      if (slot >= 0) readIdx_ = order_[std::size_t(slot)].second;
    } else if (cut) {
      pkt->pts = pkt->dts = -(std::int64_t(1) << 40);
    } else {
      slot = av_->counted++;
      readIdx_ = order_[std::size_t(std::min(slot, length() - 1))].second;
      pkt->pts = pkt->dts = slot;
    }
    // Pictures before the window are never shown: frames nothing refers to
    // are left out there.
    const AVDiscard wanted = slot >= 0 && slot < run.windowStart ? AVDISCARD_NONREF : AVDISCARD_DEFAULT;
    if (cx->skip_frame != wanted) cx->skip_frame = wanted;
    avcodec_send_packet(cx, pkt);
    av_packet_unref(pkt);
    while (avcodec_receive_frame(cx, av_->frame) == 0)
      if (takeFrame(run)) return true;
  }
  return false;
}

std::shared_ptr<const Surface> StreamDecoder::frame(int slot) {
  if (length() <= 0) return nullptr;
  slot = std::clamp(slot, 0, length() - 1);
  if (auto f = cache_.find(slot)) return f;
  if (width_ > 0)
    if (auto f = convertPending(slot)) return f;

  av_->deadline = Clock::now() + kDecodeDeadline;
  int key = keyFor(slot);
  const bool carryOn = sessionValid_ && lastOut_ < slot && key <= readIdx_ + 1;
  bool fresh = !carryOn;
  if (fresh) seekToKey(key);
  Run run;
  for (;;) {
    run = Run{};
    run.target = slot;
    // A few frames before the target are kept for steps back; before them,
    // frames nothing refers to are left out, which spares a seek into a
    // group of B-frames nearly half its decoding.
    run.windowStart = std::max(0, slot - std::min(int(av_->pendingLimit), kStepBackWindow));
    run.fresh = fresh;
    decodeRun(run);
    // Started too late: the first picture is already past the target.
    const bool late = run.fresh && run.haveFirst && run.firstOut > slot;
    auto it = std::lower_bound(keys_.begin(), keys_.end(), key);
    if (late && it != keys_.begin() && Clock::now() < av_->deadline) {
      ++stats_.retries;
      key = *(it - 1);
      seekToKey(key);
      continue;
    }
    break;
  }
  if (width_ <= 0) return nullptr;  // nothing decodes
  std::shared_ptr<const Surface> shown = run.best;
  if (!shown && run.bestSlot >= 0) {
    shown = cache_.find(run.bestSlot);
    if (!shown) shown = convertPending(run.bestSlot);
    if (!shown && av_->heldSlot == run.bestSlot && av_->held->data[0]) {
      if (auto s = convert(av_->held)) {
        cache_.put(run.bestSlot, s);
        shown = std::move(s);
      }
      av_frame_unref(av_->held);
    }
  }
  if (!shown && !run.fresh && lastOut_ >= 0 && lastOut_ < slot) shown = cache_.find(lastOut_);
  if (!shown) {
    // Nothing at or before the target: the first picture after it.
    int after = INT_MAX;
    for (const auto& entry : av_->pending)
      if (entry.first > slot) after = std::min(after, entry.first);
    if (after != INT_MAX) shown = convertPending(after);
  }
  if (!shown) shown = std::make_shared<Surface>(width_, height_, kBlack);
  cache_.put(slot, shown);
  return shown;
}

}  // namespace pz
