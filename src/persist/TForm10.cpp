#include "persist/TForm10.h"

#include "app/Game.h"

namespace game {

TForm10::TForm10(Game& g) : ui::Form(g.desktop, "Form10"), game(g) {
  Caption = "Form10";
  BorderStyle = ui::TBorderStyle::None;
  FormStyle = ui::TFormStyle::Normal;
  setClientSize(218, 150);
}

}  // namespace game
