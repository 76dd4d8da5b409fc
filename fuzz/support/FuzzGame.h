#pragma once
#include <functional>
#include <memory>
#include <string>

#include "backend/headless/HeadlessPlatform.h"
#include "core/Game.h"
#include "support/Require.h"

namespace game {
class TForm1;
class TForm2;
}  // namespace game

namespace fuzzsupport {

// A fresh game for one input, on the headless platform in the fuzz root
// (which is the current directory while it lives, as the program directory
// is for the real game). The root is reset first, so nothing of an earlier
// input is left. Time is virtual; the replay text gives the input of modal
// windows and the answers of message boxes.
class FuzzGame {
 public:
  explicit FuzzGame(const std::string& replay = "");
  ~FuzzGame();
  FuzzGame(const FuzzGame&) = delete;
  FuzzGame& operator=(const FuzzGame&) = delete;

  game::Game& game() { return *game_; }
  game::TForm1& f1();
  game::TForm2& f2();

  // The start-up as the player sees it: the warm-up, the start-up sequence
  // and the first room, which the fuzz root's opening script makes the
  // corridor, with the runner going.
  void startUp();
  // Runs the timers until done() holds, the game has ended or the runner has
  // fired maxTicks more times (or, while the runner stands still, a minute
  // of game time has passed).
  void runUntil(const std::function<bool()>& done, int maxTicks);
  // Runs the timers until the runner has fired n more times.
  void runnerTicks(int n);
  // Input as the player gives it: a key pressed and released, a left click.
  void key(int vk);
  void click(int x, int y);
  // Whether the game ended by itself (its main window closed), not because
  // the replay ran out of input in a modal window.
  bool ended() const;

 private:
  std::string savedDirectory_;
  std::unique_ptr<backend::HeadlessPlatform> platform_;
  std::unique_ptr<game::Game> game_;
};

}  // namespace fuzzsupport
