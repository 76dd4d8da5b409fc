#pragma once
// A headless game on a copy of the demo data root, for benchmarks: the
// program directory links the generated data and the game runs on the
// virtual clock.
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "backend/headless/HeadlessPlatform.h"
#include "core/Game.h"
#include "core/TForm1.h"
#include "ui/Timer.h"

namespace bench {

class BenchGame {
 public:
  BenchGame() {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/kroxl-bench-XXXXXX";
    dir_ = mkdtemp(pattern.data());
    const std::filesystem::path game = std::string(KROXL_BINARY_DIR) + "/game";
    for (const auto& entry : std::filesystem::directory_iterator(game)) {
      const auto name = entry.path().filename();
      if (name != "optionsNT.pre" && name != ".stamp")
        std::filesystem::create_symlink(entry.path(), dir_ / name);
    }
    saved_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_);
  }
  ~BenchGame() {
    game.reset();
    platform.reset();
    std::filesystem::current_path(saved_);
    std::filesystem::remove_all(dir_);
  }

  // A fresh game, created as the program creates it.
  void create() {
    game.reset();
    platform = std::make_unique<backend::HeadlessPlatform>(backend::ReplayScript{}, ui::DisplayInfo{});
    // The temporary directory may be a RAM disk, which the drive check refuses.
    game::GameSetup setup;
    setup.driveType = [](const std::string&) { return sys::DriveType::Other; };
    game = std::make_unique<game::Game>(*platform, setup);
  }

  // A fresh game run through its start-up until the runner works in the
  // first room.
  void startToFirstRoom() {
    create();
    game->Form1->FormCreate();
    runUntil([&] { return game->Form1->Runner.Enabled(); });
  }

  // Runs timers on the virtual clock until done() or no timer is due.
  template <typename Done>
  void runUntil(Done done) {
    auto& clock = static_cast<sys::VirtualClock&>(platform->clock());
    ui::Desktop& d = game->desktop;
    while (!done() && !d.terminated()) {
      const int64_t due = d.nextTimerDue();
      if (due == INT64_MAX) break;
      clock.advanceTo(due);
      d.deliverPending();
      d.fireDueTimers();
    }
  }

  std::unique_ptr<backend::HeadlessPlatform> platform;
  std::unique_ptr<game::Game> game;

 private:
  std::filesystem::path dir_;
  std::filesystem::path saved_;
};

}  // namespace bench
