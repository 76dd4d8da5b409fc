#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "backend/headless/HeadlessPlatform.h"
#include "core/Game.h"
#include "support/TempDir.h"
#include "sys/Clock.h"

namespace testsupport {

// Game text files are Windows-1252 with CR LF; tests write them from lines.
std::string gameText(std::initializer_list<std::string> lines);

// A fresh game on a temporary program directory, which is also the current
// directory while the test runs (the game takes its data root and program
// directory from it). The demo game's generated data root is demoDataRoot();
// useDemoMedia() links its pictures, sounds and videos into the temporary
// directory, so a test only writes the scripts it needs. Time is virtual:
// advance() and runnerTicks() run the timers that fall due.
class GameTest : public ::testing::Test {
 protected:
  GameTest();
  ~GameTest() override;

  // Creates the game; call again after changing setup.
  void createGame();
  game::Game& g() { return *game_; }
  game::TForm1& f1();
  game::TForm2& f2();
  sys::VirtualClock& clock();
  // Runs every timer due within the next ms milliseconds.
  void advance(int64_t ms);
  // Runs until the runner has fired n more times (or 60 s of game time).
  void runnerTicks(int n);

  static std::string demoDataRoot();
  void useDemoMedia();
  // Opens the three media players as the start-up does and starts the
  // runner with an empty queue in "normal" mode.
  void startRunner();

  TempDir dir;
  // Tests run in the system's temporary directory, which may be a RAM disk;
  // the drive check would stop the start-up there, so tests see a plain
  // drive unless they choose another.
  game::GameSetup setup;
  ui::DisplayInfo display;

 private:
  std::string savedDirectory_;
  std::unique_ptr<backend::HeadlessPlatform> platform_;
  std::unique_ptr<game::Game> game_;
};

}  // namespace testsupport
