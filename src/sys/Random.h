#pragma once
#include <cstdint>

namespace sys {

// The one pseudo-random generator of a game. A fixed seed makes headless runs
// repeatable; the game may re-seed it from its clock where it wants variety.
class Random {
 public:
  explicit Random(uint32_t seed = 0) : state_(seed) {}
  void seed(uint32_t seed) { state_ = seed; }
  // A uniformly distributed integer from 0 to n - 1 (0 when n <= 0).
  int next(int n);

 private:
  uint32_t state_;
};

}  // namespace sys
