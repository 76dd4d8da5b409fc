#pragma once
#include <cstdint>
#include <string>

#include "backend/headless/Soak.h"
#include "ui/Platform.h"

namespace program {

// What the command line asks for.
struct Options {
  bool headless = false;
  bool spokenLines = false;
  bool listTexts = false;   // for the data check: the texts that must fit their boxes
  bool vocabulary = false;  // for the data check: the game's commands, rooms, items and people
  bool noOpener = false;
  bool version = false;
  std::string replay, dump;
  // Where the game plays (see Places.h); empty: found at start.
  std::string data, userDir;
  // The window's input, written as a replay.
  std::string record;
  enum class WindowMode { AsBefore, FullScreen, Windowed } windowMode = WindowMode::AsBefore;
  uint32_t seed = 0;
  bool seedGiven = false;
  ui::DisplayInfo display;
  bool displayGiven = false, depthGiven = false;
  bool soak = false;
  backend::SoakOptions soakOptions;
};

// Returns 0 to go on, otherwise the exit code (negative: exit with 0, as
// after --help). Mistakes are reported on stderr: unknown or incomplete
// options give 2.
int parseOptions(int argc, char** argv, Options& o);

}  // namespace program
