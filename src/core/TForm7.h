#pragma once
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ListBox.h"

namespace game {

class Game;

// The cut-scene list, opened from the in-game menu. The cut scenes cannot be
// watched again in this version; the list says so.
class TForm7 : public ui::Form {
 public:
  explicit TForm7(Game& game);

  Game& game;
  ui::ListBox ListBox1;
  ui::Label Label1;    // "zurück", clickable
  ui::Button Button1;  // the way back, invisible

  void Button1Click();
};

}  // namespace game
