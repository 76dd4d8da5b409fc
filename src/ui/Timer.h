#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace ui {

class Desktop;

// A timer as the windows have them: when enabled, OnTimer runs every
// Interval milliseconds, rounded up to the desktop's timer granularity. A
// late tick is not made up for. Enabling a timer, or changing the interval of
// an enabled one, starts its period anew.
class Timer {
 public:
  Timer(Desktop& desktop, std::string name, int interval = 1000);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string Name;
  int Tag = 0;
  std::function<void()> OnTimer;

  bool Enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  int Interval() const { return interval_; }
  void setInterval(int ms);

  // For the desktop's scheduler.
  int64_t due() const { return due_; }
  int64_t fireCount() const { return fires_; }
  void fire();
  void restart();

 private:
  Desktop& desktop_;
  int interval_;
  bool enabled_ = false;
  int64_t due_ = 0;
  int64_t fires_ = 0;
};

}  // namespace ui
