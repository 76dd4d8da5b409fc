#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "backend/headless/Replay.h"
#include "sys/Clock.h"
#include "ui/Platform.h"

namespace backend {

// The front end without a display or audio device: a virtual clock that
// jumps from timer to timer, input played from a replay, message boxes
// answered from the replay's answers. When the replay is done (or the game
// ends) it calls onFinish and ends the loop.
class HeadlessPlatform final : public ui::Platform {
 public:
  HeadlessPlatform(ReplayScript script, ui::DisplayInfo display);

  // Set by the program: whether the game has nothing left to do, and what
  // to do when the replay is over.
  std::function<bool()> isIdle;
  std::function<void()> onFinish;
  // Writes a screenshot of the desktop to a file name of the replay.
  std::function<void(const std::string& name)> onScreenshot;
  // Asked for more input once the replay's own lines are played; false ends
  // the replay. The soak draws its random input here.
  std::function<bool(ReplayAction& next)> moreInput;
  // Whether message-box answers and opened documents are written to stderr.
  bool echo = true;

  sys::Clock& clock() override { return clock_; }
  void pump(ui::Desktop& desktop) override;
  ui::DisplayInfo display() const override { return display_; }
  void warpPointer(int, int) override {}
  std::optional<ui::TModalResult> answerMessageBox(const ui::MessageBoxRequest& request) override;
  bool shellOpen(const std::string& target) override;
  // Pretends a desktop without any program to open documents with.
  bool noOpener = false;

  // Documents the game asked the desktop to open (nothing is started).
  const std::vector<std::string>& openedDocuments() const { return opened_; }
  bool finished() const { return finished_; }

 private:
  // What the driver is waiting for before it takes the next replay line.
  enum class Waiting { Nothing, Time, Ticks, Idle };

  void perform(ui::Desktop& desktop, const ReplayAction& a);
  void advance(ui::Desktop& desktop);
  void finish(ui::Desktop& desktop);

  ReplayScript script_;
  size_t next_ = 0;
  ui::DisplayInfo display_;
  sys::VirtualClock clock_;
  std::deque<std::string> answers_;
  std::vector<std::string> opened_;

  Waiting waiting_ = Waiting::Nothing;
  int64_t until_ = 0;        // clock time that ends a wait or an idle wait
  int64_t ticksTarget_ = 0;  // runner fire count that ends a ticks wait
  int64_t ticksDeadline_ = 0;
  int ticksLine_ = 0;  // the replay line of the ticks wait
  bool finished_ = false;
};

}  // namespace backend
