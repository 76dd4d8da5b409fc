#include "core/TForm7.h"

#include "core/Game.h"
#include "core/TForm1.h"

namespace game {

TForm7::TForm7(Game& g)
    : ui::Form(g.desktop, "Form7"),
      game(g),
      ListBox1(this, "ListBox1"),
      Label1(this, "Label1", "zurück"),
      Button1(this, "Button1", "zurück") {
  Caption = "Zwischensequenzen";
  BorderStyle = ui::TBorderStyle::None;
  FormStyle = ui::TFormStyle::StayOnTop;
  Color = 7229440;
  setClientSize(218, 150);
  Font.Name = "Comic Sans MS";
  Font.Color = gfx::clWhite;

  ListBox1.setBounds(16, 16, 186, 96);
  ListBox1.Items.assign({"Funktion nicht verfügbar!"});
  ListBox1.Enabled = false;
  Label1.setBounds(16, 122, 60, 18);
  Label1.Transparent = true;
  Label1.Font = Font;
  Label1.Font.Height = 13;
  Button1.Visible = false;

  Button1.OnClick = [this] { Button1Click(); };
  Label1.OnClick = [this] { Button1Click(); };
  OnClose = [this](ui::TCloseAction&) { Button1.click(); };
}

void TForm7::Button1Click() {
  game.Form1->Enabled = true;
  Hide();
}

}  // namespace game
