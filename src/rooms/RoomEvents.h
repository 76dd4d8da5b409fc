#pragma once
#include <array>

namespace ui {
class Label;
}

namespace game {

class TForm1;

namespace rooms {

// Binds the room builder's timer, the hover handlers of the room picture and
// the walk strip, and the main window's own pointer moves; marks the
// resolution check as still to be done by the first room change. Called once
// by the main window's constructor.
void setUpRooms(TForm1& f1);

// The six hot-spot slots, slot 1 first.
std::array<ui::Label*, 6> hotSpotSlots(TForm1& f1);

}  // namespace rooms
}  // namespace game
