#pragma once
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Memo.h"

namespace game {

class Game;

// The settings screen with the switches the game consults and the list of
// non-fatal errors.
class TForm5 : public ui::Form {
 public:
  explicit TForm5(Game& game);

  Game& game;
  ui::Memo Memo1;  // the non-fatal error list
  ui::Memo Memo2;  // the options text
  ui::Label player;
};

}  // namespace game
