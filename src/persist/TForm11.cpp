#include "persist/TForm11.h"

#include "app/Game.h"

namespace game {

TForm11::TForm11(Game& g) : ui::Form(g.desktop, "Form11"), game(g), Memo1(this, "Memo1") {
  Caption = "FEHLER AUFGETRETEN!";
  BorderStyle = ui::TBorderStyle::Dialog;
  Position = ui::TPosition::ScreenCenter;
  setClientSize(532, 347);
  Memo1.ReadOnly = true;
}

}  // namespace game
