#pragma once
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Memo.h"

namespace game {

class Game;

// The error window: the list of fatal errors. A line added to it stops the
// game and shows the window, which cannot be dismissed without ending the game.
class TForm11 : public ui::Form {
 public:
  explicit TForm11(Game& game);

  Game& game;
  ui::Label Label1;
  ui::Memo Memo1;      // the fatal error list
  ui::Button Button1;  // "Programm beenden"
  ui::Button Button2;  // "Readme.txt lesen"
  ui::Button Button3;  // the maker's web address
  ui::Button Button4;  // "Protokoll lesen"

  void Memo1Change();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
};

}  // namespace game
