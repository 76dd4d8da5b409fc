// Timers on the virtual clock: order, one-shots, restarts, granularity,
// late ticks, and timers that keep running inside a modal loop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/support/FakePlatform.h"

namespace {

using uitest::TestDesktop;

TEST(Timers, TimersDueTogetherFireInCreationOrderAndEarlierFirst) {
  TestDesktop t;
  std::vector<std::string> fired;
  ui::Timer a(t.desktop, "a", 20), b(t.desktop, "b", 10), c(t.desktop, "c", 20);
  for (ui::Timer* timer : {&a, &b, &c}) {
    timer->OnTimer = [&fired, timer] { fired.push_back(timer->Name); };
    timer->setEnabled(true);
  }
  t.platform.advance(t.desktop, 20);
  EXPECT_EQ(fired, (std::vector<std::string>{"b", "a", "b", "c"}));
}

TEST(Timers, HandlerThatDisablesItsOwnTimerMakesAOneShot) {
  TestDesktop t;
  ui::Timer once(t.desktop, "once", 100);
  int fires = 0;
  once.OnTimer = [&] {
    ++fires;
    once.setEnabled(false);
  };
  once.setEnabled(true);
  t.platform.advance(t.desktop, 1000);
  EXPECT_EQ(fires, 1);
  EXPECT_EQ(t.desktop.nextTimerDue(), INT64_MAX);
  // Enabling it again starts a fresh period from now.
  once.setEnabled(true);
  EXPECT_EQ(once.due(), t.platform.now() + 100);
}

TEST(Timers, ChangingTheIntervalRestartsThePeriod) {
  TestDesktop t;
  ui::Timer timer(t.desktop, "timer", 100);
  std::vector<int64_t> at;
  timer.OnTimer = [&] { at.push_back(t.platform.now()); };
  timer.setEnabled(true);
  t.platform.advance(t.desktop, 90);
  timer.setInterval(50);  // counts from 90, not from 0
  t.platform.advance(t.desktop, 100);
  EXPECT_EQ(at, (std::vector<int64_t>{140, 190}));
  // Setting the same interval again changes nothing.
  timer.setInterval(50);
  EXPECT_EQ(timer.due(), 240);
}

TEST(Timers, GranularityRoundsIntervalsUp) {
  TestDesktop t;
  t.desktop.setTimerGranularity(55);
  EXPECT_EQ(t.desktop.effectiveInterval(1), 55);
  EXPECT_EQ(t.desktop.effectiveInterval(55), 55);
  EXPECT_EQ(t.desktop.effectiveInterval(56), 110);
  EXPECT_EQ(t.desktop.effectiveInterval(0), 0);
  ui::Timer runner(t.desktop, "Runner", 1);
  int ticks = 0;
  runner.OnTimer = [&] { ++ticks; };
  runner.setEnabled(true);
  t.platform.advance(t.desktop, 1000);
  EXPECT_EQ(ticks, 1000 / 55);
}

TEST(Timers, ALateTimerDoesNotMakeUpMissedTicks) {
  TestDesktop t;
  ui::Timer timer(t.desktop, "timer", 10);
  int fires = 0;
  timer.OnTimer = [&] { ++fires; };
  timer.setEnabled(true);
  // The program was busy for a second: one tick, then the period anew.
  t.platform.virtualClock.advanceBy(1000);
  t.desktop.fireDueTimers();
  EXPECT_EQ(fires, 1);
  EXPECT_EQ(timer.due(), 1010);
  EXPECT_FALSE(t.desktop.fireDueTimers());
}

TEST(Timers, AStoppedOrDestroyedTimerDoesNotFireLaterInTheSameRound) {
  TestDesktop t;
  ui::Timer first(t.desktop, "first", 10);
  auto second = std::make_unique<ui::Timer>(t.desktop, "second", 10);
  ui::Timer third(t.desktop, "third", 10);
  std::vector<std::string> fired;
  first.OnTimer = [&] {
    fired.push_back("first");
    second.reset();
    third.setEnabled(false);
  };
  second->OnTimer = [&] { fired.push_back("second"); };
  third.OnTimer = [&] { fired.push_back("third"); };
  for (ui::Timer* timer : {&first, second.get(), &third}) timer->setEnabled(true);
  t.platform.advance(t.desktop, 10);
  EXPECT_EQ(fired, std::vector<std::string>{"first"});
}

TEST(ModalLoop, ShowModalRunsANestedLoopWhileTimersFire) {
  TestDesktop t;
  ui::Form main(t.desktop, "main"), dialog(t.desktop, "dialog");
  main.setBounds(0, 0, 640, 480);
  main.Show();
  ui::Button ok(&dialog, "ok");
  ok.ModalResult = ui::TModalResult::Ok;
  ui::Timer runner(t.desktop, "Runner", 10);
  int ticks = 0;
  runner.OnTimer = [&] {
    ++ticks;
    if (ticks == 25) ok.click();  // as if the player pressed OK after 250 ms
  };
  runner.setEnabled(true);
  EXPECT_EQ(dialog.ShowModal(), ui::TModalResult::Ok);
  EXPECT_EQ(ticks, 25);
  EXPECT_EQ(t.platform.now(), 250);
  EXPECT_FALSE(dialog.Visible);
  EXPECT_TRUE(t.desktop.acceptsInput(&main));
}

TEST(ModalLoop, MessageBoxIsAnsweredByThePlatformOrShownModally) {
  TestDesktop t;
  ui::MessageBoxRequest question{"Wirklich?", "Frage", ui::MessageKind::Information,
                                 ui::MessageButtons::YesNo};
  t.platform.answers.push_back(ui::TModalResult::Yes);
  EXPECT_EQ(t.desktop.messageBox(question), ui::TModalResult::Yes);
  // Without an answer the desktop shows its own box: Enter takes "Ja".
  t.platform.steps.push_back([&](ui::Desktop&) {
    ASSERT_NE(t.desktop.activeForm(), nullptr);
    EXPECT_EQ(t.desktop.activeForm()->Caption, "Frage");
    t.key(ui::vk::Return);
  });
  EXPECT_EQ(t.desktop.messageBox(question), ui::TModalResult::Yes);
  // Escape closes a box that only says OK.
  t.platform.steps.push_back([&](ui::Desktop&) { t.key(ui::vk::Escape); });
  EXPECT_EQ(t.desktop.messageBox({"Sorry", "", ui::MessageKind::Information, ui::MessageButtons::Ok}),
            ui::TModalResult::Ok);
  EXPECT_EQ(t.platform.asked.size(), 3u);
  EXPECT_FALSE(t.platform.stalled);
}

}  // namespace
