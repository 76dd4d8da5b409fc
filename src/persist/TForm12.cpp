#include "persist/TForm12.h"

#include "app/Game.h"

namespace game {

TForm12::TForm12(Game& g) : ui::Form(g.desktop, "Form12"), game(g) {
  Caption = "Wahl";
  BorderStyle = ui::TBorderStyle::None;
  FormStyle = ui::TFormStyle::Normal;
  setClientSize(640, 480);
}

}  // namespace game
