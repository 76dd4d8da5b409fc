#pragma once
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Memo.h"

namespace game {

class Game;

// The developer command line: queue lines typed by hand replace the command
// queue ("Infizieren").
class TForm8 : public ui::Form {
 public:
  explicit TForm8(Game& game);

  Game& game;
  ui::Memo Memo1;
  ui::Button Button1;  // "Addieren"
  ui::Button Button2;  // "Infizieren"
  ui::Button Button3;  // "Abbrechen"

  void Button1Click();
  void Button2Click();
  void Button3Click();
};

}  // namespace game
