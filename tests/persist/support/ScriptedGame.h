#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Game.h"
#include "support/GameFixture.h"
#include "sys/Clock.h"
#include "ui/Platform.h"

namespace savetest {

// A platform whose message-box answers and modal-loop input the test gives
// beforehand, and which remembers every question and every opened document.
class ScriptedPlatform final : public ui::Platform {
 public:
  sys::VirtualClock virtualClock;
  // One step runs per round of a modal loop (the load screen).
  std::deque<std::function<void()>> steps;
  std::deque<ui::TModalResult> answers;
  std::vector<ui::MessageBoxRequest> asked;
  std::vector<std::string> opened;
  // Documents are taken as opened unless a test says there is no opener.
  bool hasOpener = true;

  sys::Clock& clock() override { return virtualClock; }
  // A modal loop with no step left is a test fault: the modal form is
  // cancelled so that the test goes on and reports it.
  void pump(ui::Desktop& desktop) override;
  ui::DisplayInfo display() const override { return {640, 480, 32}; }
  void warpPointer(int, int) override {}
  std::optional<ui::TModalResult> answerMessageBox(const ui::MessageBoxRequest& request) override;
  bool shellOpen(const std::string& target) override {
    opened.push_back(target);
    return hasOpener;
  }
};

// A fresh game on a temporary program directory (also the current
// directory) with the demo game's pictures and sounds, the display switched
// to 640 x 480 and the runner started in a room of its own.
class ScriptedGameTest : public ::testing::Test {
 protected:
  ScriptedGameTest();
  ~ScriptedGameTest() override;

  game::Game& g() { return *game_; }
  game::TForm1& f1();
  game::TForm2& f2();
  ScriptedPlatform& platform() { return platform_; }

  void runnerTicks(int n);
  void click(int x, int y);
  void key(int vk);
  void type(const std::string& text) { g().desktop.textInput(text); }
  // Paints the room picture with a pattern no menu picture has.
  void paintRoom();
  // Escape, then a click on the menu entry at (x, y) of the room picture.
  void menuEntry(int x, int y);
  // The queued input that picks the first saved game on the load screen
  // and presses OK (or "Abbrechen").
  void pickFirstSavedGame();
  void cancelLoadScreen();
  std::string path(const std::string& relative) const { return dir.path() + "/" + relative; }
  bool exists(const std::string& relative) const;

  testsupport::TempDir dir;

 private:
  std::string savedDirectory_;
  ScriptedPlatform platform_;
  std::unique_ptr<game::Game> game_;
};

}  // namespace savetest
