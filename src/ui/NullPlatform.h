#pragma once
#include "sys/Clock.h"
#include "ui/Platform.h"

namespace ui {

// A platform that only keeps virtual time: nothing runs the desktop's loop,
// message boxes are answered OK, nothing is opened. Tests and benchmarks
// that drive a desktop directly use it.
class NullPlatform final : public Platform {
 public:
  sys::VirtualClock virtualClock;
  sys::Clock& clock() override { return virtualClock; }
  void pump(Desktop&) override {}
  DisplayInfo display() const override { return {640, 480, 32}; }
  void warpPointer(int, int) override {}
  std::optional<TModalResult> answerMessageBox(const MessageBoxRequest&) override { return TModalResult::Ok; }
  bool shellOpen(const std::string&) override { return false; }
};

}  // namespace ui
