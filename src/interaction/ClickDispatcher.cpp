// Mouse clicks on the room never act directly: they set a walk target, or put
// a script (or a glance and a spoken refusal) into the command queue, which
// the runner then works off like any scripted scene.
#include "interaction/ClickDispatcher.h"

#include <string>

#include "core/Game.h"
#include "core/RoomNumbers.h"
#include "core/TForm1.h"
#include "core/TForm13.h"
#include "script/Commands.h"
#include "state/TForm2.h"
#include "sys/DataPath.h"

namespace game {
namespace {

// The protagonist stands in for a walk target of a click on the floor, or
// walks there. A click near an edge of the walk strip still keeps him on the
// picture; the room's limits come last and win.
int walkTargetFor(const TForm1& f1, const TForm2& f2, int x) {
  int target = x - 40;
  if (x < f1.zone.Left + 100) target = f1.zone.Left + 100;
  if (x > f1.zone.Width - 100) target = f1.zone.Width - 200;
  if (x < f2.Grenze.Left) target = f2.Grenze.Left;
  if (x > f2.Grenze.Width) target = f2.Grenze.Width;
  return target;
}

void logWalk(TForm1& f1) {
  f1.log("walking to " + std::to_string(f1.game.Form2->posit.Tag));
}

// A click on free floor.
void walkClick(TForm1& f1, int x) {
  TForm2& f2 = *f1.game.Form2;
  // With an item in hand the click on the floor only puts it away.
  if (f2.inventar.Tag != 0) {
    f2.inventar.Tag = 0;
    return;
  }
  const int target = walkTargetFor(f1, f2, x);
  f1.setWalkTarget(target);

  // The second click of a double click: he stands at the target at once. The
  // clean strip is copied back first, so the sprite is not left behind.
  if (f1.clickCountdown == -55 && f2.posit.Tag != target) {
    ui::Image& strip = f1.Image2;
    const gfx::Bitmap& clean = strip.canvas().target();
    f1.schirm.canvas().copyRect(gfx::Rect::xywh(f1.zone.Left, f1.zone.Top, f1.zone.Width, f1.zone.Height),
                                clean, gfx::Rect::xywh(0, 0, strip.Width, strip.Height));
    f2.posit.Tag = target;
    f1.clickCountdown = 4;
  }
  logWalk(f1);

  // The garden with the pigeon: walking towards the old woman's bench starts
  // her scene; the walk target stays for when the scene is over.
  if (f1.currentRoom() == kRoomPigeonGarden && x > 200) {
    if (f2.taube.Tag == 0) loadScript(f1, "\\source\\scripts\\taube.dia");
    if (f2.taube.Tag == 1) loadScript(f1, "\\source\\scripts\\out24lreal.smx");
  }
}

// No script for this hot spot: he turns towards it and refuses.
void refuse(TForm1& f1) {
  TForm2& f2 = *f1.game.Form2;
  sys::TextList& queue = f2.Memo1;
  if (f1.hoveredSpotCentre() > f2.posit.Tag) queue.add("look right");
  if (f1.hoveredSpotCentre() < int64_t{f2.posit.Tag} - 1) queue.add("look left");
  queue.add("say");
  queue.add("Kroxl");
  queue.add(f2.Label2.Hint == "r" ? kRefusalRight : kRefusalLeft);
}

// The hot spot's own script: room prefix, hot-spot number, button letter. An
// empty script makes the hot spot inert.
void runHotSpotScript(TForm1& f1) {
  const TForm2& f2 = *f1.game.Form2;
  const std::string name = f2.hotSpotScriptStem() + ".smx";
  const std::string path = f1.dataPath("\\source\\scripts\\" + name);
  const int64_t size = sys::fileSize(path);
  if (size == -1) {
    refuse(f1);
  } else if (size > 0 && loadScript(f1, "\\source\\scripts\\" + name)) {
    f1.log(path);
  }
}

// A click on a hot spot.
void hotSpotClick(TForm1& f1, ui::MouseButton button) {
  TForm2& f2 = *f1.game.Form2;
  f2.Label2.Hint = button == ui::MouseButton::Right ? "r" : "l";
  if (f2.inventar.Tag < 1) {
    if (!runClickSpecialCases(f1)) runHotSpotScript(f1);
  } else {
    f1.useHeldItem();
  }
}

}  // namespace

bool loadScript(TForm1& f1, const std::string& relativePath) {
  return f1.loadListOrReport(f1.game.Form2->Memo1, f1.dataPath(relativePath));
}

void TForm1::zoneMouseDown(ui::MouseButton button, int x) {
  TForm2& f2 = *game.Form2;
  game.Form13->Hide();

  // In the open menu the click belongs to the menu. Saving or loading ends
  // the click before it counts towards a double click.
  const bool inMenu = f2.inMode(Mode::Menu);
  if (inMenu && menuClick()) {
    f2.inventar.Tag = 0;
    return;
  }

  // During a scene or a conversation a left click ends the line on display,
  // where it used to do nothing; the double click below still counts.
  if (button == ui::MouseButton::Left) script::endSpokenLine(*this);

  // The double-click detector; the runner counts it down once per tick.
  if (clickCountdown > 0) {
    clickCountdown = -55;
  } else if (clickCountdown == 0) {
    clickCountdown = 4;
  }

  const bool playerHasControl = !inMenu && f2.inMode(Mode::Normal);
  if (playerHasControl && f2.hotSpotUnderPointer() == 0 && f2.Label10.Caption == "nothing")
    walkClick(*this, x);
  if (playerHasControl && f2.hotSpotUnderPointer() > 0) hotSpotClick(*this, button);

  // Whatever the click did, the item in hand is released.
  f2.inventar.Tag = 0;
}

// A click beside the picture walks towards that edge of the strip. It has its
// own clamp, measured against the strip's width rather than 100 pixels inside.
void TForm1::FormMouseDown(ui::MouseButton, int x) {
  TForm2& f2 = *game.Form2;
  if (f2.Label10.Caption != "nothing") return;
  if (x < zone.Left) {
    setWalkTarget(zone.Left + 100);
  } else if (x > zone.Width) {
    setWalkTarget(zone.Width - 100);
  }
  logWalk(*this);
}

void TForm1::Image2Click() {
  game.desktop.messageBox({"OK", Game::kTitle, ui::MessageKind::Information, ui::MessageButtons::Ok});
}

// The desk's answer boxes only make a writing sound; nobody reads the answers.
void TForm1::ComboBox1Change() {
  sys::TextList& queue = game.Form2->Memo1;
  queue.add("play wav background");
  queue.add("\\sound\\effects\\writing.wav");
}

void bindClickHandlers(TForm1& f1) {
  auto onPicture = [&f1](ui::MouseButton button, ui::Shift, int x, int) { f1.zoneMouseDown(button, x); };
  f1.schirm.OnMouseDown = onPicture;
  f1.zone.OnMouseDown = onPicture;
  f1.OnMouseDown = [&f1](ui::MouseButton button, ui::Shift, int x, int) { f1.FormMouseDown(button, x); };
  f1.Image2.OnClick = [&f1] { f1.Image2Click(); };
  for (ui::ComboBox* box : {&f1.ComboBox1, &f1.ComboBox2, &f1.ComboBox3, &f1.ComboBox4})
    box->OnChange = [&f1] { f1.ComboBox1Change(); };
}

}  // namespace game
