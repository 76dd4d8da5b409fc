#pragma once
#include <string>

namespace game {

class Game;

// The headless dump: the whole observable state of a game as text, one value
// per line (see docs/replay.md). Bug reports and black-box tests read it, so
// its format stays stable.
std::string stateDump(Game& game);

// Writes DIR/state.txt and DIR/screen.bmp (the desktop, 24 bits). Returns an
// error text, empty on success.
std::string writeDump(Game& game, const std::string& dir);

}  // namespace game
