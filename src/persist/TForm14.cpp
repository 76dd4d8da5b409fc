#include "persist/TForm14.h"

#include "app/Game.h"

namespace game {

TForm14::TForm14(Game& g) : ui::Form(g.desktop, "Form14"), game(g) {
  Caption = "Spielstand laden";
  BorderStyle = ui::TBorderStyle::None;
  FormStyle = ui::TFormStyle::Normal;
  setClientSize(504, 309);
}

}  // namespace game
