// The video device: a video opened by name (AVI, or the MP4 and Matroska
// families, told apart by their content), shown in a display widget at
// a chosen rectangle, moved about by frames. Positions count frames from 1 to
// length(); stepping and seeking draw the frame reached. Every frame shown is
// exactly the frame asked for, or for a dropped frame the one before it.
#pragma once

#include <QString>
#include <memory>

#include "platform/surface.h"

namespace pz {

class SurfaceWidget;
class VideoDecoder;
class StreamDecoder;
class VideoFrames;

class VideoDevice {
 public:
  VideoDevice();
  ~VideoDevice();
  VideoDevice(const VideoDevice&) = delete;
  VideoDevice& operator=(const VideoDevice&) = delete;

  // Opens a video and shows its first frame. A file that cannot be opened
  // raises pz::Error with a message for the user and leaves the video opened
  // before (if any) as it was.
  void open(const QString& fileName);
  void close();
  bool isOpen() const { return decoder_ != nullptr; }
  QString fileName() const { return fileName_; }

  // The widget frames are drawn into from now on (not owned; may be null).
  void setDisplay(SurfaceWidget* display);
  SurfaceWidget* display() const { return display_; }
  // Frames are drawn scaled to this rectangle of the display; a width and
  // height of 0 mean the video's natural size.
  void putDisplayRect(int left, int top, int width, int height);
  // The rectangle in use (right and bottom exclusive).
  Rect displayRect() const { return rect_; }

  // Moves by `frames` (negative: back), staying within 1..length, and draws.
  void step(int frames);
  // Moves to a position (clamped to 1..length) and draws.
  void seek(int position);
  int length() const;
  int position() const { return position_; }
  int naturalWidth() const;
  int naturalHeight() const;

  // The frame at the current position at natural size (null when closed).
  std::shared_ptr<const Surface> frame() const { return frame_; }
  // The frame as the display shows it, at the display rectangle's size.
  Surface shownFrame() const;
  // The decoder behind an AVI video, or behind any other; null otherwise.
  const VideoDecoder* decoder() const;
  const StreamDecoder* streamDecoder() const;

 private:
  void show(int position);
  void draw();

  std::unique_ptr<VideoFrames> decoder_;
  QString fileName_;
  SurfaceWidget* display_ = nullptr;
  Rect rect_;
  int position_ = 0;
  std::shared_ptr<const Surface> frame_;
};

}  // namespace pz
