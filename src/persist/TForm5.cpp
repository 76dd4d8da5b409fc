#include "core/TForm5.h"

#include "core/Game.h"
#include "core/Resources.h"
#include "core/TForm1.h"
#include "gfx/Bmp.h"
#include "sys/SystemInfo.h"

namespace game {
namespace {

void loadResource(ui::Image& image, const char* name) {
  sys::Result<gfx::Bitmap> picture = gfx::decodeBmp(app::resource(name));
  if (picture.ok()) image.Picture = std::move(*picture);
}

// Game speed 1 keeps the pace of the machines the game was made for, a timer
// granularity of 55 ms; 100 runs it at 15 ms.
int granularityForSpeed(int speed) {
  return 55 - (speed - 1) * 40 / 99;
}

}  // namespace

TForm5::TForm5(Game& g)
    : ui::Form(g.desktop, "Form5"),
      game(g),
      Label6(this, "Label6", "Professor Kroxl unbekannte Version"),
      Label4(this, "Label4", "RAM unindentifiziert"),
      Label3(this, "Label3", "Systemressourcen unbekannt"),
      CheckBox3(this, "CheckBox3", "Sprachausgabe (wenn verfügbar)"),
      CheckBox4(this, "CheckBox4", "Textausgabe (immer)"),
      CheckBox1(this, "CheckBox1", "MP3 Musik"),
      CheckBox5(this, "CheckBox5", "MIDI Musik"),
      CheckBox2(this, "CheckBox2", "Sound"),
      RadioButton1(this, "RadioButton1", "Deutsch"),
      RadioButton2(this, "RadioButton2", "English"),
      Image2(this, "Image2"),
      Image3(this, "Image3"),
      Image1(this, "Image1"),
      TrackBar1(this, "TrackBar1"),
      edit1(this, "edit1"),
      Button1(this, "Button1", "Speichern"),
      Button2(this, "Button2", "Abbrechen"),
      Button3(this, "Button3", "Details ..."),
      Button4(this, "Button4", "aktual..."),
      GroupBox1(this, "GroupBox1", " Fehlermeldungen "),
      Memo1(&GroupBox1, "Memo1"),
      Label2(this, "Label2", "Noch 0 Fehler aufgetreten!"),
      Memo2(this, "Memo2"),
      player(this, "player", "user") {
  Caption = " Einstellungen";
  BorderStyle = ui::TBorderStyle::Dialog;
  FormStyle = ui::TFormStyle::StayOnTop;
  Position = ui::TPosition::ScreenCenter;
  setClientSize(632, 391);

  Label6.setBounds(12, 10, 310, 16);
  Label6.Font.Bold = true;
  Label4.setBounds(12, 32, 310, 14);
  Label3.setBounds(12, 48, 310, 14);
  CheckBox3.setBounds(12, 74, 300, 18);
  CheckBox3.setChecked(true);
  CheckBox4.setBounds(12, 94, 300, 18);
  CheckBox4.setChecked(true);
  CheckBox1.setBounds(12, 114, 300, 18);
  CheckBox1.Enabled = false;
  CheckBox5.setBounds(12, 134, 300, 18);
  CheckBox2.setBounds(12, 154, 300, 18);
  CheckBox2.setChecked(true);
  CheckBox2.Enabled = false;

  RadioButton1.setBounds(60, 186, 90, 18);
  RadioButton1.setChecked(true);
  Image2.setBounds(12, 182, 40, 28);
  RadioButton2.setBounds(220, 186, 90, 18);
  Image3.setBounds(172, 182, 40, 28);
  loadResource(Image2, "settings/deutsch.bmp");
  loadResource(Image3, "settings/english.bmp");

  Image1.setBounds(12, 222, 40, 40);
  loadResource(Image1, "settings/speed.bmp");
  TrackBar1.setBounds(56, 224, 190, 30);
  TrackBar1.setRange(1, 100);
  TrackBar1.setPosition(1);
  edit1.setBounds(252, 228, 66, 21);
  edit1.setText("1");

  Button1.setBounds(12, 350, 96, 27);
  Button2.setBounds(116, 350, 96, 27);
  Button3.setBounds(220, 350, 100, 27);
  Button4.Visible = false;

  GroupBox1.setBounds(340, 8, 282, 190);
  Memo1.setBounds(8, 18, 266, 164);
  Memo1.ReadOnly = true;
  Label2.setBounds(340, 204, 282, 16);
  Memo2.setBounds(340, 224, 282, 156);
  Memo2.Color = gfx::clBlack;
  Memo2.Font.Color = gfx::clLime;
  Memo2.ReadOnly = true;
  player.Visible = false;

  TrackBar1.OnChange = [this] { TrackBar1Change(); };
  edit1.OnChange = [this] { Edit1Change(); };
  CheckBox2.OnClick = [this] { CheckBox2Click(); };
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  Button4.OnClick = [this] { Button4Click(); };
  Image2.OnClick = [this] { Image2Click(); };
  Image3.OnClick = [this] { Image3Click(); };
  RadioButton2.OnClick = [this] { Image3Click(); };
  Memo1.OnChange = [this] { Memo1Change(); };
  g.desktop.setTimerGranularity(granularityForSpeed(TrackBar1.Position()));
}

void TForm5::TrackBar1Change() {
  edit1.setText(std::to_string(TrackBar1.Position()));
  game.desktop.setTimerGranularity(granularityForSpeed(TrackBar1.Position()));
}

// A speed field that holds no number leaves the track bar where it is.
void TForm5::Edit1Change() {
  const std::string& text = edit1.Text();
  if (text.empty()) return;
  try {
    size_t used = 0;
    const int value = std::stoi(text, &used);
    if (used == text.size()) TrackBar1.setPosition(value);
  } catch (const std::exception&) {
  }
}

void TForm5::CheckBox2Click() {
  CheckBox3.setChecked(CheckBox2.Checked());
  CheckBox3.Enabled = CheckBox2.Checked();
}

void TForm5::Button1Click() {
  Close();
}

void TForm5::Button2Click() {
  Hide();
  game.Form1->Show();
}

void TForm5::Button3Click() {
  CheckBox2.Enabled = false;
  if (Width == kShortWidth) {
    Width = kLongWidth;
    Button3.Caption = "weniger Details";
    Left = -12;
  } else if (Width == kLongWidth) {
    Width = kShortWidth;
    Button3.Caption = "Details ...";
    Left = 151;
  }
}

void TForm5::Button4Click() {
  showMemory();
}

void TForm5::Image2Click() {
  RadioButton1.setChecked(true);
}

void TForm5::Image3Click() {
  game.desktop.messageBox({"Sorry, this Version is only aviable in german!", Caption,
                           ui::MessageKind::Information, ui::MessageButtons::Ok});
  RadioButton1.setChecked(true);
}

void TForm5::Memo1Change() {
  // The picture only marks that the list has a new line; one that cannot be
  // read must not take the program down with the report it marks.
  try {
    game.Form1->drawOverlay(game.Form1->dataPath("\\graphic\\error.bmp"), 5, 350);
  } catch (const gfx::PictureError&) {
  }
}

void TForm5::showMemory() {
  const sys::MemoryStatus m = sys::memoryStatus();
  const uint64_t mib = m.totalPhysicalBytes / (1024 * 1024) + 1;
  Label4.Caption = std::to_string(mib) + " MB" + " Arbeitsspeicher gefunden";
  // The line names the free share, so it shows what is free, not what is used.
  Label3.Caption = std::to_string(100 - m.memoryLoadPercent) + " %" + " Systemresourcen frei";
}

}  // namespace game
