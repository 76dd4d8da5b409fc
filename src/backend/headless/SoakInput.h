#pragma once
#include <cstdint>
#include <random>
#include <string>

#include "backend/headless/Replay.h"

namespace backend {

// Random input for the soak: pointer moves, clicks of both buttons, double
// clicks, keys, typed text, message-box answers and waits, drawn from one
// seed. The same seed gives the same actions on every machine (the Mersenne
// twister's output is fixed by the standard; no library distribution is used).
class SoakInput {
 public:
  explicit SoakInput(uint64_t seed) : random_(seed) {}

  ReplayAction next();

  // The action as a replay line, so a found sequence can be replayed and
  // its history hashed.
  static std::string describe(const ReplayAction& a);

 private:
  int below(int n) { return static_cast<int>(random_() % static_cast<uint64_t>(n)); }
  int between(int from, int to) { return from + below(to - from + 1); }
  void randomPoint(ReplayAction& a);

  std::mt19937_64 random_;
};

}  // namespace backend
