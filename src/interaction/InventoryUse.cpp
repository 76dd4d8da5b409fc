// Using the held item on a hot spot. Which item works where is decided only
// by the scripts in the data: the room's prefix, the hot spot's number, the
// button's letter and the item's name make the script's name. Where there is
// none, he tries the hot spot's script for any item, and failing that turns
// towards the hot spot and says why the item does not fit.
#include <string>

#include "core/Game.h"
#include "core/TForm1.h"
#include "interaction/ClickDispatcher.h"
#include "interaction/ItemTable.h"
#include "state/TForm2.h"
#include "sys/DataPath.h"

namespace game {
namespace {

const std::string kScripts = "\\source\\scripts\\";

// Runs the script of that name when it exists and has content; returns
// whether it now fills the queue.
bool runScriptIfPresent(TForm1& f1, const std::string& name) {
  if (!sys::fileExists(f1.dataPath(kScripts + name))) return false;
  return loadScript(f1, kScripts + name);
}

// A separator in an item's name would take the script's name out of the
// scripts folder; such an item has no script of its own.
bool usableInFileName(const std::string& item) {
  return item.find_first_of("\\/") == std::string::npos;
}

// The card used on the way down runs the lift's own scenes: the first try
// while he has not been to the lift yet, the ride once Corinna has lent him
// hers. In between the usual rules apply. Returns true when it has been dealt
// with.
bool useLiftCard(TForm1& f1, const std::string& scriptName) {
  if (scriptName != "Gang22lLiftkarte.smx") return false;
  const int lift = f1.game.Form2->lift.Tag;
  if (lift != 2 && lift != 0) return false;
  loadScript(f1, kScripts + (lift == 2 ? "lift.smx" : "gang22l.smx"));
  return true;
}

}  // namespace

void TForm1::useHeldItem() {
  TForm2& f2 = *game.Form2;
  sys::TextList& queue = f2.Memo1;
  const std::string& item = heldItem();
  const std::string hotSpot = f2.hotSpotScriptStem();

  const std::string itemScript = hotSpot + item + ".smx";
  if (useLiftCard(*this, itemScript)) return;
  if (usableInFileName(item) && runScriptIfPresent(*this, itemScript)) return;

  // He turns towards the hot spot and starts to speak; a script for any item
  // replaces these lines together with the rest of the queue.
  if (hoveredSpotCentre() > f2.posit.Tag) queue.add("look right");
  if (hoveredSpotCentre() < int64_t{f2.posit.Tag} - 1) queue.add("look left");
  queue.add("say");
  queue.add("Kroxl");
  game.random.seed(static_cast<uint32_t>(game.desktop.clock().nowMs()));
  if (runScriptIfPresent(*this, hotSpot + "_.smx")) return;
  queue.add(refusalFor(item, game.random.next(100)));
}

}  // namespace game
