#pragma once
// The rooms the code treats in a way of its own, besides what the room
// tables (src/rooms) say about every room. The current room's number is the
// main window's currentRoom().
namespace game {

inline constexpr int kRoomIntro = 0;              // the opening; its picture is drawn again every tick
inline constexpr int kRoomCorridor = 2;           // "Gang": the cleaning woman blocks it
inline constexpr int kRoomLibrary = 6;            // "Bibliothek": Zweistein reads there
inline constexpr int kRoomDeskCloseUp = 1111;     // "Schreibtisch": the desk with the four answer boxes
inline constexpr int kRoomWaterfall = -10001;     // "Out1": the rocket and the waterfall
inline constexpr int kRoomPigeonGarden = -10003;  // "Out2": the old woman feeding the pigeon
inline constexpr int kRoomVideo = 123456;         // films play here, the protagonist out of sight

// The options' [startnumber] that means no start room: the opening script
// plays. It is also what the room number holds before the first room.
inline constexpr int kNoStartRoom = -1;

}  // namespace game
