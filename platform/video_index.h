// Where a video's frames are: one slot per frame position (0-based here),
// whether the file holds data for it (an empty chunk is a dropped frame) and
// whether decoding may start there. Slots are in the file's order, which is
// the decoding order: with B-frames a keyframe's slot is not always the frame
// it shows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pz {

class FrameIndex {
 public:
  // Makes `length` empty slots.
  void reset(int length);
  int length() const { return int(slots_.size()); }
  // Marks a slot as holding data; a slot outside the length is ignored.
  void setData(int slot, bool key);
  // Finishes building: the keyframe list is derived from the slots. If no slot
  // was marked key, the first slot with data becomes one.
  void finish();
  // Drops the slots from `length` on.
  void truncate(int length);

  bool hasData(int slot) const { return inside(slot) && (slots_[std::size_t(slot)] & kData); }
  bool isKey(int slot) const { return inside(slot) && (slots_[std::size_t(slot)] & kKey); }
  int keyCount() const { return int(keys_.size()); }
  const std::vector<int>& keys() const { return keys_; }
  int firstData() const;
  int lastData() const;
  // The last keyframe at or before slot; the first keyframe when there is none.
  int keyAtOrBefore(int slot) const;
  // The keyframe before `key`, or -1 when `key` is the first.
  int keyBefore(int key) const;
  // The last slot with data at or before slot, or -1.
  int dataAtOrBefore(int slot) const;

 private:
  static constexpr std::uint8_t kData = 1, kKey = 2;
  bool inside(int slot) const { return slot >= 0 && slot < int(slots_.size()); }
  std::vector<std::uint8_t> slots_;
  std::vector<int> keys_;
};

}  // namespace pz
