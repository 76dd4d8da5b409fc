// The inventory bar: the carried items as icons on the spoken-line band
// whenever no line is shown there. Pointing at an icon names the item,
// a right click looks at it, a left click takes it in hand.
#include "core/Game.h"
#include "core/TForm1.h"
#include "interaction/ClickDispatcher.h"
#include "interaction/Inventory.h"
#include "interaction/ItemTable.h"
#include "state/TForm2.h"

namespace game {
namespace {

constexpr int kFirstSlotX = 10;
constexpr int kSlotPitch = 35;

}  // namespace

// One slot per item plus 17 more; there is no scrolling, so the label shows
// the first 18. A name that is no item leaves its slot as it was.
void TForm1::paintInventoryBar() {
  const sys::TextList& items = game.Form2->inventar;
  gfx::Canvas& bar = say.canvas();
  for (int i = 0; i <= items.Count() + 16; ++i) {
    const int x = kSlotPitch * i + kFirstSlotX;
    const std::string name = items.get(i);
    if (name.empty()) {
      inventar.Draw(bar, x, 3, kEmptySlotIcon);
    } else if (const Item* item = findItem(name)) {
      inventar.Draw(bar, x, 3, item->icon);
    }
  }
}

// The name shows at full strength at once, without the hover line's fade-in.
// The slot is cut towards zero, so the ten pixels before the first icon
// still belong to it.
void TForm1::sayMouseMove(int x) {
  TForm2& f2 = *game.Form2;
  helpline.Caption = f2.inventar.get((x - kFirstSlotX) / kSlotPitch);
  helpline.Tag = 15;
  f2.effect.Left = 0;
}

// The bar acts on what the hover line names, whatever the game is doing.
void TForm1::sayMouseDown(ui::MouseButton button) {
  TForm2& f2 = *game.Form2;
  const std::string& name = helpline.Caption;
  if (button == ui::MouseButton::Right) {
    const ItemLook look = lookAt(name, f2.lift.Tag);
    for (const std::string& line : look.lines) f2.Memo1.add(line);
    // Reading the book replaces the queue; a scene that is still running
    // would lose its remaining commands, so the book waits until it is over.
    if (!look.script.empty() && f2.Memo1.empty()) loadScript(*this, look.script);
  } else if (button == ui::MouseButton::Left && name != " ") {
    setHeldItem(name);
    f2.inventar.Tag = 1;
  }
}

void bindInventoryHandlers(TForm1& f1) {
  f1.say.OnMouseMove = [&f1](ui::Shift, int x, int) { f1.sayMouseMove(x); };
  f1.say.OnMouseDown = [&f1](ui::MouseButton button, ui::Shift, int, int) { f1.sayMouseDown(button); };
}

}  // namespace game
