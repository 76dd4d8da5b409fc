#include "sys/Random.h"

namespace sys {

int Random::next(int n) {
  // A linear congruential step; the high bits scale to the range.
  state_ = state_ * 134775813u + 1u;
  if (n <= 0) return 0;
  return static_cast<int>((static_cast<uint64_t>(state_) * static_cast<uint64_t>(n)) >> 32);
}

}  // namespace sys
