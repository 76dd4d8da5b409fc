#include "core/TForm1.h"

#include "core/Game.h"
#include "core/RoomNumbers.h"
#include "interaction/ChoicePanel.h"
#include "interaction/ClickDispatcher.h"
#include "interaction/Inventory.h"
#include "rooms/RoomEvents.h"
#include "sys/DataPath.h"

namespace game {

TForm1::TForm1(Game& g)
    : ui::Form(g.desktop, "Form1"),
      game(g),
      Testen(g.desktop, "Testen", 1),
      START(g.desktop, "START", 1),
      build(g.desktop, "build", 1),
      Runner(g.desktop, "Runner", 10),
      cd(this, "cd"),
      cd2(this, "cd2"),
      Label1(this, "Label1", "loading ..."),
      memory(this, "memory"),
      schirm(this, "schirm"),
      Image1(this, "Image1"),
      Image2(this, "Image2"),
      zone(this, "zone"),
      Object1(this, "Object1"),
      object2(this, "object2"),
      object3(this, "object3"),
      object4(this, "object4"),
      object5(this, "object5"),
      object6(this, "object6"),
      say(this, "say", " "),
      helpline(this, "helpline", ""),
      block(this, "block"),
      Button1(this, "Button1"),
      NToption(this, "NToption"),
      laden(this, "laden"),
      work(this, "work"),
      menu(this, "menu"),
      Button4(&menu, "Button4", "Einstellungen"),
      Button5(&menu, "Button5", "Zwischensequenzen"),
      Button6(&menu, "Button6", "Beenden"),
      Panel1(this, "Panel1"),
      line1(&Panel1, "line1"),
      Line2(&Panel1, "Line2"),
      Line3(&Panel1, "Line3"),
      Line4(&Panel1, "Line4"),
      Panel2(this, "Panel2"),
      Panel3(this, "Panel3"),
      Label2(&Panel3, "Label2"),
      ComboBox1(this, "ComboBox1"),
      ComboBox2(this, "ComboBox2"),
      ComboBox3(this, "ComboBox3"),
      ComboBox4(this, "ComboBox4"),
      animate(124, 179),
      face(80, 54),
      backgraphic(640, 400),
      inventar(32, 32) {
  Caption = "Professor Kroxl";
  setBounds(0, 0, 640, 480);
  Color = gfx::clBlack;
  // The main window shows no pointer of its own.
  Cursor = ui::crNone;

  START.Tag = -1;
  setCurrentRoom(kNoStartRoom);

  // The directory list's label: the current directory at creation.
  cd.Visible = false;
  cd.Caption = sys::currentDirectory();
  cd2.Visible = false;
  memory.Visible = false;

  Label1.setBounds(280, 230, 80, 20);
  Label1.Font.Color = gfx::clWhite;
  Label1.Color = gfx::clBlack;

  schirm.setBounds(0, 0, 640, 400);
  Image1.setBounds(1, 481, 204, 179);
  Image2.setBounds(400, 481, 204, 179);
  zone.setBounds(120, 200, 600, 280);
  zone.Visible = false;
  for (ui::Label* slot : {&Object1, &object2, &object3, &object4, &object5, &object6}) {
    slot->Visible = false;
    slot->Caption.clear();
  }

  say.setBounds(0, 425, 640, 40);
  say.Color = gfx::clBlack;
  say.Alignment = gfx::Align::Center;
  say.WordWrap = true;
  say.Font.Name = "MS Serif";
  say.Font.Height = 16;
  say.Font.Color = gfx::clWhite;
  say.Visible = false;
  // Subtitles stay clear of the screen's edges, readable in every speaker's
  // colour, and whole in their two lines.
  say.Margin = 20;
  say.MinContrast = 4.5;
  say.MinFontHeight = 11;

  helpline.setBounds(0, 405, 640, 20);
  helpline.Color = kHelplineColour;
  helpline.Alignment = gfx::Align::Center;
  helpline.Font.Name = "Comic Sans MS";
  helpline.Font.Height = 11;
  helpline.Font.Color = gfx::clWhite;
  helpline.Visible = false;
  helpline.MinFontHeight = 9;

  for (ui::Button* b : {&block, &Button1, &NToption, &laden, &work}) b->Visible = false;

  menu.Visible = false;

  Panel1.setBounds(0, 400, 640, 80);
  Panel1.Color = gfx::clBlack;
  Panel1.BevelOuter = ui::Bevel::None;
  Panel1.Caption.clear();
  Panel1.Visible = false;
  int lineTop = 8;
  for (ui::Label* line : {&line1, &Line2, &Line3, &Line4}) {
    line->setBounds(8, lineTop, 624, 16);
    line->Font.Name = "Comic Sans MS";
    line->Font.Height = 13;
    line->Font.Color = gfx::clWhite;
    line->Color = gfx::clBlack;
    // A long reply is condensed to its line rather than cut at the edge.
    line->MinFontHeight = 11;
    lineTop += 16;
  }

  Panel2.setBounds(0, 500, 640, 480);
  Panel2.Color = gfx::clBlack;
  Panel2.BevelOuter = ui::Bevel::None;
  Panel2.Caption.clear();
  Panel3.Visible = false;
  for (ui::ComboBox* box : {&ComboBox1, &ComboBox2, &ComboBox3, &ComboBox4}) {
    box->Top = 5000;
    box->Enabled = false;
    // The open list stays on the desk, clear of the hover line and the items.
    box->DropDownArea = schirm.boundsRect();
  }

  Testen.OnTimer = [this] { TestenTimer(); };
  START.OnTimer = [this] { STARTTimer(); };
  Runner.OnTimer = [this] { RunnerTimer(); };
  Button1.OnClick = [this] { Button1Click(); };
  NToption.OnClick = [this] { NToptionClick(); };
  say.OnDblClick = [this] { sayDblClick(); };
  Button4.OnClick = [this] { Button4Click(); };
  Button5.OnClick = [this] { Button5Click(); };
  Button6.OnClick = [this] { Button6Click(); };
  laden.OnClick = [this] { ladenClick(); };
  KeyPreview = true;  // keys typed into the answer boxes reach FormKeyDown too
  OnKeyDown = [this](int& key, ui::Shift) { FormKeyDown(key); };
  OnClose = [this](ui::TCloseAction&) { FormClose(); };
  bindClickHandlers(*this);
  bindReplyLines(*this);
  bindInventoryHandlers(*this);

  loadImageLists();

  MediaPlayer1 = g.makePlayer(PlayerKind::Midi);
  MediaPlayer2 = g.makePlayer(PlayerKind::Wave);
  MediaPlayer3 = g.makePlayer(PlayerKind::Video);
  MediaPlayer3->AutoRewind = false;
  MediaPlayer3->setDisplay(&videoSurface);
  rooms::setUpRooms(*this);
}

TForm1::~TForm1() = default;

}  // namespace game
