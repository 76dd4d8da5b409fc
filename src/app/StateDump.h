#pragma once
#include <string>

#include "sys/Result.h"

namespace game {

class Game;

// The headless dump: the whole observable state of a game as text, one value
// per line (see docs/replay.md). Bug reports and black-box tests read it, so
// its format stays stable.
std::string stateDump(Game& game);

// Writes DIR/state.txt and DIR/screen.bmp (the desktop, 24 bits).
sys::Result<void> writeDump(Game& game, const std::string& dir);

}  // namespace game
