#include "persist/TForm8.h"

#include "app/Game.h"

namespace game {

TForm8::TForm8(Game& g) : ui::Form(g.desktop, "Form8"), game(g) {
  Caption = "Developer Commentline";
  BorderStyle = ui::TBorderStyle::Dialog;
  FormStyle = ui::TFormStyle::StayOnTop;
  setClientSize(354, 253);
}

}  // namespace game
