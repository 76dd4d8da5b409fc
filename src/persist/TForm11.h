#pragma once
#include "ui/Form.h"
#include "ui/Memo.h"

namespace game {

class Game;

// The error window: the list of fatal errors; it ends the game.
class TForm11 : public ui::Form {
 public:
  explicit TForm11(Game& game);

  Game& game;
  ui::Memo Memo1;  // the fatal error list
};

}  // namespace game
