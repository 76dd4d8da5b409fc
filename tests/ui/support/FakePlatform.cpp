#include "ui/support/FakePlatform.h"

#include <climits>

namespace uitest {

void FakePlatform::pump(ui::Desktop& desktop) {
  desktop.deliverPending();
  if (desktop.fireDueTimers()) return;
  if (!steps.empty()) {
    auto step = std::move(steps.front());
    steps.pop_front();
    step(desktop);
    return;
  }
  const int64_t due = desktop.nextTimerDue();
  if (due == INT64_MAX || due > limitMs) {
    stalled = true;
    desktop.terminate();
    return;
  }
  virtualClock.advanceTo(due);
  desktop.fireDueTimers();
}

std::optional<ui::TModalResult> FakePlatform::answerMessageBox(const ui::MessageBoxRequest& request) {
  asked.push_back(request);
  if (answers.empty()) return std::nullopt;
  const ui::TModalResult answer = answers.front();
  answers.pop_front();
  return answer;
}

void FakePlatform::advance(ui::Desktop& desktop, int64_t ms) {
  const int64_t until = now() + ms;
  for (int64_t due = desktop.nextTimerDue(); due <= until; due = desktop.nextTimerDue()) {
    virtualClock.advanceTo(due);
    desktop.fireDueTimers();
  }
  virtualClock.advanceTo(until);
}

}  // namespace uitest
