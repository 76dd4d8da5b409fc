#pragma once
#include <cstdint>

namespace backend {

// A long run of the real game on random input, headless, from the title
// screen on; a game that ends is followed by a new one until the runner has
// ticked `ticks` times in all. It fails, naming the seed, on a crash (the
// process dies), a hang (no runner tick for 10 s of game time while nothing
// pauses the game) or runaway growth of memory, protocol or command queue.
struct SoakOptions {
  uint64_t seed = 0;
  int64_t ticks = 10000;
  int64_t maxRssMb = 2048;
  int64_t maxQueueLines = 100000;
  int64_t maxProtocolLines = 1000000;
};

// Plays in the current directory (the data root and program directory); returns the exit code.
int runSoak(const SoakOptions& options);

}  // namespace backend
