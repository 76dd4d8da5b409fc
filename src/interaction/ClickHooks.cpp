// The click handler's calls into the inventory and the in-game menu. The menu
// is built separately; until then a click in the open menu does nothing but
// count as a click.
#include "interaction/ClickDispatcher.h"

#include "app/TForm1.h"

namespace game {

void useHeldItem(TForm1& form) {
  form.useHeldItem();
}

bool menuClick(TForm1&) {
  return false;
}

}  // namespace game
