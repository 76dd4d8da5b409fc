#include "program/Options.h"

#include <cstdio>
#include <cstdlib>

#ifndef KROXL_VERSION
#define KROXL_VERSION "0.100"
#endif

namespace program {
namespace {

const char* kUsage =
    "Usage: kroxl [options]\n"
    "Plays Professor Kroxl in a window. Started in a folder of game data, it plays\n"
    "there; otherwise from the installed data, with the options and saved games in\n"
    "$XDG_DATA_HOME/kroxl (~/.local/share/kroxl).\n"
    "\n"
    "  --fullscreen          start in full screen\n"
    "  --windowed            start in a window (the default)\n"
    "  --data DIR            play from the game data in DIR\n"
    "  --user-dir DIR        keep the options, saved games and screenshots in DIR\n"
    "  --record FILE         write the session's input to FILE as a replay, for a bug report\n"
    "  --version             show the version\n"
    "\n"
    "Keys: Escape the menu, Enter skips a scene, F11 or Alt+Enter full screen,\n"
    "F12 a screenshot into the user directory.\n"
    "\n"
    "For tests and bug reports:\n"
    "  --headless            play without display or sound device (needs --replay)\n"
    "  --replay FILE         input to play headless (see docs/replay.md)\n"
    "  --dump DIR            after the replay, write DIR/state.txt and DIR/screen.bmp\n"
    "  --seed N              seed of the game's random numbers (headless default 0)\n"
    "  --display WxH         size of the pretended physical display (headless, default 640x480)\n"
    "  --depth BITS          colour depth of the pretended display (headless, default 32)\n"
    "  --spoken-lines        list every line the program itself can speak, one\n"
    "                        'Speaker: \"Text\"' a line (UTF-8), and exit\n"
    "  --vocabulary          list the script commands, the story commands, the speakers,\n"
    "                        people, rooms and items (see docs/vocabulary.md), and exit\n"
    "  --no-opener           pretend the desktop has no program to open documents (headless)\n"
    "  --soak SEED           play random input headless from the title screen on (see docs/reliability.md)\n"
    "  --ticks N             runner ticks of the soak (default 10000)\n"
    "  --max-rss-mb N        memory the soak allows (default 2048)\n"
    "  --help, -h            show this text\n";

bool parseNumber(const char* text, long& value) {
  char* end = nullptr;
  value = std::strtol(text, &end, 10);
  return end && *end == '\0' && end != text;
}

// The options that take a text: where the value goes.
std::string* textOption(Options& o, const std::string& arg) {
  if (arg == "--replay") return &o.replay;
  if (arg == "--dump") return &o.dump;
  if (arg == "--data") return &o.data;
  if (arg == "--user-dir") return &o.userDir;
  if (arg == "--record") return &o.record;
  return nullptr;
}

}  // namespace

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
    } else if (arg == "--vocabulary") {
      o.vocabulary = true;
    } else if (arg == "--list-texts") {
      o.listTexts = true;
    } else if (arg == "--no-opener") {
      o.noOpener = true;
    } else if (arg == "--version") {
      o.version = true;
    } else if (arg == "--fullscreen" || arg == "--windowed") {
      o.windowMode = arg == "--fullscreen" ? Options::WindowMode::FullScreen : Options::WindowMode::Windowed;
    } else if (std::string* target = textOption(o, arg)) {
      const char* v = value();
      if (!v || !*v) return std::fprintf(stderr, "kroxl: %s needs a value\n", arg.c_str()), 2;
      *target = v;
    } else if (arg == "--seed") {
      const char* v = value();
      if (!v || !parseNumber(v, n)) return std::fprintf(stderr, "kroxl: --seed needs a number\n"), 2;
      o.seed = static_cast<uint32_t>(n);
      o.seedGiven = true;
    } else if (arg == "--soak" || arg == "--ticks" || arg == "--max-rss-mb") {
      const char* v = value();
      if (!v || !parseNumber(v, n) || n < 0)
        return std::fprintf(stderr, "kroxl: %s needs a number\n", arg.c_str()), 2;
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
      o.displayGiven = true;
    } else if (arg == "--depth") {
      const char* v = value();
      if (!v || !parseNumber(v, n) || n < 1)
        return std::fprintf(stderr, "kroxl: --depth needs a number\n"), 2;
      o.display.bitsPerPixel = static_cast<int>(n);
      o.depthGiven = true;
    } else {
      std::fprintf(stderr, "kroxl: unknown option %s (kroxl --help lists them)\n", arg.c_str());
      return 2;
    }
  }
  if (o.version) {
    std::printf("kroxl %s\n", KROXL_VERSION);
    return -1;
  }
  if (o.headless && o.replay.empty())
    return std::fprintf(stderr, "kroxl: --headless needs --replay FILE\n"), 2;
  if (o.headless && !o.record.empty())
    return std::fprintf(stderr, "kroxl: --record records the window; a headless run is a replay already\n"),
           2;
  return 0;
}

}  // namespace program
