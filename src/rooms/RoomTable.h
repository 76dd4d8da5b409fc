#pragma once
#include <span>

namespace game {

class TForm2;

// The rooms of the game as data: what the room builder needs to know about
// each room, kept as plain tables so that every row can be checked against
// the design at a glance. Conditions look at the story variables of the
// state store.
namespace rooms {

using Condition = bool (*)(const TForm2& state);

// What a room does with the people's animation table.
inline constexpr const char* kKeep = nullptr;  // leaves it as the room before left it
inline constexpr const char* kCleared = "";    // empties it and loads nothing

// How the builder treats a room of the table.
enum class Kind {
  Normal,          // the room step sets everything the row names
  Intro,           // the opening: mode, name, background, the intro script
  BackgroundOnly,  // only the background is set (the clear-screen picture)
};

// One room. Music and animation files are names under "\sound\music\" and
// "\source\anim\"; kKeep keeps what the room before left, kCleared (for the
// animation) empties the table.
struct Room {
  int number;
  const char* name;  // kKeep: the name stays that of the room before
  const char* music;
  const char* background;  // below the data root
  const char* animation;
  int walkLeft, walkRight;
  Kind kind = Kind::Normal;
};

// The protocol line a room writes while it loads its animation table.
struct AnimationNote {
  int room;
  const char* line;
};

// Walk limits that replace the row's limits while a condition holds.
struct WalkLimitVariant {
  int room;
  Condition when;
  int walkLeft, walkRight;
};

// A background that replaces the row's background while a condition holds;
// the rules apply in table order, a later one overriding an earlier one.
struct BackgroundVariant {
  int room;
  Condition when;
  const char* background;
};

// A hot spot a room defines in one of the six slots; `when` (none: always)
// decides whether the room has it at all.
struct HotSpot {
  int room;
  int slot;  // 1 to 6
  int left, top, width, height;
  const char* text;
  Condition when = nullptr;
};

// A hot spot taken off the picture after the room has defined it.
enum class Edge { Left, Top };
struct HotSpotMove {
  int room;
  int slot;
  Edge edge;
  int to;
  Condition when;
};

// A small picture laid over the background, in table order. Some rows first
// take a hot spot off the picture (moveSlot 0: none).
struct Overlay {
  int room;
  Condition when;
  const char* picture;  // below the data root
  int x, y;
  int moveSlot = 0;
  int moveTopTo = 0;
};

// The answer boxes of the desk close-up.
struct ChoiceBox {
  int left, top, width, height;
  std::span<const char* const> items;
};

std::span<const Room> roomTable();
std::span<const AnimationNote> animationNotes();
std::span<const WalkLimitVariant> walkLimitVariants();
std::span<const BackgroundVariant> backgroundVariants();
std::span<const HotSpot> hotSpots();
std::span<const HotSpotMove> hotSpotMoves();
std::span<const Overlay> overlays();
std::span<const ChoiceBox, 4> deskChoiceBoxes();

// The row of a room, or none for a number the table does not know.
const Room* findRoom(int number);

// "at night": the time of day reads "night".
bool atNight(const TForm2& state);

}  // namespace rooms
}  // namespace game
