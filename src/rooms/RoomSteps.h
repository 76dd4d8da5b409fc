#pragma once
#include <string>

namespace game {

class TForm1;

// The parts of a room change that read the room table; buildTimer calls them
// at their place in the order of the change.
namespace rooms {

// The room's own step: walk strip, animation table, music, name, background
// with its variants, hot spots, walk limits and the desk's answer boxes. A
// number the table does not know changes nothing.
void applyRoomStep(TForm1& f1, int room);

// The overlays of the room, in table order, with the hot-spot moves that
// come with them.
void drawRoomOverlays(TForm1& f1, int room);

// A picture file that is there but cannot be read: one line in the error
// list, so the room is still completed.
void reportUnreadablePicture(TForm1& f1, const std::string& path, const std::string& reason);

}  // namespace rooms
}  // namespace game
