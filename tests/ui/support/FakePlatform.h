#pragma once
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "sys/Clock.h"
#include "ui/Desktop.h"
#include "ui/Platform.h"

namespace uitest {

// A platform for tests: a virtual clock, an event loop that jumps the clock
// to the next due timer, scripted steps (input played inside modal loops)
// and scripted message-box answers.
class FakePlatform final : public ui::Platform {
 public:
  sys::VirtualClock virtualClock;
  // One step runs per round of the loop once nothing is due at the present moment.
  std::deque<std::function<void(ui::Desktop&)>> steps;
  // Answers for message boxes; with none left the desktop shows its own box.
  std::deque<ui::TModalResult> answers;
  std::vector<ui::MessageBoxRequest> asked;
  std::vector<std::string> opened;
  // The loop gives up (and ends the desktop's run) rather than let the clock
  // pass this time, so a test that waits for nothing cannot hang.
  int64_t limitMs = 60 * 60 * 1000;
  bool stalled = false;

  sys::Clock& clock() override { return virtualClock; }
  void pump(ui::Desktop& desktop) override;
  ui::DisplayInfo display() const override { return {640, 480, 32}; }
  void warpPointer(int, int) override {}
  std::optional<ui::TModalResult> answerMessageBox(const ui::MessageBoxRequest& request) override;
  // Documents are taken as opened unless a test says there is no opener.
  bool hasOpener = true;
  bool shellOpen(const std::string& target) override {
    opened.push_back(target);
    return hasOpener;
  }

  // Moves the clock on by ms, firing every timer that falls due on the way
  // at its own time.
  void advance(ui::Desktop& desktop, int64_t ms);
  int64_t now() const { return virtualClock.nowMs(); }
};

// A desktop on a fake platform, switched to the game's 640 x 480.
struct TestDesktop {
  FakePlatform platform;
  ui::Desktop desktop{platform};
  TestDesktop() { desktop.setDisplayMode(640, 480); }

  // A press and release at one point.
  void click(int x, int y, ui::MouseButton button = ui::MouseButton::Left) {
    desktop.mouseMove(x, y);
    desktop.mouseDown(button, x, y);
    desktop.mouseUp(button, x, y);
  }
  void key(int vk, ui::Shift shift = {}) {
    desktop.keyDown(vk, shift);
    desktop.keyUp(vk, shift);
  }
};

}  // namespace uitest
