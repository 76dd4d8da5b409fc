#include "core/TForm11.h"

#include "core/Game.h"
#include "core/TForm1.h"
#include "persist/Options.h"
#include "state/TForm2.h"
#include "sys/DataPath.h"

namespace game {

TForm11::TForm11(Game& g)
    : ui::Form(g.desktop, "Form11"),
      game(g),
      Label1(this, "Label1", "Folgende Fehler sind aufgetreten:"),
      Memo1(this, "Memo1"),
      Button1(this, "Button1", "Programm beenden"),
      Button2(this, "Button2", "Readme.txt lesen"),
      Button3(this, "Button3", kMakerWebAddress),
      Button4(this, "Button4", "Protokoll lesen") {
  Caption = "FEHLER AUFGETRETEN!";
  BorderStyle = ui::TBorderStyle::Dialog;
  Position = ui::TPosition::ScreenCenter;
  setClientSize(532, 347);

  Label1.setBounds(12, 10, 508, 20);
  Label1.Font.Height = 16;
  Memo1.setBounds(12, 36, 508, 258);
  Memo1.ReadOnly = true;
  // Each button as wide as its caption needs: the web address is long.
  Button1.setBounds(12, 308, 116, 27);
  Button1.Font.Bold = true;
  Button2.setBounds(136, 308, 100, 27);
  Button3.setBounds(244, 308, 190, 27);
  Button4.setBounds(442, 308, 78, 27);

  Memo1.OnChange = [this] { Memo1Change(); };
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  Button4.OnClick = [this] { Button4Click(); };
  // However the window is closed, the game ends.
  OnClose = [this](ui::TCloseAction&) { Button1Click(); };
}

void TForm11::Memo1Change() {
  TForm1& f1 = *game.Form1;
  f1.build.setEnabled(false);
  f1.Runner.setEnabled(false);
  f1.START.setEnabled(false);
  f1.Enabled = false;
  Show();
}

void TForm11::Button1Click() {
  game.Form1->Close();
}

void TForm11::Button2Click() {
  // A game played from a user directory has its readme in the data root.
  const TForm1& f1 = *game.Form1;
  const std::string beside = f1.programPath("\\readme.txt");
  game.Form1->openReadme(sys::fileSize(beside) >= 0 ? beside : f1.dataPath("\\readme.txt"));
}

void TForm11::Button3Click() {
  game.Form1->shellOpen(kMakerWebAddress, "", "", 1);
}

void TForm11::Button4Click() {
  Memo1.Lines.assign(game.Form2->Memo2.lines());
  Label1.Caption = "Protokoll";
}

}  // namespace game
