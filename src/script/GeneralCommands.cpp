// The general commands of the queue language: waits, pictures, room changes,
// scripts, the inventory, dialogue mode and the small control commands.
#include "core/Game.h"
#include "core/RoomNumbers.h"
#include "core/TForm1.h"
#include "core/TForm12.h"
#include "core/TForm13.h"
#include "script/Commands.h"
#include "script/ScriptError.h"
#include "state/TForm2.h"
#include "sys/DataPath.h"

namespace game::script {

Ending wait(TForm1& f1) {
  TForm2& f2 = store(f1);
  const int ticks = toInt(line(f1, 1));
  f2.setWaitTicks(ticks);
  f1.log("wait " + std::to_string(ticks));
  deleteLines(f1, 2);
  queue(f1).insert(0, "wait for wait");
  queue(f1).insert(0, "wait for wait");
  f2.Label11.Caption = "Wait: ending";
  return Ending::Check;
}

Ending waitForFranz(TForm1& f1) {
  if (store(f1).Memo4.Tag == 0) deleteLines(f1, 1);
  return Ending::Check;
}

Ending removeOnly(TForm1& f1) {
  deleteLines(f1, 1);
  return Ending::Check;
}

Ending stays(TForm1&) {
  return Ending::Check;
}

Ending exitGame(TForm1& f1) {
  f1.Close();
  return Ending::Next;
}

Ending executeScript(TForm1& f1) {
  const std::string file = line(f1, 1);
  if (!insideDataRoot(f1, file)) {
    deleteLines(f1, 2);
  } else if (sys::fileSize(f1.dataPath(file)) >= 1) {
    f1.log("execute script");
    loadScript(f1, file);
  } else {
    f1.reportError("ERROR: scipt not found: " + f1.dataPath(file));
    deleteLines(f1, 2);
  }
  return Ending::Finish;
}

Ending gotoRoom(TForm1& f1) {
  const int room = toInt(line(f1, 1));
  f1.zone.setBounds(0, 0, 640, 480);
  f1.setCurrentRoom(room);
  f1.build.setEnabled(true);
  deleteLines(f1, 2);
  // The room picture is wiped (the old program stretched an area outside the
  // window over it, which reads as black).
  f1.schirm.canvas().fillRect({0, 0, 640, 400}, gfx::clBlack);
  f1.Runner.setEnabled(false);
  return Ending::Finish;
}

Ending activate(TForm1& f1) {
  f1.log("activate");
  f1.schirm.Top = 0;
  f1.say.Visible = true;
  f1.helpline.Visible = true;
  deleteLines(f1, 1);
  return Ending::Check;
}

namespace {
Ending drawBitmap(TForm1& f1, const char* logLine) {
  const std::string file = line(f1, 1);
  const int x = toInt(line(f1, 2));
  const int y = toInt(line(f1, 3));
  f1.log(logLine);
  if (insideDataRoot(f1, file)) f1.drawOverlay(f1.dataPath(file), x, y);
  deleteLines(f1, 4);
  return Ending::Check;
}
}  // namespace

Ending bitmap(TForm1& f1) {
  return drawBitmap(f1, "bitmap");
}
Ending newBitmap(TForm1& f1) {
  return drawBitmap(f1, "new bitmap");
}

Ending showMap(TForm1& f1) {
  TForm13& note = *f1.game.Form13;
  note.Top = 480;
  note.Show();
  note.Timer1.Tag = 1;
  note.Timer1.setEnabled(true);
  deleteLines(f1, 1);
  return Ending::Check;
}

// The title screen: the line stays until a choice there removes it.
Ending wahl(TForm1& f1) {
  TForm12& title = *f1.game.Form12;
  f1.game.desktop.setCursorPos(320, 350);
  title.showTitle();
  f1.Runner.setEnabled(false);
  title.Show();
  f1.Enabled = false;
  title.Panel1.Top = 5000;
  title.Panel1.Left = 0;
  if (f1.work.Tag == 1) title.Panel1.Top = 0;
  return Ending::Finish;
}

Ending wahlSound(TForm1& f1) {
  deleteLines(f1, 1);
  queue(f1).insert(0, "\\sound\\effects\\pfeil.wav");
  queue(f1).insert(0, "play wav effect");
  return Ending::Finish;
}

Ending inventarAdd(TForm1& f1) {
  store(f1).inventar.add(line(f1, 1));
  deleteLines(f1, 2);
  return Ending::Check;
}

// The last entry of that name goes.
Ending inventarSub(TForm1& f1) {
  sys::TextList& items = store(f1).inventar;
  const std::string item = line(f1, 1);
  int found = -1;
  for (int i = 0; i <= items.Count(); ++i)
    if (items.get(i) == item) found = i;
  if (found >= 0) items.remove(found);
  deleteLines(f1, 2);
  return Ending::Next;
}

Ending openDialog(TForm1& f1) {
  store(f1).setMode(Mode::Dialog);
  f1.log("open dialog");
  deleteLines(f1, 1);
  return Ending::Check;
}

Ending endDialog(TForm1& f1) {
  TForm2& f2 = store(f1);
  if (f1.currentRoom() == kRoomLibrary) f2.Memo4.Tag = 0;
  f2.setMode(Mode::Script);
  f1.log("end dialog");
  deleteLines(f1, 1);
  f1.Panel1.Visible = false;
  return Ending::Finish;
}

}  // namespace game::script
