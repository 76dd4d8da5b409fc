#include "core/TForm14.h"

#include "core/Game.h"
#include "core/Resources.h"
#include "core/TForm1.h"
#include "gfx/Bmp.h"
#include "persist/SaveGame.h"
#include "sys/DataPath.h"

namespace game {
namespace {

// Thumbnails are 160 x 100; the room picture they are made from is the most
// a saved game's neighbour may be, so a hostile one costs no more than that.
constexpr gfx::PictureLimit kLargestThumbnail{640, 400};

}  // namespace

TForm14::TForm14(Game& g)
    : ui::Form(g.desktop, "Form14"),
      game(g),
      Image1(this, "Image1"),
      FileListBox1(this, "FileListBox1"),
      SpeedButton1(this, "SpeedButton1", "OK"),
      SpeedButton2(this, "SpeedButton2", "Abbrechen"),
      zeige(this, "zeige"),
      takeit(this, "takeit"),
      abbrechen(this, "abbrechen"),
      Memo1(this, "Memo1") {
  Caption = "Spielstand laden";
  BorderStyle = ui::TBorderStyle::None;
  Position = ui::TPosition::ScreenCenter;
  Color = 8669197;
  setClientSize(504, 309);
  Font.Name = "Arial";
  Font.Height = 11;
  Font.Color = gfx::clWhite;

  Image1.setBounds(0, 0, 473, 297);
  sys::Result<gfx::Bitmap> background = gfx::decodeBmp(app::resource("screens/load.bmp"));
  if (background.ok()) Image1.Picture = std::move(*background);
  FileListBox1.setBounds(24, 55, 211, 214);
  FileListBox1.Color = gfx::clBlack;
  FileListBox1.Font = Font;
  FileListBox1.setMask("*.kvt");
  for (ui::SpeedButton* b : {&SpeedButton1, &SpeedButton2}) {
    b->Flat = true;
    b->Font = Font;
  }
  SpeedButton1.setBounds(280, 246, 105, 25);
  SpeedButton2.setBounds(280, 216, 105, 25);
  for (ui::Button* b : {&zeige, &takeit, &abbrechen}) b->Visible = false;
  takeit.ModalResult = ui::TModalResult::Ok;
  abbrechen.ModalResult = ui::TModalResult::Cancel;
  Memo1.Visible = false;
  Memo1.Enabled = false;
  Memo1.Lines.assign({"Keine Informationen ", "verfügbar!"});

  zeige.OnClick = [this] { zeigeClick(); };
  FileListBox1.OnChange = [this] { FileListBox1Change(); };
  FileListBox1.OnDblClick = [this] { FileListBox1DblClick(); };
  SpeedButton1.OnClick = [this] { SpeedButton1Click(); };
  SpeedButton2.OnClick = [this] { SpeedButton2Click(); };
}

void TForm14::zeigeClick() {
  FileListBox1.setDirectory(savegame::directory(*game.Form1));
}

void TForm14::FileListBox1Change() {
  const std::string path = FileListBox1.FileName();
  Memo1.Lines.assign({path});
  // A saved game without a thumbnail leaves the last one on the picture.
  if (sys::fileExists(path + ".bmp")) {
    const sys::Result<gfx::Bitmap> thumbnail = gfx::loadBmp(path + ".bmp", kLargestThumbnail);
    if (thumbnail.ok()) Image1.canvas().draw(279, 54, *thumbnail);
  }
  SpeedButton1.Enabled = true;
}

void TForm14::SpeedButton1Click() {
  takeit.click();
}

void TForm14::SpeedButton2Click() {
  abbrechen.click();
}

void TForm14::FileListBox1DblClick() {
  takeit.click();
}

}  // namespace game
