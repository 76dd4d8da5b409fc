#include "core/TForm12.h"

#include "core/Game.h"
#include "core/Resources.h"
#include "core/TForm1.h"
#include "gfx/Bmp.h"
#include "state/TForm2.h"

namespace game {

TForm12::TForm12(Game& g)
    : ui::Form(g.desktop, "Form12"),
      game(g),
      Image1(this, "Image1"),
      Panel1(this, "Panel1"),
      Image2(&Panel1, "Image2"),
      Button1(this, "Button1") {
  Caption = "Wahl";
  setBounds(0, 0, 640, 480);
  Color = gfx::clBlack;
  Cursor = ui::crNone;
  KeyPreview = true;
  Image1.setBounds(0, 0, 640, 400);
  Image1.Cursor = ui::crNone;
  Panel1.setBounds(0, 5000, 640, 480);
  Panel1.BevelOuter = ui::Bevel::None;
  Panel1.Caption.clear();
  Panel1.Color = gfx::clBlack;
  Image2.setBounds(0, 0, 640, 480);
  sys::Result<gfx::Bitmap> splash = gfx::decodeBmp(app::resource("screens/splash.bmp"));
  if (splash.ok()) Image2.Picture = std::move(*splash);
  Button1.Visible = false;

  Image1.OnMouseMove = [this](ui::Shift, int x, int) { Image1MouseMove(x); };
  Image1.OnMouseDown = [this](ui::MouseButton, ui::Shift, int, int) { Image1MouseDown(); };
  Button1.OnClick = [this] { Button1Click(); };
  OnKeyDown = [this](int& key, ui::Shift) { FormKeyDown(key); };
  Image2.OnClick = [this] { Image2Click(); };
  OnClose = [this](ui::TCloseAction&) { FormClose(); };
}

void TForm12::showTitle() {
  Image1.canvas().draw(0, 0, gfx::loadBmpOrThrow(game.Form1->dataPath("\\graphic\\main\\main.bmp")));
}

// Only a change of column repaints; after the first choice nothing does.
void TForm12::Image1MouseMove(int x) {
  if (Height >= 550) return;
  const int column = x < 258 ? 1 : x <= 450 ? 2 : 3;
  if (column == Image1.Tag) return;
  const std::string file = "\\graphic\\main\\" + std::to_string(column) + ".bmp";
  const sys::Result<gfx::Bitmap> picture = gfx::loadBmp(game.Form1->dataPath(file));
  if (picture.ok()) Image1.canvas().draw(0, 0, *picture);
  Image1.Tag = column;
  Button1.Caption = std::to_string(column);
}

void TForm12::Image1MouseDown() {
  switch (Image1.Tag) {
    case 1: {
      const sys::Result<gfx::Bitmap> arrow = gfx::loadBmp(game.Form1->dataPath("\\graphic\\main\\pfeil.bmp"));
      if (arrow.ok()) Image1.canvas().draw(31, 149, *arrow);
      Height = 550;
      Button1.click();
      break;
    }
    case 2:
      game.desktop.messageBox(
          {"Die Kid-Version ist in dieser Version von Professor Kroxl nicht enthalten. Wählen Sie "
           "\"Uncensored "
           "Bloody Version\" um spielen zu können!",
           Caption, ui::MessageKind::Information, ui::MessageButtons::Ok});
      break;
    case 3:
      Tag = 2;
      game.Form1->laden.click();
      break;
    default:
      break;
  }
}

void TForm12::Button1Click() {
  game.Form2->Memo1.remove(0);
  game.Form1->Runner.setEnabled(true);
  game.Form1->Enabled = true;
}

void TForm12::FormKeyDown(int& key) {
  if (key == ui::vk::Escape) Close();
  if (key == ui::vk::Return) Image2Click();
}

void TForm12::Image2Click() {
  game.desktop.setCursorPos(320, 350);
  Panel1.Top = 5000;
}

void TForm12::FormClose() {
  game.Form1->Close();
}

}  // namespace game
