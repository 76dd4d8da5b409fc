#include "persist/TForm3.h"

#include "app/Game.h"

namespace game {

TForm3::TForm3(Game& g)
    : ui::Form(g.desktop, "Form3"), game(g), Memo1(this, "Memo1"), Memo2(this, "Memo2"), Memo3(this, "Memo3") {
  Caption = "Protocol";
  BorderStyle = ui::TBorderStyle::Dialog;
  FormStyle = ui::TFormStyle::StayOnTop;
  setClientSize(632, 381);
  Memo2.Lines.add("[empty]");
  Memo3.Visible = false;
  Memo3.Lines.assign({"Folgende Sätze wurden noch nicht synchronisiert:", ""});
}

}  // namespace game
