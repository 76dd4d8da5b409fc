// Professor Kroxl: the program. It plays in the current directory, which is
// the data root and the program directory. Without options it opens the game
// window; with --headless it plays a replay without any display or sound
// device and writes what the game looks like at the end.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/StateDump.h"
#include "app/TextsToMeasure.h"
#include "backend/headless/HeadlessPlatform.h"
#include "backend/headless/Soak.h"
#include "backend/sdl/SdlPlatform.h"
#include "core/Game.h"
#include "gfx/Bmp.h"
#include "interaction/SpokenLines.h"
#include "media/RealPlayers.h"
#include "state/TForm2.h"

namespace {

const char* kUsage =
    "Usage: kroxl [options]\n"
    "Plays Professor Kroxl in a window, from the data in the current directory.\n"
    "\n"
    "  --headless            play without display or sound device (needs --replay)\n"
    "  --replay FILE         input to play headless (see docs/replay.md)\n"
    "  --dump DIR            after the replay, write DIR/state.txt and DIR/screen.bmp\n"
    "  --seed N              seed of the game's random numbers (headless default 0)\n"
    "  --display WxH         size of the pretended physical display (headless, default 640x480)\n"
    "  --depth BITS          colour depth of the pretended display (headless, default 32)\n"
    "  --spoken-lines        list every line the program itself can speak, one\n"
    "                        'Speaker: \"Text\"' a line (UTF-8), and exit\n"
    "  --no-opener           pretend the desktop has no program to open documents (headless)\n"
    "  --soak SEED           play random input headless from the title screen on (see docs/reliability.md)\n"
    "  --ticks N             runner ticks of the soak (default 10000)\n"
    "  --max-rss-mb N        memory the soak allows (default 2048)\n"
    "  --help                show this text\n";

struct Options {
  bool headless = false;
  bool spokenLines = false;
  bool listTexts = false;  // for the data check: the texts that must fit their boxes
  bool noOpener = false;
  std::string replay, dump;
  uint32_t seed = 0;
  bool seedGiven = false;
  ui::DisplayInfo display;
  bool soak = false;
  backend::SoakOptions soakOptions;
};

bool parseNumber(const char* text, long& value) {
  char* end = nullptr;
  value = std::strtol(text, &end, 10);
  return end && *end == '\0' && end != text;
}

// Returns 0 to go on, otherwise the exit code.
int parseOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    long n = 0;
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return -1;
    } else if (arg == "--spoken-lines") {
      o.spokenLines = true;
    } else if (arg == "--headless") {
      o.headless = true;
    } else if (arg == "--list-texts") {
      o.listTexts = true;
    } else if (arg == "--no-opener") {
      o.noOpener = true;
    } else if (arg == "--replay" || arg == "--dump") {
      const char* v = value();
      if (!v) return std::fprintf(stderr, "kroxl: %s needs a value\n", arg.c_str()), 2;
      (arg == "--replay" ? o.replay : o.dump) = v;
    } else if (arg == "--seed") {
      const char* v = value();
      if (!v || !parseNumber(v, n)) return std::fprintf(stderr, "kroxl: --seed needs a number\n"), 2;
      o.seed = static_cast<uint32_t>(n);
      o.seedGiven = true;
    } else if (arg == "--soak" || arg == "--ticks" || arg == "--max-rss-mb") {
      const char* v = value();
      if (!v || !parseNumber(v, n) || n < 0) return std::fprintf(stderr, "kroxl: %s needs a number\n", arg.c_str()), 2;
      if (arg == "--soak") {
        o.soak = true;
        o.soakOptions.seed = static_cast<uint64_t>(n);
      } else {
        (arg == "--ticks" ? o.soakOptions.ticks : o.soakOptions.maxRssMb) = n;
      }
    } else if (arg == "--display") {
      const char* v = value();
      int w = 0, h = 0;
      if (!v || std::sscanf(v, "%dx%d", &w, &h) != 2 || w < 1 || h < 1)
        return std::fprintf(stderr, "kroxl: --display needs WIDTHxHEIGHT\n"), 2;
      o.display.width = w;
      o.display.height = h;
    } else if (arg == "--depth") {
      const char* v = value();
      if (!v || !parseNumber(v, n) || n < 1) return std::fprintf(stderr, "kroxl: --depth needs a number\n"), 2;
      o.display.bitsPerPixel = static_cast<int>(n);
    } else {
      std::fprintf(stderr, "kroxl: unknown option %s\n%s", arg.c_str(), kUsage);
      return 2;
    }
  }
  if (o.headless && o.replay.empty()) return std::fprintf(stderr, "kroxl: --headless needs --replay FILE\n"), 2;
  return 0;
}

int runHeadless(const Options& o) {
  backend::ReplayScript script = backend::loadReplay(o.replay);
  if (!script.ok()) {
    std::fprintf(stderr, "kroxl: replay %s: %s\n", o.replay.c_str(), script.error.c_str());
    return 2;
  }
  backend::HeadlessPlatform platform(std::move(script), o.display);
  platform.noOpener = o.noOpener;
  game::GameSetup setup;
  setup.seed = o.seed;
  game::Game game(platform, setup);
  auto dump = [&] {
    if (o.dump.empty()) return;
    const std::string error = game::writeDump(game, o.dump);
    if (!error.empty()) std::fprintf(stderr, "kroxl: cannot write the dump: %s\n", error.c_str());
  };
  platform.onFinish = dump;
  platform.isIdle = [&] { return game.Form2->Memo1.empty() && game.Form2->mode.Caption == "normal"; };
  platform.onScreenshot = [&](const std::string& name) {
    gfx::Bitmap screen;
    game.desktop.compose(screen);
    const std::string dir = o.dump.empty() ? "." : o.dump;
    std::filesystem::create_directories(dir);
    if (auto r = gfx::saveBmp(dir + "/" + name, screen); !r.ok())
      std::fprintf(stderr, "kroxl: cannot write a screenshot: %s\n", r.error.c_str());
  };
  game.run();
  // The game may have ended before the replay did.
  if (!platform.finished()) dump();
  return 0;
}

// The game's windows as they are created, without playing anything.
int listTexts() {
  backend::HeadlessPlatform platform({}, {});
  game::Game game(platform, {});
  game::writeTextsToMeasure(game, stdout);
  return 0;
}

int runWindow(const Options& o) {
  backend::SdlPlatform platform;
  if (!platform.ok()) {
    std::fprintf(stderr, "kroxl: %s\n", platform.error().c_str());
    return 1;
  }
  // Real sound and video; a machine without a sound device plays silent.
  media::RealPlayers players(platform.clock());
  if (!players.warning().empty()) std::fprintf(stderr, "kroxl: %s\n", players.warning().c_str());
  auto makePlayer = [&players](game::PlayerKind kind) {
    switch (kind) {
      case game::PlayerKind::Midi:
        return players.music();
      case game::PlayerKind::Wave:
        return players.wave();
      case game::PlayerKind::Video:
        break;
    }
    return players.video();
  };
  game::Game game(platform,
                  {o.seedGiven ? o.seed : static_cast<uint32_t>(platform.clock().nowMs()), makePlayer, {}});
  game.run();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (const int code = parseOptions(argc, argv, o)) return code < 0 ? 0 : code;
  if (o.spokenLines) {
    // The data build gives each of these a recording (tools/datagen).
    for (const game::SpokenLine& line : game::builtInSpokenLines()) std::printf("%s\n", line.key().c_str());
    return 0;
  }
  if (o.listTexts) return listTexts();
  if (o.soak) return backend::runSoak(o.soakOptions);
  return o.headless ? runHeadless(o) : runWindow(o);
}
