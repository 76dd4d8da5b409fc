#include "state/TForm2.h"

#include "ui/Desktop.h"

namespace game {
namespace {

// The animation frame table the program starts with: (code, repeat) runs.
// clang-format off
constexpr std::pair<const char*, int> kInitialFrames[] = {
    {"0", 7}, {"2", 4}, {"3", 4}, {"4", 5}, {"2", 4},  {"3", 9}, {"4", 9}, {"2", 4},
    {"3", 9}, {"4", 9}, {"1", 2}, {"2", 20}, {"4", 4}, {"1", 1}, {"3", 3}};
// clang-format on

}  // namespace

TForm2::TForm2(ui::Desktop& desktop)
    : ui::Form(desktop, "Form2"),
      developerVariables(this, "GroupBox1", "Developer Variables "),
      objects(this, "GroupBox3", "Objects"),
      pictureTest(this, "GroupBox4", "Picture Test"),
      sound(this, "GroupBox5", "Sound"),
      ki(this, "GroupBox6", "KI"),
      protocol(this, "GroupBox7", "Protocol"),
      slotTable(&developerVariables, *this),
      queueView(&ki, Memo1),
      protocolView(&protocol, Memo2),
      black(this, "black", "") {
  Caption = "Form2";
  Enabled = false;

  // Every slot starts with its own name as caption, as a designer leaves a
  // label; the table below then gives the captions and values the game uses.
  // clang-format off
  slots_ = {{"mode", &mode},         {"posit", &posit},         {"sonsti", &sonsti},
            {"kroxl", &kroxl},       {"talking", &talking},     {"person", &person},
            {"Label1", &Label1},     {"Label2", &Label2},       {"Label4", &Label4},
            {"anim", &anim},         {"Label13", &Label13},     {"Label10", &Label10},
            {"Label11", &Label11},   {"background", &background}, {"pause", &pause},
            {"effect", &effect},     {"Grenze", &Grenze},       {"reso", &reso},
            {"musi", &musi},         {"version", &version},     {"Tag", &Tag},
            {"GroupBox1", &GroupBox1}, {"GroupBox2", &GroupBox2}, {"Label5", &Label5},
            {"Label6", &Label6},     {"Label7", &Label7},       {"Label8", &Label8},
            {"label9", &label9},     {"Label12", &Label12},     {"TrackBar1", &TrackBar1},
            {"TrackBar2", &TrackBar2}, {"intro", &intro},       {"volume", &volume},
            {"zweistein", &zweistein}, {"hubert", &hubert},     {"toegl", &toegl},
            {"lift", &lift},         {"buch", &buch},           {"Schreibtisch", &Schreibtisch},
            {"corinna", &corinna},   {"leiche", &leiche},       {"Franz", &Franz},
            {"Scheck", &Scheck},     {"kaffee", &kaffee},       {"putzkammerl", &putzkammerl},
            {"taube", &taube},       {"putzfrau", &putzfrau},   {"busen", &busen},
            {"schlauch", &schlauch}, {"golfball", &golfball},   {"zeichnung", &zeichnung}};
  // clang-format on
  for (auto& [name, slot] : slots_) slot->Caption = name;

  setMode(Mode::Normal);
  posit.Caption = "Kroxl Position";
  kroxl.Caption = "happy";
  talking.Caption = "talking";
  talking.Left = 112;
  Label4.Caption = "working ...";
  Label13.Caption = "wartemodus: AUS";
  Label10.Caption = "nothing";
  Label11.Caption = "nothing";
  background.Tag = 10;
  effect.Color = 16775139;
  Grenze.Left = 168;
  Grenze.Width = 34;
  version.Caption = "version";
  Tag.Caption = "tag";
  GroupBox1.Caption = "Developer Variables ";
  Label5.Caption = "Waiting for data";
  Label6.Caption = "MIDI: nothing";
  Label7.Caption = "WAV: nothing";
  Label8.Caption = "Position:";
  label9.Caption = "Position:";
  lift.Tag = 2;
  Scheck.Tag = 9999;

  lists_ = {{"Memo1", &Memo1},
            {"Memo2", &Memo2},
            {"Memo3", &Memo3},
            {"Memo4", &Memo4},
            {"Memo5", &Memo5},
            {"inventar", &inventar},
            {"franzinventar", &franzinventar}};
  Memo3.add("Memo3");
  for (const auto& [code, count] : kInitialFrames)
    for (int i = 0; i < count; ++i) Memo4.add(code);
  inventar.assign({"Auftragsmappe", "Taschentuch"});
  franzinventar.assign({"Maschinenbuch", "Werkzeug", "Geldscheinvorlage", "Gartenschlauch"});
  Memo2.OnChange = [this] { protocolChanged(); };

  developerVariables.setBounds(4, 4, 420, 470);
  slotTable.setBounds(6, 16, 408, 448);
  objects.setBounds(430, 4, 200, 100);
  pictureTest.setBounds(430, 108, 200, 60);
  sound.setBounds(430, 172, 200, 60);
  ki.setBounds(430, 236, 200, 118);
  queueView.setBounds(6, 16, 188, 96);
  protocol.setBounds(430, 358, 200, 116);
  protocolView.setBounds(6, 16, 188, 94);
  black.Color = gfx::clBlack;
  black.setBounds(0, 0, 4000, 4000);
}

void TForm2::showDeveloperView(bool show) {
  black.Visible = !show;
  for (ui::GroupBox* box : {&developerVariables, &objects, &pictureTest, &sound, &ki, &protocol})
    box->Visible = show;
}

// The log never holds two equal lines in a row: a line equal to the one
// before it is taken out again, and that removal runs the rule once more.
void TForm2::protocolChanged() {
  Memo3.assign({Memo2.last()});
  const int n = Memo2.Count();
  if (n == 0) return;
  if (Memo2.get(n - 1) == Memo2.get(n - 2)) Memo2.remove(n - 1);
}

}  // namespace game
