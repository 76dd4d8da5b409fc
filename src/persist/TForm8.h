#pragma once
#include "ui/Form.h"

namespace game {

class Game;

// The developer command line.
class TForm8 : public ui::Form {
 public:
  explicit TForm8(Game& game);

  Game& game;
};

}  // namespace game
