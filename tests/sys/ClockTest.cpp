#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "sys/Clock.h"

namespace {

// True if text has the shape of pattern, where '9' stands for any digit.
bool shaped(const std::string& text, const std::string& pattern) {
  if (text.size() != pattern.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool digit = std::isdigit(static_cast<unsigned char>(text[i]));
    if (pattern[i] == '9' ? !digit : text[i] != pattern[i]) return false;
  }
  return true;
}

TEST(Clock, VirtualClockNeverGoesBackwards) {
  sys::VirtualClock clock;
  EXPECT_EQ(clock.nowMs(), 0);
  clock.advanceBy(55);
  clock.advanceTo(40);
  EXPECT_EQ(clock.nowMs(), 55);
  clock.advanceBy(-30);
  EXPECT_EQ(clock.nowMs(), 55);
  clock.advanceTo(1000);
  EXPECT_EQ(clock.nowMs(), 1000);
}

TEST(Clock, SteadyClockIsMonotonic) {
  sys::SteadyClock clock;
  int64_t last = clock.nowMs();
  for (int i = 0; i < 1000; ++i) {
    const int64_t now = clock.nowMs();
    ASSERT_GE(now, last);
    last = now;
  }
}

TEST(Clock, DateAndTimeInTheGamesFormat) {
  EXPECT_TRUE(shaped(sys::shortDate(), "99.99.9999")) << sys::shortDate();
  EXPECT_TRUE(shaped(sys::longTime(), "99:99:99")) << sys::longTime();
}

}  // namespace
