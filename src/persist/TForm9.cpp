#include "core/TForm9.h"

#include "core/Game.h"
#include "core/Resources.h"
#include "core/TForm1.h"
#include "core/TForm3.h"
#include "gfx/Bmp.h"
#include "persist/SaveGame.h"
#include "sys/DataPath.h"
#include "sys/FileIo.h"

namespace game {

TForm9::TForm9(Game& g)
    : ui::Form(g.desktop, "Form9"),
      game(g),
      Image1(this, "Image1"),
      Edit1(this, "Edit1", kMask),
      FileListBox1(this, "FileListBox1"),
      Label2(this, "Label2", "Enter drücken zum Speichern!"),
      Button1(this, "Button1", "Speichern!") {
  Caption = "Form9";
  BorderStyle = ui::TBorderStyle::None;
  FormStyle = ui::TFormStyle::StayOnTop;
  Color = 7229440;
  setClientSize(217, 148);

  Image1.setBounds(0, 0, 345, 257);
  sys::Result<gfx::Bitmap> background = gfx::decodeBmp(app::resource("screens/save.bmp"));
  if (background.ok()) Image1.Picture = std::move(*background);

  Edit1.setBounds(25, 16, 160, 21);
  Edit1.BorderStyle = ui::TBorderStyle::None;
  Edit1.MaxLength = 15;
  Edit1.Color = Color;
  Edit1.Font.Name = "Comic Sans MS";
  Edit1.Font.Height = 13;
  Edit1.Font.Color = gfx::clWhite;

  FileListBox1.setBounds(20, 40, 175, 89);
  FileListBox1.setMask(kMask);
  FileListBox1.ItemHeight = 17;
  FileListBox1.Color = Color;
  FileListBox1.Font.Name = "Comic Sans MS";
  FileListBox1.Font.Height = 12;
  FileListBox1.Font.Color = 12754296;

  Label2.setBounds(24, 128, 180, 16);
  Label2.Transparent = true;
  Label2.Font.Name = "Comic Sans MS";
  Label2.Font.Height = 11;
  Label2.Font.Color = gfx::clWhite;
  Button1.Visible = false;

  Button1.OnClick = [this] { Button1Click(); };
  Edit1.OnKeyUp = [this](int& key, ui::Shift) { Edit1KeyUp(key); };
  FileListBox1.OnKeyDown = [this](int& key, ui::Shift) { FileListBox1KeyDown(key); };
  FileListBox1.OnChange = [this] { FileListBox1Change(); };
  FileListBox1.OnDblClick = [this] { FileListBox1DblClick(); };
  OnClose = [this](ui::TCloseAction& action) { FormClose(action); };
  // The form sees the keys of its controls first.
  KeyPreview = true;
  OnKeyUp = [this](int& key, ui::Shift) { FormKeyUp(key); };
  // Typing replaces the name shown, the mask or the last game's name.
  OnShow = [this] {
    SetFocus(&Edit1);
    Edit1.SelectAll();
  };
}

void TForm9::Button1Click() {
  save();
}

bool TForm9::save() {
  TForm1& f1 = *game.Form1;
  const std::string text = Edit1.Text();
  const std::string name = text.substr(0, text.find('.'));
  Edit1.setText(name);
  // The mask itself cuts to "*": no file of that name is written.
  if (!usableSaveName(name)) {
    Edit1.setText(kMask);
    SetFocus(&Edit1);
    Edit1.SelectAll();
    return false;
  }

  const std::string file = FileListBox1.Directory() + "\\" + name + ".kvt";
  // The old thumbnail goes first: whenever this is cut short, the save file
  // has its own picture or none, never the picture of the game it replaced.
  const std::string thumbnail = sys::resolvePath(file + ".bmp");
  if (sys::removeFile(thumbnail)) sys::syncDirectory(sys::resolvePath(FileListBox1.Directory()));
  if (const sys::Result<void> r = game.Form3->Memo2.Lines.saveToFile(sys::resolvePath(file)); r.ok())
    savegame::writeThumbnail(f1, file + ".bmp");
  else
    f1.reportError("ERROR! Savegame \"" + file + "\" cannot be written: " + r.error().message);
  // The main window takes the keys again once this screen is gone.
  f1.Enabled = true;
  Hide();
  return true;
}

void TForm9::Edit1KeyUp(int& key) {
  if (key == ui::vk::Return) Button1Click();
}

void TForm9::FileListBox1KeyDown(int& key) {
  if (key == ui::vk::Return) Button1Click();
}

void TForm9::FileListBox1Change() {
  if (FileListBox1.ItemIndex() >= 0) Edit1.setText(FileListBox1.Items.get(FileListBox1.ItemIndex()));
}

void TForm9::FileListBox1DblClick() {
  Button1Click();
}

void TForm9::FormClose(ui::TCloseAction& action) {
  if (!save()) action = ui::TCloseAction::None;
}

void TForm9::FormKeyUp(int& key) {
  if (key != ui::vk::Escape) return;
  key = 0;
  game.Form1->Enabled = true;
  Hide();
}

bool usableSaveName(const std::string& name) {
  if (name.empty()) return false;
  for (const unsigned char c : name)
    if (c < 32 || std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos)
      return false;
  return true;
}

// The in-game menu's save entry: the save buffer gets the running game and
// the save screen opens over the menu.
void TForm1::composeSaveGame() {
  game.Form3->Memo2.Lines.assign(savegame::compose(*this));
  TForm9& screen = *game.Form9;
  screen.FileListBox1.setDirectory(savegame::directory(*this));
  screen.Left = 218;
  screen.Top = 197;
  screen.Show();
  Enabled = false;
}

}  // namespace game
