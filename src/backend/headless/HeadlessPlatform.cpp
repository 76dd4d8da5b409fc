#include "backend/headless/HeadlessPlatform.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "ui/Desktop.h"
#include "ui/Timer.h"

namespace backend {
namespace {

// A "ticks" wait gives up after this much game time without the runner
// reaching its count, so a stopped runner cannot hang a test.
constexpr int64_t kTicksTimeLimitMs = 10 * 60 * 1000;

}  // namespace

HeadlessPlatform::HeadlessPlatform(ReplayScript script, ui::DisplayInfo display)
    : script_(std::move(script)), display_(display) {}

std::optional<ui::TModalResult> HeadlessPlatform::answerMessageBox(const ui::MessageBoxRequest& request) {
  const bool yesNo = request.buttons == ui::MessageButtons::YesNo;
  std::string answer = yesNo ? "no" : "ok";
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  if (echo) std::fprintf(stderr, "message box \"%s\": %s\n", request.text.c_str(), answer.c_str());
  if (answer == "yes") return ui::TModalResult::Yes;
  if (answer == "no") return ui::TModalResult::No;
  if (answer == "cancel") return ui::TModalResult::Cancel;
  return ui::TModalResult::Ok;
}

bool HeadlessPlatform::shellOpen(const std::string& target) {
  opened_.push_back(target);
  if (echo)
    std::fprintf(stderr, "shell open: %s%s\n", target.c_str(), noOpener ? " (no program to open it)" : "");
  return !noOpener;
}

void HeadlessPlatform::pump(ui::Desktop& desktop) {
  desktop.deliverPending();
  if (finished_) {
    desktop.terminate();
    return;
  }
  // Whatever is due at the present moment runs before anything else.
  if (desktop.fireDueTimers()) return;
  if (waiting_ != Waiting::Nothing) {
    advance(desktop);
    return;
  }
  if (next_ >= script_.actions.size()) {
    ReplayAction more;
    if (moreInput && moreInput(more)) {
      perform(desktop, more);
      return;
    }
    finish(desktop);
    return;
  }
  perform(desktop, script_.actions[next_++]);
}

// Moves the clock to the next due timer, or to the end of the wait.
void HeadlessPlatform::advance(ui::Desktop& desktop) {
  const int64_t due = desktop.nextTimerDue();
  switch (waiting_) {
    case Waiting::Time:
    case Waiting::Idle:
      if (waiting_ == Waiting::Idle && isIdle && isIdle()) {
        waiting_ = Waiting::Nothing;
        return;
      }
      if (due <= until_) {
        clock_.advanceTo(due);
        desktop.fireDueTimers();
      } else {
        clock_.advanceTo(until_);
        waiting_ = Waiting::Nothing;
      }
      return;
    case Waiting::Ticks: {
      const ui::Timer* runner = desktop.findTimer("Runner");
      if (runner && runner->fireCount() >= ticksTarget_) {
        waiting_ = Waiting::Nothing;
        return;
      }
      if (due == INT64_MAX || due > ticksDeadline_) {
        if (echo)
          std::fprintf(stderr, "replay line %d: the runner stopped before its ticks were done\n", ticksLine_);
        clock_.advanceTo(std::min(due, ticksDeadline_));
        waiting_ = Waiting::Nothing;
        return;
      }
      clock_.advanceTo(due);
      desktop.fireDueTimers();
      return;
    }
    case Waiting::Nothing:
      return;
  }
}

void HeadlessPlatform::perform(ui::Desktop& desktop, const ReplayAction& a) {
  using Kind = ReplayAction::Kind;
  switch (a.kind) {
    case Kind::Wait:
      waiting_ = Waiting::Time;
      until_ = clock_.nowMs() + a.amount;
      break;
    case Kind::Idle:
      waiting_ = Waiting::Idle;
      until_ = clock_.nowMs() + a.amount;
      break;
    case Kind::Ticks: {
      const ui::Timer* runner = desktop.findTimer("Runner");
      waiting_ = Waiting::Ticks;
      ticksTarget_ = (runner ? runner->fireCount() : 0) + a.amount;
      ticksDeadline_ = clock_.nowMs() + kTicksTimeLimitMs;
      ticksLine_ = a.lineNumber;
      break;
    }
    case Kind::Move:
    case Kind::Click:
    case Kind::DblClick:
    case Kind::Down:
    case Kind::Up:
    case Kind::Key:
    case Kind::KeyDown:
    case Kind::KeyUp:
    case Kind::Type:
    case Kind::Leave:
      applyInput(desktop, a);
      break;
    case Kind::Answer:
      answers_.push_back(a.text);
      break;
    case Kind::Screenshot:
      if (onScreenshot) onScreenshot(a.text);
      break;
  }
}

void HeadlessPlatform::finish(ui::Desktop& desktop) {
  if (!finished_) {
    finished_ = true;
    if (onFinish) onFinish();
  }
  desktop.terminate();
}

}  // namespace backend
