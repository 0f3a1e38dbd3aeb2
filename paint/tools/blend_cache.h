// Memo of blended colour pairs. Mixing and averaging are pure functions of
// two colours, and a stamp meets the same few pairs over and over (a brush of
// a few shades over areas of one paint), so a small direct-mapped table saves
// most of the HSV round trips.
#pragma once

#include <array>
#include <cstdint>

#include "paint/tools/colour.h"

namespace pz {

class BlendCache {
 public:
  using Blend = Color (*)(Color, Color);
  explicit BlendCache(Blend f) : f_(f) {}

  // The blend of a and b (both 0x00BBGGRR). Both rules are symmetric, so
  // (a, b) and (b, a) share an entry.
  Color get(Color a, Color b) {
    if (a > b) std::swap(a, b);
    const std::uint64_t key = (std::uint64_t(a) << 32) | b;
    Entry& e = slots_[hash(key)];
    if (e.key != key) {
      e.key = key;
      e.value = f_(a, b);
    }
    return e.value;
  }

 private:
  static constexpr int kBits = 12;
  static std::size_t hash(std::uint64_t k) {
    return std::size_t((k * 0x9E3779B97F4A7C15ull) >> (64 - kBits));
  }
  struct Entry {
    std::uint64_t key = ~0ull;  // no pair of 24-bit colours has this key
    Color value = 0;
  };
  Blend f_;
  std::array<Entry, (1 << kBits)> slots_{};
};

// The process-wide memos of mixColors and averageColors.
BlendCache& mixCache();
BlendCache& averageCache();

}  // namespace pz
