// A bounded store of decoded frames, already converted to surfaces at the
// video's natural size. Stepping back one frame inside a long group of
// pictures would otherwise decode the whole group again; the decoder keeps the
// frames before the one asked for here so that a walk back stays cheap.
#pragma once

#include <cstddef>
#include <list>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/surface.h"

namespace pz {

class FrameCache {
 public:
  static constexpr std::size_t kDefaultBudget = 48u << 20;  // bytes

  explicit FrameCache(std::size_t budgetBytes = kDefaultBudget) : budget_(budgetBytes) {}

  // Empties the cache for frames of w x h pixels and sets how many fit.
  void reset(int w, int h);
  // How many frames fit in the budget (at least 2).
  int capacity() const { return capacity_; }
  int size() const { return int(map_.size()); }

  // The frame stored for slot (and it becomes the most recent), or null.
  std::shared_ptr<const Surface> find(int slot);
  bool contains(int slot) const { return map_.count(slot) != 0; }
  // Stores a frame for slot; the least recently used one goes when full.
  // The same picture may be stored for several slots (dropped frames).
  void put(int slot, std::shared_ptr<const Surface> frame);
  // A surface of the frame size to convert into: recycled when one was
  // evicted and nobody holds it any more. Its pixels are undefined.
  std::shared_ptr<Surface> blank();
  void clear();

 private:
  struct Entry {
    int slot;
    std::shared_ptr<const Surface> frame;
  };
  std::size_t budget_;
  int w_ = 0, h_ = 0, capacity_ = 2;
  std::list<Entry> order_;  // most recent first
  std::unordered_map<int, std::list<Entry>::iterator> map_;
  std::vector<std::shared_ptr<const Surface>> spare_;
};

}  // namespace pz
