#include "persist/TForm9.h"

#include "app/Game.h"

namespace game {

TForm9::TForm9(Game& g) : ui::Form(g.desktop, "Form9"), game(g) {
  Caption = "Form9";
  BorderStyle = ui::TBorderStyle::None;
  FormStyle = ui::TFormStyle::StayOnTop;
  setClientSize(217, 148);
}

}  // namespace game
