#include "core/TForm8.h"

#include "core/Game.h"
#include "state/TForm2.h"

namespace game {

TForm8::TForm8(Game& g)
    : ui::Form(g.desktop, "Form8"),
      game(g),
      Memo1(this, "Memo1"),
      Button1(this, "Button1", "Addieren"),
      Button2(this, "Button2", "Infizieren"),
      Button3(this, "Button3", "Abbrechen") {
  Caption = "Developer Commentline";
  BorderStyle = ui::TBorderStyle::Dialog;
  FormStyle = ui::TFormStyle::StayOnTop;
  setClientSize(354, 253);

  Memo1.setBounds(8, 8, 338, 200);
  Memo1.WordWrap = false;
  Button1.setBounds(8, 218, 106, 27);
  Button2.setBounds(124, 218, 106, 27);
  Button3.setBounds(240, 218, 106, 27);

  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  OnShow = [this] { SetFocus(&Memo1); };
}

void TForm8::Button1Click() {
  game.desktop.messageBox({"Function not aviable! Read help.txt for details.", Caption,
                           ui::MessageKind::Information, ui::MessageButtons::Ok});
}

void TForm8::Button2Click() {
  Hide();
  game.Form2->Memo1.assign(Memo1.Lines.lines());
}

void TForm8::Button3Click() {
  Close();
}

}  // namespace game
