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

// What --record writes comes back as the same action, whatever it holds.
TEST(ReplayTest, RecordedLinesReadBackAsTheSameActions) {
  std::vector<backend::ReplayAction> actions(9);
  actions[0].kind = Kind::Down;
  actions[0].button = ui::MouseButton::Right;
  actions[0].x = 12;
  actions[0].y = 470;
  actions[0].shift.shift = true;
  actions[1].kind = Kind::Up;
  actions[1].button = ui::MouseButton::Middle;
  actions[2].kind = Kind::Move;
  actions[2].x = -3;
  actions[2].shift.ctrl = actions[2].shift.alt = true;
  actions[3].kind = Kind::KeyDown;
  actions[3].key = ui::vk::Prior;
  actions[4].kind = Kind::KeyUp;
  actions[4].key = ui::vk::F1 + 11;
  actions[4].shift.shift = true;
  actions[5].kind = Kind::Type;
  actions[5].text = "Spielstand ";  // a blank at the end
  actions[6].kind = Kind::Type;
  actions[6].text = "ä";
  actions[7].kind = Kind::Leave;
  actions[8].kind = Kind::Move;  // a plain move stays the old line
  std::string text = "seed 4000000000\ndisplay 1600x1200\ndepth 24\n";
  for (const auto& a : actions) text += backend::replayLine(a) + "\n";
  EXPECT_NE(text.find("typehex 5370"), std::string::npos) << text;
  EXPECT_NE(text.find("\nmove 0 0\n"), std::string::npos) << text;

  const auto script = parseReplay(text);
  ASSERT_TRUE(script.ok()) << script.error().message;
  EXPECT_EQ(script->seed, 4000000000u);
  EXPECT_EQ(script->displayWidth, 1600);
  EXPECT_EQ(script->displayHeight, 1200);
  EXPECT_EQ(script->depth, 24);
  ASSERT_EQ(script->actions.size(), actions.size());
  for (size_t i = 0; i < actions.size(); ++i) {
    const auto& got = script->actions[i];
    const auto& want = actions[i];
    EXPECT_EQ(got.kind, want.kind) << i;
    EXPECT_EQ(got.button, want.button) << i;
    EXPECT_EQ(got.x, want.x) << i;
    EXPECT_EQ(got.y, want.y) << i;
    EXPECT_EQ(got.key, want.key) << i;
    EXPECT_EQ(got.text, want.text) << i;
    EXPECT_EQ(got.shift.shift, want.shift.shift) << i;
    EXPECT_EQ(got.shift.ctrl, want.shift.ctrl) << i;
    EXPECT_EQ(got.shift.alt, want.shift.alt) << i;
  }
}

TEST(ReplayTest, AnUnknownOrMalformedLineIsAnErrorWithItsLineNumber) {
  for (const auto& [text, line] : std::vector<std::pair<std::string, int>>{{"wait 10\njump 3\n", 2},
                                                                           {"wait -1\n", 1},
                                                                           {"move 1\n", 1},
                                                                           {"click sideways 1 2\n", 1},
                                                                           {"key Hyper\n", 1},
                                                                           {"answer maybe\n", 1},
                                                                           {"move 1 2 hyper\n", 1},
                                                                           {"down left 1\n", 1},
                                                                           {"keyup\n", 1},
                                                                           {"typehex 4g\n", 1},
                                                                           {"display 640\n", 1},
                                                                           {"seed -1\n", 1},
                                                                           {"\n\nticks many\n", 3}}) {
    const auto script = parseReplay(text);
    ASSERT_FALSE(script.ok()) << text;
    EXPECT_EQ(script.error().message.rfind("line " + std::to_string(line) + ":", 0), 0u)
        << script.error().message;
  }
}

}  // namespace
