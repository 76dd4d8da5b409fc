#include "core/TForm10.h"

#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm5.h"

namespace game {

TForm10::TForm10(Game& g)
    : ui::Form(g.desktop, "Form10"),
      game(g),
      Label1(this, "Label1", "Einstellungen"),
      Label2(this, "Label2", "Spielgeschwindigkeit"),
      TrackBar1(this, "TrackBar1"),
      CheckBox3(this, "CheckBox3", "Sprachausgabe (wenn verfügbar)"),
      CheckBox4(this, "CheckBox4", "Textausgabe"),
      CheckBox5(this, "CheckBox5", "MIDI Musik"),
      CheckBox2(this, "CheckBox2", "Sound"),
      einlesen(this, "einlesen"),
      zusammenstellen(this, "zusammenstellen") {
  Caption = "Form10";
  Color = 7229440;
  setClientSize(218, 150);
  KeyPreview = true;

  for (ui::Control* c : std::initializer_list<ui::Control*>{&Label1, &Label2, &CheckBox3, &CheckBox4,
                                                            &CheckBox5, &CheckBox2}) {
    c->Color = Color;
    c->Font.Name = "Comic Sans MS";
    c->Font.Height = 13;
    c->Font.Color = gfx::clWhite;
  }
  Label1.setBounds(8, 6, 200, 18);
  Label1.Font.Bold = true;
  Label1.Font.Height = 15;
  Label2.setBounds(8, 28, 200, 16);
  TrackBar1.setBounds(4, 44, 210, 26);
  TrackBar1.Color = Color;
  TrackBar1.setRange(1, 100);
  TrackBar1.setPosition(1);
  TrackBar1.TickStyle = ui::TTickStyle::None;
  CheckBox3.setBounds(8, 74, 206, 17);
  CheckBox4.setBounds(8, 92, 206, 17);
  CheckBox5.setBounds(8, 110, 206, 17);
  CheckBox2.setBounds(8, 128, 206, 17);
  for (ui::CheckBox* box : {&CheckBox3, &CheckBox4, &CheckBox5, &CheckBox2}) box->setChecked(true);
  einlesen.Visible = false;
  zusammenstellen.Visible = false;

  TrackBar1.OnChange = [this] { TrackBar1Change(); };
  CheckBox3.OnClick = [this] { CheckBox3Click(); };
  CheckBox4.OnClick = [this] { CheckBox4Click(); };
  CheckBox5.OnClick = [this] { CheckBox5Click(); };
  CheckBox2.OnClick = [this] { CheckBox2Click(); };
  einlesen.OnClick = [this] { einlesenClick(); };
  zusammenstellen.OnClick = [this] { zusammenstellenClick(); };
  // The panel and every control on it close on Escape (the form sees their
  // keys first); there is no other way to close it.
  OnKeyUp = [this](int& key, ui::Shift) { FormKeyUp(key); };
  OnClose = [this](ui::TCloseAction&) { FormClose(); };
}

void TForm10::TrackBar1Change() {
  game.Form5->TrackBar1.setPosition(TrackBar1.Position());
}
void TForm10::CheckBox3Click() {
  game.Form5->CheckBox3.setChecked(CheckBox3.Checked());
}
void TForm10::CheckBox4Click() {
  game.Form5->CheckBox4.setChecked(CheckBox4.Checked());
}
void TForm10::CheckBox5Click() {
  game.Form5->CheckBox5.setChecked(CheckBox5.Checked());
}
void TForm10::CheckBox2Click() {
  game.Form5->CheckBox2.setChecked(CheckBox2.Checked());
}

void TForm10::FormKeyUp(int& key) {
  if (key == ui::vk::Escape) Close();
}

void TForm10::FormClose() {
  zusammenstellen.click();
  game.Form1->Enabled = true;
}

}  // namespace game
