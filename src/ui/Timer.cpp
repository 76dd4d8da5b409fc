#include "ui/Timer.h"

#include "ui/Desktop.h"

namespace ui {

Timer::Timer(Desktop& desktop, std::string name, int interval)
    : Name(std::move(name)), desktop_(desktop), interval_(interval) {
  desktop_.addTimer(this);
}

Timer::~Timer() {
  desktop_.removeTimer(this);
}

void Timer::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled_) restart();
}

void Timer::setInterval(int ms) {
  if (ms == interval_) return;
  interval_ = ms;
  if (enabled_) restart();
}

void Timer::restart() {
  due_ = desktop_.clock().nowMs() + desktop_.effectiveInterval(interval_);
}

void Timer::fire() {
  ++fires_;
  restart();
  if (OnTimer) OnTimer();
}

}  // namespace ui
