// The replay format of headless runs: every command, and errors that name
// their line.
#include <gtest/gtest.h>

#include "backend/headless/Replay.h"

namespace {

using backend::parseReplay;
using Kind = backend::ReplayAction::Kind;

TEST(ReplayTest, EveryCommandIsRead) {
  const auto script = parseReplay(
      "# a comment\n\nwait 500\nticks 3\nmove 10 20\nclick right 1 2\ndblclick 3 4\nkey F5\nkey Enter\n"
      "type Kapitel zwei\nanswer yes\nidle 9000\nscreenshot a.bmp\r\nkey Period\n");
  ASSERT_TRUE(script.ok()) << script.error().message;
  ASSERT_EQ(script->actions.size(), 12u);
  EXPECT_EQ(script->actions[0].kind, Kind::Wait);
  EXPECT_EQ(script->actions[0].amount, 500);
  EXPECT_EQ(script->actions[0].lineNumber, 3);
  EXPECT_EQ(script->actions[3].kind, Kind::Click);
  EXPECT_EQ(script->actions[3].button, ui::MouseButton::Right);
  EXPECT_EQ(script->actions[5].key, ui::vk::F1 + 4);
  EXPECT_EQ(script->actions[6].key, ui::vk::Return);
  EXPECT_EQ(script->actions[7].text, "Kapitel zwei");
  EXPECT_EQ(script->actions[8].text, "yes");
  EXPECT_EQ(script->actions[10].text, "a.bmp");
  EXPECT_EQ(script->actions[11].key, ui::vk::OemPeriod);
}

TEST(ReplayTest, AnUnknownOrMalformedLineIsAnErrorWithItsLineNumber) {
  for (const auto& [text, line] : std::vector<std::pair<std::string, int>>{{"wait 10\njump 3\n", 2},
                                                                           {"wait -1\n", 1},
                                                                           {"move 1\n", 1},
                                                                           {"click sideways 1 2\n", 1},
                                                                           {"key Hyper\n", 1},
                                                                           {"answer maybe\n", 1},
                                                                           {"\n\nticks many\n", 3}}) {
    const auto script = parseReplay(text);
    ASSERT_FALSE(script.ok()) << text;
    EXPECT_EQ(script.error().message.rfind("line " + std::to_string(line) + ":", 0), 0u)
        << script.error().message;
  }
}

}  // namespace
