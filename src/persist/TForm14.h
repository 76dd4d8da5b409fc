#pragma once
#include "ui/Form.h"

namespace game {

class Game;

// The load screen: the saved games with a preview.
class TForm14 : public ui::Form {
 public:
  explicit TForm14(Game& game);

  Game& game;
};

}  // namespace game
