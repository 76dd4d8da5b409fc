#pragma once
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Panel.h"

namespace game {

class Game;

// The version-choice title screen: three columns to play, to try the kid
// version (refused) or to load a game, and a splash picture in front.
class TForm12 : public ui::Form {
 public:
  explicit TForm12(Game& game);

  Game& game;
  ui::Image Image1;  // the title picture; its Tag is the column under the mouse
  ui::Panel Panel1;
  ui::Image Image2;  // the splash picture
  ui::Button Button1;

  // Draws the title picture, as "wahl" does before showing the screen.
  void showTitle();

  void Image1MouseMove(int x);
  void Image1MouseDown();
  void Button1Click();
  void FormKeyDown(int& key);
  void Image2Click();
  void FormClose();
};

}  // namespace game
