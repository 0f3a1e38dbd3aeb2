#include "platform/video_index.h"

#include <algorithm>

namespace pz {

void FrameIndex::reset(int length) {
  slots_.assign(size_t(std::max(0, length)), 0);
  keys_.clear();
}

void FrameIndex::setData(int slot, bool key) {
  if (!inside(slot)) return;
  slots_[size_t(slot)] = std::uint8_t(kData | (key ? kKey : 0));
}

void FrameIndex::finish() {
  keys_.clear();
  for (int i = 0; i < length(); ++i)
    if (slots_[size_t(i)] & kKey) keys_.push_back(i);
  if (keys_.empty()) {
    const int first = firstData();
    if (first >= 0) {
      slots_[size_t(first)] |= kKey;
      keys_.push_back(first);
    }
  }
}

void FrameIndex::truncate(int length) {
  if (length >= this->length()) return;
  slots_.resize(std::size_t(std::max(0, length)));
  while (!keys_.empty() && keys_.back() >= length) keys_.pop_back();
}

int FrameIndex::firstData() const {
  for (int i = 0; i < length(); ++i)
    if (slots_[size_t(i)] & kData) return i;
  return -1;
}

int FrameIndex::lastData() const {
  for (int i = length() - 1; i >= 0; --i)
    if (slots_[size_t(i)] & kData) return i;
  return -1;
}

int FrameIndex::keyAtOrBefore(int slot) const {
  if (keys_.empty()) return -1;
  auto it = std::upper_bound(keys_.begin(), keys_.end(), slot);
  if (it == keys_.begin()) return keys_.front();
  return *(it - 1);
}

int FrameIndex::keyBefore(int key) const {
  auto it = std::lower_bound(keys_.begin(), keys_.end(), key);
  if (it == keys_.begin()) return -1;
  return *(it - 1);
}

int FrameIndex::dataAtOrBefore(int slot) const {
  for (int i = std::min(slot, length() - 1); i >= 0; --i)
    if (slots_[size_t(i)] & kData) return i;
  return -1;
}

}  // namespace pz
