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
  bool listTexts = false;  // for the data check: the texts that must fit their boxes
  bool vocabulary = false;  // for the data check: the game's commands, rooms, items and people
  bool noOpener = false;
  std::string replay, dump;
  uint32_t seed = 0;
  bool seedGiven = false;
  ui::DisplayInfo display;
  bool soak = false;
  backend::SoakOptions soakOptions;
};

// Returns 0 to go on, otherwise the exit code (negative: exit with 0, as
// after --help). Mistakes are reported on stderr.
int parseOptions(int argc, char** argv, Options& o);

}  // namespace program
