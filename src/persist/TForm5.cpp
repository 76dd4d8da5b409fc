#include "persist/TForm5.h"

#include "app/Game.h"

namespace game {

TForm5::TForm5(Game& g)
    : ui::Form(g.desktop, "Form5"), game(g), Memo1(this, "Memo1"), Memo2(this, "Memo2"), player(this, "player", "user") {
  Caption = " Einstellungen";
  BorderStyle = ui::TBorderStyle::Dialog;
  FormStyle = ui::TFormStyle::StayOnTop;
  Position = ui::TPosition::ScreenCenter;
  setClientSize(632, 391);
  Memo1.ReadOnly = true;
  Memo2.Color = gfx::clBlack;
  Memo2.Font.Color = gfx::clLime;
  player.Visible = false;
}

}  // namespace game
