// The click handler's calls into the inventory and the in-game menu. Both are
// built separately; until then a click with an item held only releases the
// item, and a click in the open menu does nothing but count as a click.
#include "interaction/ClickDispatcher.h"

namespace game {

void useHeldItem(TForm1&) {}

bool menuClick(TForm1&) {
  return false;
}

}  // namespace game
