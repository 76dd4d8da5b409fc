#include "core/TForm13.h"

#include "core/Game.h"
#include "core/TForm1.h"
#include "gfx/Bmp.h"
#include "sys/DataPath.h"

namespace game {

TForm13::TForm13(Game& g)
    : ui::Form(g.desktop, "Form13"),
      game(g),
      Image1(this, "Image1"),
      zeigen(this, "zeigen"),
      settrue(this, "settrue"),
      Timer1(g.desktop, "Form13.Timer1", 10) {
  Caption = "Auftragszettel";
  FormStyle = ui::TFormStyle::StayOnTop;
  setClientSize(288, 375);
  Image1.setBounds(0, 0, 289, 377);
  zeigen.Visible = false;
  settrue.Visible = false;
  Timer1.Tag = 1;
  liste.assign({"<eintrag>", "Neue Liftkarte besorgen!", "false", ""});

  Timer1.OnTimer = [this] { Timer1Timer(); };
  zeigen.OnClick = [this] { zeigenClick(); };
  settrue.OnClick = [this] { settrueClick(); };
  Image1.OnClick = [this] { Image1Click(); };
}

void TForm13::addTask(const std::string& task) {
  for (const std::string& l :
       {std::string(), std::string(), std::string("<eintrag>"), task, std::string("false")})
    liste.add(l);
}

void TForm13::tickTask(const std::string& task) {
  settrue.Hint = task;
  settrue.click();
}

void TForm13::settrueClick() {
  if (settrue.Hint.empty()) return;
  for (int i = 0; i <= liste.Count(); ++i)
    if (liste.get(i) == settrue.Hint) liste.set(i + 1, "true");
}

void TForm13::Timer1Timer() {
  Left = 30;
  Top = 14;
  Timer1.setEnabled(false);
  zeigen.click();
}

// The note lies on a copy of the room under it.
void TForm13::zeigenClick() {
  TForm1& f1 = *game.Form1;
  gfx::Canvas& note = Image1.canvas();
  note.copyRect({0, 0, Width, Height}, f1.schirm.Picture, {Left, Top, Left + Width, Top + Height});
  const sys::Result<gfx::Bitmap> paper = gfx::loadBmp(f1.dataPath("\\graphic\\zettel.bmp"));
  if (paper.ok()) note.drawTransparent(0, 0, *paper, gfx::clBlack);
  note.Font.Name = "Comic Sans MS";
  note.Font.Height = 13;
  note.Font.Color = gfx::clBlue;
  note.BrushClear = true;
  const sys::Result<gfx::Bitmap> tick = gfx::loadBmp(f1.dataPath("\\graphic\\ok.bmp"));
  const int x = 21;
  int y = 70;
  for (int i = 0; i <= 50; ++i) {
    const std::string l = liste.get(i);
    if (l == "<break>") y += 20;
    if (l == "<eintrag>") {
      if (liste.get(i + 2) == "true" && tick.ok()) note.drawTransparent(x + 205, y, *tick, gfx::clWhite);
      note.textOut(x, y, liste.get(i + 1));
      y += 20;
    }
  }
  note.BrushClear = false;
}

void TForm13::Image1Click() {
  Close();
}

}  // namespace game
