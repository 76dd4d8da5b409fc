#pragma once
#include "ui/Form.h"

namespace game {

class Game;

// The version-choice title screen.
class TForm12 : public ui::Form {
 public:
  explicit TForm12(Game& game);

  Game& game;
};

}  // namespace game
