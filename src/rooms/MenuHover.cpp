// The hover over the in-game menu picture. The in-game menu brings its own
// version of this function; until it does, a pointer move while the menu is
// open only does the ordinary room hover.
#include "rooms/RoomEvents.h"

namespace game::rooms {

void menuHover(TForm1& /*f1*/, int /*x*/, int /*y*/) {}

}  // namespace game::rooms
