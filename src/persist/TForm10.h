#pragma once
#include "ui/Form.h"

namespace game {

class Game;

// The in-game settings panel; it reads and writes the options file.
class TForm10 : public ui::Form {
 public:
  explicit TForm10(Game& game);

  Game& game;
};

}  // namespace game
