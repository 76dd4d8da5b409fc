#pragma once
#include <cstdint>
#include <string>

namespace sys {

// Milliseconds on a monotonic time line. The window runs on the real clock;
// headless runs on a virtual one that jumps from timer to timer.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual int64_t nowMs() const = 0;
};

class SteadyClock final : public Clock {
 public:
  int64_t nowMs() const override;
};

class VirtualClock final : public Clock {
 public:
  int64_t nowMs() const override { return now_; }
  void advanceTo(int64_t ms) {
    if (ms > now_) now_ = ms;
  }
  void advanceBy(int64_t ms) {
    if (ms > 0) now_ += ms;
  }

 private:
  int64_t now_ = 0;
};

// The wall-clock date and time as the game writes them into the options file
// and save games: short date "dd.mm.yyyy" and long time "hh:mm:ss".
std::string shortDate();
std::string longTime();

}  // namespace sys
