// What the video device asks of a decoder: the picture size it shows and the
// picture at each position. Positions here count from 0 (the device above
// counts from 1).
#pragma once

#include <memory>

#include "platform/surface.h"

namespace pz {

class VideoFrames {
 public:
  virtual ~VideoFrames() = default;
  // The size of every picture frame() gives: the size the video is shown at.
  virtual int width() const = 0;
  virtual int height() const = 0;
  virtual int length() const = 0;
  // The picture shown at slot (clamped to the video): the frame itself, or
  // for a dropped or undecodable frame the one before it.
  virtual std::shared_ptr<const Surface> frame(int slot) = 0;
};

}  // namespace pz
