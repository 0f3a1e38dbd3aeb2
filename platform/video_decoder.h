// Frame-exact decoding of one AVI video over FFmpeg. Frames are counted in
// slots from 0 (the device above counts from 1). In AVI the stream's time unit
// is one frame, so a packet's timestamp is its slot; decoded pictures come out
// in display order with timestamps that run ahead of their slot by the
// decoder's reordering delay, which is measured on the first picture.
#pragma once

#include <QString>
#include <chrono>
#include <memory>

#include "platform/frame_cache.h"
#include "platform/surface.h"
#include "platform/video_frames.h"
#include "platform/video_index.h"

namespace pz {

// Videos larger than this are refused: they are damaged or not meant for us.
constexpr int kMaxVideoSide = 4096;

class VideoDecoder : public VideoFrames {
 public:
  // Opens and indexes the file; throws pz::Error with a message for the user.
  // Gives up after about `deadline` on files that never end or never parse.
  explicit VideoDecoder(const QString& path,
                        std::chrono::milliseconds deadline = std::chrono::milliseconds(1000));
  ~VideoDecoder() override;
  VideoDecoder(const VideoDecoder&) = delete;
  VideoDecoder& operator=(const VideoDecoder&) = delete;

  int width() const override { return width_; }
  int height() const override { return height_; }
  int length() const override { return index_.length(); }
  const FrameIndex& index() const { return index_; }
  // How far the decoder's timestamps run ahead of the slots.
  int delay() const { return delay_; }

  // The picture shown at slot (clamped to the video), at natural size: the
  // frame itself, or for a dropped or undecodable frame the one before it.
  std::shared_ptr<const Surface> frame(int slot) override;

  // Counters for tests and benchmarks.
  struct Stats {
    int seeks = 0;          // times decoding restarted at a keyframe
    int retries = 0;        // restarts from an earlier keyframe
    long framesDecoded = 0;
  };
  const Stats& stats() const { return stats_; }
  void setCacheBudget(std::size_t bytes);

 private:
  struct Av;
  struct Run;
  void buildIndex();
  void measureDelay();
  void seekTo(int key);
  bool decodeRun(int target, Run& run);
  bool takeFrame(int target, Run& run);
  std::shared_ptr<const Surface> convertCurrent();
  int fullDecodeFrom(int target, int windowStart) const;
  void resetPending();
  void keepPending(int n);
  std::shared_ptr<const Surface> convertPending(int slot);
  void settleBest(Run& run);

  std::unique_ptr<Av> av_;
  QString name_;
  int width_ = 0, height_ = 0;
  int delay_ = 0;
  bool endCut_ = false;  // the file ends inside its frame data
  bool skipsNonRef_ = false;  // frames nothing refers to may be left out before a far target
  FrameIndex index_;
  FrameCache cache_;
  Stats stats_;

  // Where the decoder stands: frames up to lastOut_ have come out, the next
  // packet to read is for slot nextSlot_. Invalid after the end of the file.
  bool sessionValid_ = false;
  int lastOut_ = -1;
  int nextSlot_ = 0;
};

}  // namespace pz
