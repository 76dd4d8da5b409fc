#pragma once
#include "ui/Form.h"

namespace game {

class Game;

// The cut-scene list.
class TForm7 : public ui::Form {
 public:
  explicit TForm7(Game& game);

  Game& game;
};

}  // namespace game
