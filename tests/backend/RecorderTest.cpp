// The recording's order of lines: the replay must have each message box's
// answer queued before the action that opens it, and a wait for the game time
// between two actions.
#include <gtest/gtest.h>

#include <filesystem>

#include "backend/sdl/Recorder.h"
#include "sys/FileIo.h"

namespace {

using backend::ReplayAction;

ReplayAction click(ReplayAction::Kind kind, int x) {
  ReplayAction a;
  a.kind = kind;
  a.x = x;
  a.y = 300;
  return a;
}

std::string recorded(const std::function<void(backend::Recorder&)>& session) {
  const std::string path = (std::filesystem::temp_directory_path() / "kroxl-recorder-test.replay").string();
  {
    backend::Recorder recorder(path);
    EXPECT_TRUE(recorder.ok()) << recorder.error();
    session(recorder);
  }
  const auto text = sys::readFile(path, 1 << 20);
  std::filesystem::remove(path);
  std::string body;
  // Without the comment line at the top.
  if (text) body = text->substr(text->find('\n') + 1);
  return body;
}

TEST(RecorderTest, AnswersGoBeforeTheWaitAndTheActionThatOpenedTheirBoxes) {
  const std::string text = recorded([](backend::Recorder& r) {
    r.settings(7, {1024, 768, 24});
    r.begin(100, click(ReplayAction::Kind::Down, 10));
    r.answer(ui::TModalResult::Yes);  // the press opened a box
    r.finish();
    r.begin(100, click(ReplayAction::Kind::Up, 10));  // same game time: no wait
    r.finish();
    r.answer(ui::TModalResult::No);  // a box a timer opened
    r.begin(250, click(ReplayAction::Kind::Move, 20));
    // A modal window's loop handles input before the outer action is done:
    // the outer one is written first.
    r.begin(300, click(ReplayAction::Kind::Down, 30));
    r.finish();
    r.finish();
    r.end(400);
  });
  EXPECT_EQ(text,
            "seed 7\ndisplay 1024x768\ndepth 24\n"
            "answer yes\nwait 100\ndown left 10 300\n"
            "up left 10 300\n"
            "answer no\nwait 150\nmove 20 300\n"
            "wait 50\ndown left 30 300\n"
            "wait 100\n");
}

TEST(RecorderTest, AFileThatCannotBeWrittenIsAnError) {
  backend::Recorder recorder("/nonexistent-folder/x.replay");
  EXPECT_FALSE(recorder.ok());
  EXPECT_NE(recorder.error().find("/nonexistent-folder/x.replay"), std::string::npos);
}

}  // namespace
