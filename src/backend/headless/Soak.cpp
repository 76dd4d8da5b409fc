#include "backend/headless/Soak.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <deque>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>

#include "backend/headless/HeadlessPlatform.h"
#include "backend/headless/SoakInput.h"
#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm5.h"
#include "state/TForm2.h"
#include "ui/Timer.h"

namespace backend {
namespace {

constexpr int64_t kHangMs = 10 * 1000;  // game time without a runner tick
// Wall time without a single action done: a tick that never returns.
constexpr auto kStuck = std::chrono::seconds(120);
constexpr size_t kRecentActions = 20;

struct SoakFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

int64_t memoryKb(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string word;
  while (status >> word)
    if (word == key) {
      int64_t kb = 0;
      status >> kb;
      return kb;
    }
  return 0;
}

// FNV-1a: two runs of one seed must end with the same digest.
void mix(uint64_t& digest, const std::string& text) {
  for (unsigned char c : text) digest = (digest ^ c) * 1099511628211ull;
  digest = (digest ^ '\n') * 1099511628211ull;
}

// The runner may rest while the menu or another window is open, or when the
// developer stopped it; otherwise it fires every few milliseconds of game time.
bool paused(game::Game& game) {
  if (game.Form2->inMode(game::Mode::Menu)) return true;
  // The developer's key G stops the runner until H starts it again.
  if (!game.Form1->Runner.Enabled() && game.Form5->player.Caption == "developer") return true;
  for (const ui::Form* form : game.desktop.zOrder())
    if (form->Visible && form != game.Form1.get() && form != game.Form2.get()) return true;
  return !game.Form1->Visible;
}

// What a failure report says about the game: where it stands and what is open.
std::string describeState(game::Game& game) {
  std::string text = "mode \"" + game.Form2->mode.Caption + "\", room " +
                     std::to_string(game.Form1->currentRoom()) + ", runner " +
                     (game.Form1->Runner.Enabled() ? "on" : "off") + " every " +
                     std::to_string(game.Form1->Runner.Interval()) + " ms, builder " +
                     (game.Form1->build.Enabled() ? "on" : "off") + ", windows:";
  for (const ui::Form* form : game.desktop.zOrder())
    if (form->Visible) text += " " + form->Name;
  return text;
}

class Soak {
 public:
  explicit Soak(const SoakOptions& o) : options_(o), input_(o.seed) {}

  int run() {
    std::thread watchdog([this] { watch(); });
    int code = 0;
    try {
      while (ticks_ < options_.ticks) playOneGame();
      report("done");
      std::printf("soak: passed: seed %llu, %lld ticks in %d games, digest %016llx\n",
                  static_cast<unsigned long long>(options_.seed), static_cast<long long>(ticks_), games_,
                  static_cast<unsigned long long>(digest_));
    } catch (const SoakFailure& e) {
      std::printf("soak: FAILED: seed %llu, tick %lld, game %d: %s\nsoak: the last actions were:\n",
                  static_cast<unsigned long long>(options_.seed), static_cast<long long>(ticks_), games_ + 1,
                  e.what());
      for (const std::string& line : recent_) std::printf("  %s\n", line.c_str());
      code = 1;
    }
    std::fflush(stdout);
    done_ = true;
    watchdog.join();
    return code;
  }

