#include "core/TForm3.h"

#include "core/Game.h"
#include "core/TForm1.h"
#include "persist/SaveGame.h"
#include "state/TForm2.h"
#include "sys/DataPath.h"

namespace game {

TForm3::TForm3(Game& g)
    : ui::Form(g.desktop, "Form3"),
      game(g),
      Memo1(this, "Memo1"),
      StringGrid1(this, "StringGrid1"),
      Memo2(this, "Memo2"),
      Memo3(this, "Memo3"),
      Button1(this, "Button1", "zurück"),
      Button2(this, "Button2", "aktualisieren ..."),
      Button3(this, "Button3", "Sätze speichern: 0"),
      Button4(this, "Button4", "Voice log speichern") {
  Caption = "Protocol";
  BorderStyle = ui::TBorderStyle::Dialog;
  FormStyle = ui::TFormStyle::StayOnTop;
  setClientSize(632, 381);

  Memo1.setBounds(8, 8, 300, 330);
  Memo1.ReadOnly = true;
  StringGrid1.setBounds(316, 8, 308, 200);
  StringGrid1.ColCount = 3;
  StringGrid1.RowCount = 300;
  StringGrid1.FixedCols = 0;
  StringGrid1.FixedRows = 0;
  StringGrid1.ColWidths = {140, 100, 64};
  Memo2.setBounds(316, 216, 308, 122);
  Memo2.Lines.add("[empty]");
  Memo3.Visible = false;
  Memo3.Lines.assign({"Folgende Sätze wurden noch nicht synchronisiert:", ""});
  Button1.setBounds(8, 346, 90, 27);
  Button2.setBounds(106, 346, 120, 27);
  Button3.setBounds(234, 346, 150, 27);
  Button4.setBounds(392, 346, 150, 27);
  Button4.Enabled = false;

  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  Memo3.OnChange = [this] { Memo3Change(); };
}

int TForm3::voiceRows() const {
  try {
    return std::stoi(StringGrid1.Hint);
  } catch (const std::exception&) {
    return 0;
  }
}

// Records are three lines: the caption key, a translation, the voice file.
// A record whose recording is missing leaves its row empty. Returns the
// number of records the package has (line count div 3).
int TForm3::loadVoicePackage(const std::string& file, int firstRow) {
  TForm1& f1 = *game.Form1;
  sys::TextList lines;
  if (!lines.loadFromFile(sys::resolvePath(f1.dataPath(file))).ok())
    f1.reportError("ERROR! File not found: \"" + f1.dataPath(file) + "\"!");
  const int records = lines.Count() / 3;
  for (int k = 0; k <= records; ++k) {
    const std::string voiceFile = lines.get(3 * k + 2);
    if (!sys::fileExists(f1.dataPath("\\sound\\samples\\deutsch\\" + voiceFile))) continue;
    for (int col = 0; col < 3; ++col) StringGrid1.Cells[col][firstRow + k] = lines.get(3 * k + col);
  }
  return records;
}

void TForm3::loadVoiceDatabases() {
  TForm1& f1 = *game.Form1;
  f1.log(" + loading voice database package 1");
  f1.log(" + load translator ...");
  const int n1 = loadVoicePackage("\\source\\voice\\voice.voi", 0);
  f1.log(" + loading voice database package 2");
  f1.log(" + load translator part 2...");
  const int n2 = loadVoicePackage("\\source\\voice\\voice2.voi", n1);
  StringGrid1.Hint = std::to_string(n1 + n2);
  if (StringGrid1.RowCount < n1 + n2 + 1) StringGrid1.RowCount = n1 + n2 + 1;
}

void TForm3::Button1Click() {
  Hide();
}

void TForm3::Button2Click() {
  Memo1.Lines.assign(game.Form2->Memo2.lines());
}

void TForm3::Button3Click() {
  TForm1& f1 = *game.Form1;
  const std::string path = savegame::directory(f1) + "\\synchro zusammenfasssung.txt";
  if (auto r = Memo3.Lines.saveToFile(sys::resolvePath(path)); !r.ok())
    f1.reportError("ERROR! " + r.error().message);
}

void TForm3::Memo3Change() {
  Button3.Caption = "Sätze speichern: " + std::to_string(Memo3.Lines.Count() - 2);
}

}  // namespace game
