// The heart of the game: every tick the runner takes the first line of the
// command queue, carries it out, and does the game's housekeeping — walking
// and drawing the protagonist, waits, the spoken line, the media watches,
// the hover line, the inventory bar and the choice panel.
#include <cstdio>

#include "core/Game.h"
#include "core/RoomNumbers.h"
#include "core/TForm1.h"
#include "core/TForm10.h"
#include "core/TForm3.h"
#include "core/TForm5.h"
#include "script/Commands.h"
#include "state/TForm2.h"

namespace game {
namespace script {
namespace {

void enterScriptMode(TForm1& f1, TForm2& f2) {
  if (f2.inMode(Mode::Normal)) {
    f2.setMode(Mode::Script);
    f1.Cursor = 1;
    f1.zone.Cursor = 1;
    for (ui::Label* o : {&f1.Object1, &f1.object2, &f1.object3, &f1.object4, &f1.object5})
      o->Cursor = f1.zone.Cursor;
  }
  // While a script runs the hover line shows nothing.
  f1.helpline.Color = gfx::clBlack;
  f1.helpline.Font.Color = gfx::clBlack;
  f2.Label10.Caption = line(f1, 0);
}

void leaveScriptMode(TForm1& f1, TForm2& f2) {
  f2.setMode(Mode::Normal);
  f1.zone.Cursor = 2;
  f1.clickCountdown = 0;
  if (f2.inventar.Tag != 0) f1.schirm.Cursor = 4;
  for (ui::Label* o : {&f1.Object1, &f1.object2, &f1.object3, &f1.object4, &f1.object5})
    o->Cursor = f1.zone.Cursor;
  f1.helpline.Color = TForm1::kHelplineColour;
  f1.helpline.Tag = 0;
  f1.helpline.Font.Color = gfx::clWhite;
  f1.Cursor = f1.zone.Cursor;
  f2.Label10.Caption = "nothing";
}

void waitCountdown(TForm1& f1, TForm2& f2) {
  if (f2.waitTicks() > 0) {
    f1.zone.Cursor = 1;
    f1.Cursor = 1;
    f2.setWaitTicks(f2.waitTicks() - 1);
    f2.Label13.Caption = "waiting mode: in use " + std::to_string(f2.waitTicks());
  }
  if (f2.waitTicks() == 0 && line(f1, 0) == "wait for wait") {
    f1.zone.Cursor = 3;
    f1.Cursor = 3;
    deleteLines(f1, 2);
    f2.Label13.Caption = "waiting mode: off";
    f2.setWaitTicks(-1);
  }
}

void resolutionWatch(TForm1& f1, TForm2& f2) {
  ui::Desktop& d = f1.game.desktop;
  if (d.screenHeight() != f1.Runner.Tag) {
    f1.log("(!) resolution changed!");
    f1.Top = d.screenHeight() / 2 - 240;
    f1.Left = d.screenWidth() / 2 - 320;
    f1.cd.Left = 15;  // the room builder checks the resolution again
    f1.build.setEnabled(true);
  }
  f2.Label4.Caption =
      "resolution: " + std::to_string(d.screenWidth()) + " x " + std::to_string(d.screenHeight());
  f1.Runner.Tag = d.screenHeight();
}

// Returns false when the tick ends here (a spoken line just expired).
bool sayCountdown(TForm1& f1, TForm2& f2, int& speechFlag) {
  if (f1.sayCountdown() > 0) f1.setSayCountdown(f1.sayCountdown() - 1);
  f2.GroupBox2.Caption = std::to_string(f1.sayCountdown());
  if (f1.sayCountdown() != 0 || speechFlag != 0) return true;
  f1.setSayCountdown(-9999);
  f1.say.Caption = " ";
  if (line(f1, 0) == "wait for talk") deleteLines(f1, 1);
  f1.log("cleared by say.tag");
  speechFlag = 0;
  return false;
}

// Returns false when the tick ends here (a dialogue in a room without a person).
bool presentationTick(TForm1& f1, TForm2& f2) {
  if (f2.inMode(Mode::Normal)) f1.pointerShapeStep();
  if (f2.inMode(Mode::Script)) {
    f1.Cursor = 1;
    f1.zone.Cursor = 1;
    for (ui::Label* o : {&f1.Object1, &f1.object2, &f1.object3, &f1.object4, &f1.object5, &f1.object6})
      o->Cursor = f1.zone.Cursor;
    f1.schirm.Cursor = f1.zone.Cursor;
  }
  if (f2.inMode(Mode::Dialog) && !f1.refreshChoicePanel()) return false;
  f1.say.Height = f1.say.Caption.empty() ? 0 : 40;
  if (f1.say.Caption == " ") f2.talking.Caption = "talking: nobody";
  videoWatch(f1);
  musicWatch(f1);
  waveWatch(f1);
  if (f2.background.Tag > 0) --f2.background.Tag;
  if (f2.background.Tag == 0 && f2.pause.Tag == 0) f1.personAnimation(f1.currentRoom());
  if (f2.inventar.Tag == 1) f2.inventar.Tag = 2;
  walkAndDraw(f1);
  // A block with a single reply left is answered without a click; the blank
  // line inserted keeps the next refresh from answering it again.
  if (f1.Line2.Caption.empty()) {
    f2.Memo5.insert(f2.person.Tag + 2, " ");
    f1.Line2.Caption = "line2";
    f1.dialogTree(f2.person.Caption, f1.line1.Caption, f2.person.Tag + 1);
  }
  drawEyes(f1);
  return true;
}

void tick(TForm1& f1) {
  Game& g = f1.game;
  TForm2& f2 = *g.Form2;
  TForm5& f5 = *g.Form5;
  int& speechFlag = g.Form3->speechFlag();

  if (f5.player.Caption == "user") f1.BringToFront();
  if (f1.clickCountdown > 0) --f1.clickCountdown;
  f1.memory.Caption = std::to_string(f1.scriptWalkTarget);
  f2.Memo3.clear();
  g.Form3->Caption = std::to_string(speechFlag);
  f5.CheckBox3.Enabled = f5.CheckBox2.Checked();
  f5.CheckBox5.setChecked(g.Form10->CheckBox5.Checked());

  bool finished = false;
  if (!queue(f1).empty()) {
    enterScriptMode(f1, f2);
    const Ending ending = dispatch(f1);
    if (ending == Ending::Finish)
      finished = true;
    else
      soundCheck(f1);
  }
  if (!finished) {
    if (queue(f1).empty() && f2.inMode(Mode::Script)) leaveScriptMode(f1, f2);
    waitCountdown(f1, f2);
    resolutionWatch(f1, f2);
    f1.helpline.Hint = f1.helpline.Caption;
    f1.helplineFadeStep();
    if (f2.inMode(Mode::Normal) && f1.say.Caption == " ") f1.paintInventoryBar();
    if (sayCountdown(f1, f2, speechFlag)) presentationTick(f1, f2);
  }
  // The intro room shows its picture again on every tick.
  if (f1.currentRoom() == kRoomIntro)
    if (const gfx::Bitmap* background = f1.backgraphic.get(0)) f1.schirm.canvas().draw(0, 0, *background);
}

}  // namespace
}  // namespace script

// A failure inside a tick ends the game: the runner stops and the main
// window closes. The reason goes to stderr and the protocol first.
void TForm1::RunnerTimer() {
  try {
    script::tick(*this);
  } catch (const std::exception& e) {
    const std::string reason = std::string("ERROR! The game stopped: ") + e.what();
    std::fprintf(stderr, "kroxl: %s\n", reason.c_str());
    log(reason);
    Runner.setEnabled(false);
    Close();
  }
}

}  // namespace game
