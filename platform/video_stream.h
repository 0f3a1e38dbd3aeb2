// Frame-exact decoding of the containers phones, cameras and the web write:
// MP4, M4V, MOV and 3GP (one family) and Matroska/WebM. Their packets carry
// presentation timestamps, so a frame is known by its timestamp wherever it
// comes out of the decoder: one scan of the packets at open sorts the
// timestamps, and the p-th of them is frame p. Frames an edit list cuts are
// marked by the container and never counted. A file whose timestamps are
// missing or repeat is numbered by decode order instead (and then always
// decoded from its start when it has to go back).
//
// Pictures come out upright (the rotation in the file's display matrix is
// applied) and at the display aspect (non-square pixels are widened or
// narrowed, keeping the height), which is the size width() and height() give.
#pragma once

#include <QString>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/frame_cache.h"
#include "platform/video_frames.h"

struct AVFrame;

namespace pz {

class StreamDecoder : public VideoFrames {
 public:
  // Opens and scans the file; throws pz::Error with a message for the user.
  // The scan gives up after `scanBudget` and keeps the frames found so far.
  explicit StreamDecoder(const QString& path,
                         std::chrono::milliseconds scanBudget = std::chrono::milliseconds(5000));
  ~StreamDecoder() override;
  StreamDecoder(const StreamDecoder&) = delete;
  StreamDecoder& operator=(const StreamDecoder&) = delete;

  int width() const override { return width_; }
  int height() const override { return height_; }
  int length() const override { return int(order_.size()); }
  std::shared_ptr<const Surface> frame(int slot) override;

  // Clockwise degrees the stored pictures are turned by to show them (0, 90,
  // 180 or 270).
  int rotation() const { return rotation_; }
  // False when the file's timestamps could not number the frames.
  bool timestamped() const { return timestamped_; }

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
  struct Packet {
    std::int64_t pts, dts;
    bool key;
    bool cut;  // left out by an edit list: decoded as a reference, never shown
  };

  void openInput(const QString& path);
  void scan(std::chrono::milliseconds budget);
  void restart();
  void seekToKey(int decodeIndex);
  int keyFor(int slot) const;
  int slotOfPts(std::int64_t pts) const;
  bool decodeRun(Run& run);
  bool takeFrame(Run& run);
  void setGeometry();
  std::shared_ptr<Surface> convert(const ::AVFrame* f);
  void keepPending(int slot);
  std::shared_ptr<const Surface> convertPending(int slot);
  void resetPending();

  std::unique_ptr<Av> av_;
  QString path_, name_;
  int width_ = 0, height_ = 0;
  int rotation_ = 0;
  bool timestamped_ = true;
  std::vector<Packet> packets_;                        // decode order
  std::vector<std::pair<std::int64_t, int>> order_;    // (timestamp, decode index), presentation order
  std::vector<int> keys_;                              // decode indices of keyframes
  FrameCache cache_;
  Stats stats_;

  // Where the decoder stands: frames up to lastOut_ have come out, the last
  // packet sent had decode index readIdx_. Invalid after the end of the file.
  bool sessionValid_ = false;
  int lastOut_ = -1;
  int readIdx_ = -1;
};

}  // namespace pz
