#pragma once
#include "ui/Form.h"

namespace game {

class Game;

// The save screen: a name field and the list of saved games.
class TForm9 : public ui::Form {
 public:
  explicit TForm9(Game& game);

  Game& game;
};

}  // namespace game
