// The video device at 640 x 480 in every codec of the test videos: opening,
// one step ahead, a step back that the frame cache answers, random seeks
// (median and worst reported as counters).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

extern "C" {
#include <libavutil/frame.h>
}

#include <cstring>

#include "platform/frame_convert.h"
#include "platform/surfacewidget.h"
#include "platform/video_decoder.h"
#include "platform/video_device.h"
#include "platform/video_stream.h"
#include "tests/support/stream_maker.h"
#include "tests/support/video_maker.h"

using pztest::Codec;

namespace {

// The slow encoders get shorter videos; the long-group ones need two groups.
int framesFor(Codec c) { return (c == Codec::Cinepak) ? 100 : 300; }

QString videoFor(Codec c) { return QString::fromStdString(pztest::makeVideo({c, 640, 480, framesFor(c), {}})); }

struct Shown {
  pz::SurfaceWidget display;
  pz::VideoDevice dev;
  explicit Shown(Codec c) {
    display.surface().setSize(640, 480);
    dev.setDisplay(&display);
    dev.open(videoFor(c));
  }
};

void BM_Open(benchmark::State& state) {
  const Codec c = Codec(state.range(0));
  const QString path = videoFor(c);
  for (auto _ : state) {
    pz::VideoDevice dev;
    dev.open(path);
    benchmark::DoNotOptimize(dev.frame());
  }
}

void BM_StepAhead(benchmark::State& state) {
  Shown s(Codec(state.range(0)));
  for (auto _ : state) {
    if (s.dev.position() >= s.dev.length()) {
      state.PauseTiming();
      s.dev.seek(1);
      state.ResumeTiming();
    }
    s.dev.step(1);
  }
}

void BM_StepBackCached(benchmark::State& state) {
  Shown s(Codec(state.range(0)));
  const int from = s.dev.length() - 20;
  int k = 0;
  for (auto _ : state) {
    if (k == 0) {
      state.PauseTiming();
      s.dev.seek(1);
      s.dev.seek(from);  // decodes from the keyframe and keeps the frames before
      state.ResumeTiming();
    }
    s.dev.step(-1);
    k = (k + 1) % 20;
  }
}

void BM_RandomSeek(benchmark::State& state) {
  Shown s(Codec(state.range(0)));
  std::mt19937 rng(42);
  std::uniform_int_distribution<int> pick(1, s.dev.length());
  std::vector<double> ms;
  for (auto _ : state) {
    const int pos = pick(rng);
    const auto t0 = std::chrono::steady_clock::now();
    s.dev.seek(pos);
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
  }
  std::sort(ms.begin(), ms.end());
  state.counters["median_ms"] = ms[ms.size() / 2];
  state.counters["worst_ms"] = ms.back();
}

// What phones and cameras record: 1080p H.264 with B-frames and a keyframe
// every second or so, 2160p HEVC (ten-bit, as recent phones write it), and a
// ten-minute 1080p file for the time an open takes.
pztest::StreamRecipe phoneVideo(int which) {
  pztest::StreamRecipe r;
  r.container = pztest::Container::Mp4;
  if (which == 0) {
    r.codec = pztest::StreamCodec::H264BFrames;
    r.width = 1920, r.height = 1080, r.frames = 250, r.gop = 30;
  } else {
    r.codec = pztest::StreamCodec::Hevc10;
    r.width = 3840, r.height = 2160, r.frames = 60, r.gop = 30;
  }
  return r;
}

QString streamFor(int which) {
  if (which == 2) return QString::fromStdString(pztest::loopedCopy(pztest::makeStreamVideo(phoneVideo(0)), 60));
  return QString::fromStdString(pztest::makeStreamVideo(phoneVideo(which)));
}

struct ShownStream {
  pz::SurfaceWidget display;
  pz::VideoDevice dev;
  explicit ShownStream(int which) {
    dev.open(streamFor(which));
    display.surface().setSize(dev.naturalWidth(), dev.naturalHeight());
    dev.setDisplay(&display);
  }
};

void BM_StreamOpen(benchmark::State& state) {
  const QString path = streamFor(int(state.range(0)));
  int length = 0;
  for (auto _ : state) {
    pz::VideoDevice dev;
    dev.open(path);
    length = dev.length();
  }
  state.counters["frames"] = length;
}

void BM_StreamStepAhead(benchmark::State& state) {
  ShownStream s(int(state.range(0)));
  for (auto _ : state) {
    if (s.dev.position() >= s.dev.length()) {
      state.PauseTiming();
      s.dev.seek(1);
      state.ResumeTiming();
    }
    s.dev.step(1);
  }
}

void BM_StreamRandomSeek(benchmark::State& state) {
  ShownStream s(int(state.range(0)));
  std::mt19937 rng(42);
  std::uniform_int_distribution<int> pick(1, s.dev.length());
  std::vector<double> ms;
  for (auto _ : state) {
    const int pos = pick(rng);
    const auto t0 = std::chrono::steady_clock::now();
    s.dev.seek(pos);
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
  }
  std::sort(ms.begin(), ms.end());
  state.counters["median_ms"] = ms[ms.size() / 2];
  state.counters["worst_ms"] = ms.back();
  if (const pz::StreamDecoder* d = s.dev.streamDecoder())
    state.counters["decoded_per_seek"] = double(d->stats().framesDecoded) / double(ms.size()),
    state.counters["restarts"] = d->stats().seeks, state.counters["retries"] = d->stats().retries;
}

// Turning a decoded 2160p ten-bit picture into a surface, the part of a step
// that is not decoding.
void BM_Convert2160p10(benchmark::State& state) {
  AVFrame* f = av_frame_alloc();
  f->format = AV_PIX_FMT_YUV420P10LE;
  f->width = 3840;
  f->height = 2160;
  av_frame_get_buffer(f, 0);
  for (int p = 0; p < 3; ++p) std::memset(f->data[p], 0x20, std::size_t(f->linesize[p]) * (p ? 1080 : 2160));
  pz::Surface dst(3840, 2160);
  pz::FrameConverter conv;
  for (auto _ : state) conv.convert(f, dst);
  av_frame_free(&f);
}

std::string nameOf(Codec c) { return pztest::codecName(c); }

// Wall time decides (the targets are what a user waits for); the CPU time
// shown is the whole process's, decoder threads included.
benchmark::internal::Benchmark* add(const std::string& name, void (*fn)(benchmark::State&), Codec c) {
  return benchmark::RegisterBenchmark(name.c_str(), fn)
      ->Arg(int(c))
      ->MeasureProcessCPUTime()
      ->UseRealTime()
      ->Unit(benchmark::kMillisecond);
}
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  for (Codec c : pztest::allCodecs()) {
    const std::string n = nameOf(c);
    add("Open/" + n, BM_Open, c);
    add("StepAhead/" + n, BM_StepAhead, c);
    add("StepBackCached/" + n, BM_StepBackCached, c);
    add("RandomSeek/" + n, BM_RandomSeek, c)->Iterations(100);
  }
  const char* streams[] = {"H264_1080p", "HEVC10_2160p", "H264_1080p_10min"};
  for (int which : {0, 1}) {
    add(std::string("StreamStepAhead/") + streams[which], BM_StreamStepAhead, Codec(which));
    add(std::string("StreamRandomSeek/") + streams[which], BM_StreamRandomSeek, Codec(which))->Iterations(60);
  }
  benchmark::RegisterBenchmark("StreamConvert/HEVC10_2160p", BM_Convert2160p10)
      ->MeasureProcessCPUTime()
      ->UseRealTime()
      ->Unit(benchmark::kMillisecond);
  for (int which : {0, 2}) add(std::string("StreamOpen/") + streams[which], BM_StreamOpen, Codec(which))->Iterations(3);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
