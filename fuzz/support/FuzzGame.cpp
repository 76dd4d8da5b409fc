#include "support/FuzzGame.h"

#include <climits>
#include <filesystem>

#include "core/TForm1.h"
#include "state/TForm2.h"
#include "support/FuzzRoot.h"
#include "ui/Timer.h"

namespace fuzzsupport {

namespace {

// A stopped runner must not keep a target waiting: a minute of game time.
constexpr int64_t kGameTimeLimitMs = 60000;
// The fuzz root's opening takes a few ticks; a start-up from an options
// file the input made may take longer or never reach the player.
constexpr int kStartUpTicks = 200;

backend::ReplayScript replayOf(const std::string& text) {
  sys::Result<backend::ReplayScript> script = backend::parseReplay(text);
  require(script.ok(), "the target's own replay parses");
  return std::move(script).value();
}

}  // namespace

FuzzGame::FuzzGame(const std::string& replay) {
  FuzzRoot& root = FuzzRoot::get();
  root.reset();
  savedDirectory_ = std::filesystem::current_path().string();
  std::filesystem::current_path(root.path());
  platform_ = std::make_unique<backend::HeadlessPlatform>(replayOf(replay), ui::DisplayInfo{});
  game::GameSetup setup;
  // The temporary directory may be a RAM disk, where the drive check would
  // stop the start-up.
  setup.driveType = [](const std::string&) { return sys::DriveType::Other; };
  game_ = std::make_unique<game::Game>(*platform_, setup);
}

FuzzGame::~FuzzGame() {
  game_.reset();
  platform_.reset();
  std::filesystem::current_path(savedDirectory_);
}

game::TForm1& FuzzGame::f1() {
  return *game_->Form1;
}
game::TForm2& FuzzGame::f2() {
  return *game_->Form2;
}

void FuzzGame::startUp() {
  f1().FormCreate();
  f1().Show();
  // The warm-up, the start-up sequence, the first room and the opening
  // script, until the player has control.
  runUntil(
      [this] { return f1().Runner.fireCount() > 0 && f2().Memo1.empty() && f2().inMode(game::Mode::Normal); },
      kStartUpTicks);
}

void FuzzGame::runnerTicks(int n) {
  runUntil([] { return false; }, n);
}

void FuzzGame::runUntil(const std::function<bool()>& done, int maxTicks) {
  ui::Desktop& d = game_->desktop;
  auto& clock = static_cast<sys::VirtualClock&>(platform_->clock());
  const int64_t deadline = clock.nowMs() + kGameTimeLimitMs;
  const int64_t lastTick = f1().Runner.fireCount() + maxTicks;
  while (!d.terminated() && !done() && f1().Runner.fireCount() < lastTick) {
    const int64_t due = d.nextTimerDue();
    if (due == INT64_MAX || due > deadline) break;
    clock.advanceTo(due);
    d.deliverPending();
    d.fireDueTimers();
  }
}

void FuzzGame::key(int vk) {
  game_->desktop.keyDown(vk);
  game_->desktop.keyUp(vk);
}

void FuzzGame::click(int x, int y) {
  ui::Desktop& d = game_->desktop;
  d.mouseMove(x, y);
  d.mouseDown(ui::MouseButton::Left, x, y);
  d.mouseUp(ui::MouseButton::Left, x, y);
}

bool FuzzGame::ended() const {
  return game_->desktop.terminated() && !platform_->finished();
}

}  // namespace fuzzsupport
