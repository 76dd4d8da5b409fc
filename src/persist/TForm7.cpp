#include "persist/TForm7.h"

#include "app/Game.h"

namespace game {

TForm7::TForm7(Game& g) : ui::Form(g.desktop, "Form7"), game(g) {
  Caption = "Zwischensequenzen";
  BorderStyle = ui::TBorderStyle::None;
  FormStyle = ui::TFormStyle::StayOnTop;
  setClientSize(218, 150);
}

}  // namespace game
