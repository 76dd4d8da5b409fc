// The inventory bar: the carried items as icons on the spoken-line band
// whenever no line is shown there.
#include "app/Game.h"
#include "app/TForm1.h"
#include "interaction/ItemTable.h"
#include "state/TForm2.h"

namespace game {

// One slot per item plus 17 more; there is no scrolling, so the label shows
// the first 18. A name that is no item leaves its slot as it was.
void TForm1::paintInventoryBar() {
  const sys::TextList& items = game.Form2->inventar;
  gfx::Canvas& bar = say.canvas();
  for (int i = 0; i <= items.Count() + 16; ++i) {
    const int x = 35 * i + 10;
    if (i >= items.Count()) {
      inventar.Draw(bar, x, 3, kEmptySlotIcon);
    } else if (const Item* item = findItem(items.get(i))) {
      inventar.Draw(bar, x, 3, item->icon);
    }
  }
}

}  // namespace game
