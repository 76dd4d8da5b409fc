// Wires the room builder and the hover handlers into the main window.
#include "rooms/RoomEvents.h"

#include <limits>

#include "core/Game.h"
#include "core/TForm1.h"

namespace game::rooms {

std::array<ui::Label*, 6> hotSpotSlots(TForm1& f1) {
  return {&f1.Object1, &f1.object2, &f1.object3, &f1.object4, &f1.object5, &f1.object6};
}

void setUpRooms(TForm1& f1) {
  f1.build.OnTimer = [&f1] { f1.buildTimer(); };
  f1.schirm.OnMouseMove = [&f1](ui::Shift, int x, int y) { f1.zoneMouseMove(x, y); };
  // The walk strip shares the handler; its points are turned into points of
  // the room picture, which the hot spots are measured in.
  f1.zone.OnMouseMove = [&f1](ui::Shift, int x, int y) {
    // A script may have moved the room picture anywhere ("change schirm").
    f1.zoneMouseMove(gfx::saturate(int64_t{x} + f1.zone.Left - f1.schirm.Left),
                     gfx::saturate(int64_t{y} + f1.zone.Top - f1.schirm.Top));
  };
  f1.OnMouseMove = [&f1](ui::Shift, int, int) { f1.FormMouseMove(); };
  // Off the screen (the window's bars) the pointer is over no hot spot: the
  // name it left fades as it does on empty floor.
  f1.schirm.OnMouseLeave = [&f1] {
    constexpr int kNowhere = std::numeric_limits<int>::min();
    if (!f1.game.desktop.pointerOnScreen()) f1.zoneMouseMove(kNowhere, kNowhere);
  };
  // A positive left edge of `cd` asks the next room change to check the
  // screen's resolution; the first room always does.
  f1.cd.Left = 15;
}

}  // namespace game::rooms
