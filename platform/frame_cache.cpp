#include "platform/frame_cache.h"

#include <algorithm>

namespace pz {

void FrameCache::reset(int w, int h) {
  clear();
  spare_.clear();
  w_ = w;
  h_ = h;
  const std::size_t bytes = std::size_t(std::max(1, w)) * std::size_t(std::max(1, h)) * 4;
  capacity_ = int(std::clamp<std::size_t>(budget_ / bytes, 2, 2000));
}

std::shared_ptr<const Surface> FrameCache::find(int slot) {
  auto it = map_.find(slot);
  if (it == map_.end()) return nullptr;
  order_.splice(order_.begin(), order_, it->second);
  return it->second->frame;
}

void FrameCache::put(int slot, std::shared_ptr<const Surface> frame) {
  if (!frame) return;
  auto it = map_.find(slot);
  if (it != map_.end()) {
    it->second->frame = std::move(frame);
    order_.splice(order_.begin(), order_, it->second);
    return;
  }
  order_.push_front({slot, std::move(frame)});
  map_[slot] = order_.begin();
  while (int(map_.size()) > capacity_) {
    Entry& last = order_.back();
    if (last.frame.use_count() == 1 && spare_.size() < 4) spare_.push_back(std::move(last.frame));
    map_.erase(last.slot);
    order_.pop_back();
  }
}

std::shared_ptr<Surface> FrameCache::blank() {
  while (!spare_.empty()) {
    std::shared_ptr<const Surface> s = std::move(spare_.back());
    spare_.pop_back();
    if (s.use_count() == 1 && s->width() == w_ && s->height() == h_) return std::const_pointer_cast<Surface>(s);
  }
  return std::make_shared<Surface>(w_, h_);
}

void FrameCache::clear() {
  map_.clear();
  order_.clear();
}

}  // namespace pz