 private:
  void playOneGame() {
    HeadlessPlatform platform(ReplayScript{}, ui::DisplayInfo{});
    platform.echo = false;
    game::GameSetup setup;
    setup.seed = static_cast<uint32_t>(options_.seed + static_cast<uint64_t>(games_));
    game::Game game(platform, setup);
    const int64_t before = ticks_;
    int64_t fires = 0, lastTickAt = 0;
    platform.moreInput = [&](ReplayAction& next) {
      const ui::Timer* runner = game.desktop.findTimer("Runner");
      const int64_t now = platform.clock().nowMs();
      // Time counts towards a hang only while nothing pauses the runner.
      if (runner && runner->fireCount() != fires) {
        fires = runner->fireCount();
        lastTickAt = now;
      } else if (paused(game)) {
        lastTickAt = now;
      } else if (now - lastTickAt > kHangMs) {
        throw SoakFailure("hang: no runner tick for " + std::to_string(now - lastTickAt) +
                          " ms of game time; " + describeState(game));
      }
      ticks_ = before + fires;
      check(game);
      if (ticks_ >= options_.ticks) return false;
      next = input_.next();
      remember(SoakInput::describe(next));
      ++progress_;
      return true;
    };
    game.run();
    ++games_;
    mix(digest_, "game over: room " + std::to_string(game.Form1->currentRoom()) + ", at " +
                     std::to_string(game.Form2->posit.Tag) + ", protocol " +
                     std::to_string(game.Form2->Memo2.Count()));
    // A game that ends before its runner ever ticks would restart for ever.
    gamesWithoutTicks_ = fires == 0 ? gamesWithoutTicks_ + 1 : 0;
    if (gamesWithoutTicks_ >= 3) throw SoakFailure("three games in a row ended before their runner ticked");
  }

  void check(game::Game& game) {
    if (game.Form2->Memo1.Count() > options_.maxQueueLines)
      throw SoakFailure("the command queue holds " + std::to_string(game.Form2->Memo1.Count()) + " lines");
    if (game.Form2->Memo2.Count() > options_.maxProtocolLines)
      throw SoakFailure("the protocol holds " + std::to_string(game.Form2->Memo2.Count()) + " lines");
    protocolLines_ = game.Form2->Memo2.Count();
    queueLines_ = game.Form2->Memo1.Count();
    if (ticks_ < nextReport_) return;
    while (nextReport_ <= ticks_) nextReport_ *= 10;
    report("tick " + std::to_string(ticks_));
    if (memoryKb("VmRSS:") / 1024 > options_.maxRssMb)
      throw SoakFailure("memory use " + std::to_string(memoryKb("VmRSS:") / 1024) + " MiB");
  }

  void report(const std::string& when) {
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    std::printf(
        "soak: %s: %lld ticks, %d games, wall %.1f s, RSS %lld MiB, peak RSS %lld MiB, "
        "protocol %lld lines, queue %lld lines\n",
        when.c_str(), static_cast<long long>(ticks_), games_, wall,
        static_cast<long long>(memoryKb("VmRSS:") / 1024), static_cast<long long>(memoryKb("VmHWM:") / 1024),
        static_cast<long long>(protocolLines_), static_cast<long long>(queueLines_));
    std::fflush(stdout);
  }

  void remember(const std::string& action) {
    mix(digest_, action);
    recent_.push_back(action);
    if (recent_.size() > kRecentActions) recent_.pop_front();
  }

  // A tick or handler that never returns stops all progress: say so with the
  // seed, since the main thread cannot.
  void watch() {
    int64_t seen = -1;
    auto since = std::chrono::steady_clock::now();
    while (!done_) {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      const int64_t now = progress_;
      if (now != seen) {
        seen = now;
        since = std::chrono::steady_clock::now();
      } else if (std::chrono::steady_clock::now() - since > kStuck) {
        std::printf("soak: FAILED: seed %llu, tick %lld: hang: no input taken for %lld s of wall time\n",
                    static_cast<unsigned long long>(options_.seed), static_cast<long long>(ticks_.load()),
                    static_cast<long long>(kStuck.count()));
        std::fflush(stdout);
        _exit(3);
      }
    }
  }

  SoakOptions options_;
  SoakInput input_;
  std::atomic<int64_t> ticks_ = 0;
  std::atomic<int64_t> progress_ = 0;
  std::atomic<bool> done_ = false;
  int games_ = 0, gamesWithoutTicks_ = 0;
  int64_t nextReport_ = 10000;
  int64_t protocolLines_ = 0, queueLines_ = 0;
  uint64_t digest_ = 14695981039346656037ull;
  std::deque<std::string> recent_;
  const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace

int runSoak(const SoakOptions& options) {
  std::printf("soak: seed %llu, %lld ticks\n", static_cast<unsigned long long>(options.seed),
              static_cast<long long>(options.ticks));
  return Soak(options).run();
}

}  // namespace backend
