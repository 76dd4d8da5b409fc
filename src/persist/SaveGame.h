#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "state/Slot.h"
#include "sys/Result.h"

namespace media {
class MediaPlayer;
}

namespace game {

class TForm1;
class TForm2;

// The saved game: a text file "<name>.kvt" in the program directory's
// "\savegames" folder with a thumbnail "<name>.kvt.bmp" beside it. Saving
// and loading both go through the protocol screen's save buffer.
namespace savegame {

inline constexpr const char* kHeader = "[Professor Kroxl Spielstand]";
inline constexpr const char* kLastLine = "[write empty]";
inline constexpr const char* kEmptyBuffer = "[empty]";

// A saved game is a few kilobytes; a larger file is refused as damaged
// before it is read.
inline constexpr size_t kMaxFileBytes = size_t{1} << 20;

// Which field of a state slot a key of the file keeps.
enum class Carrier { Tag, Left, Caption, Hint };

struct StoredVariable {
  const char* key;
  Slot TForm2::*slot;
  Carrier carrier;
};

// The story variables a saved game keeps, in the file's order.
const std::array<StoredVariable, 29>& storedVariables();

// The four lists a saved game keeps, in the file's order, by their header.
inline constexpr std::array<const char*, 4> kListHeaders = {
    "inventar list:", "dialog list:", "franzinventar list:", "mappe list:"};

// A decimal integer with an optional sign; blanks in front are allowed,
// nothing may follow. Empty when the text is no such number or does not fit.
std::optional<int> parseInt(const std::string& text);

// The save-game lines of the running game, as the save buffer receives them.
std::vector<std::string> compose(TForm1& f1);

// The lines of a saved game at a game path, checked before they may replace
// the save buffer: the file starts with the header, and the room and the
// position, read as the load reads them, are there and are numbers. Without
// them the load would leave the player in the empty loading room. The error
// is a sentence that names the file.
sys::Result<std::vector<std::string>> readSavedGame(const std::string& gamePath);

// Interprets the lines of the save buffer one by one, each line taken as a
// key: restores variables and lists and queues the room change. Values that
// must be numbers and are not are reported in the error list and skipped.
void interpretBuffer(TForm1& f1);

// The saved-games folder of the program directory, created when missing.
std::string directory(TForm1& f1);

// Writes the thumbnail (the menu's screen shot, scaled down by 4) to a game
// path; a missing screen shot or a failed write is reported in the error list.
void writeThumbnail(TForm1& f1, const std::string& gamePath);

// A player's playing position, 0 for a player that has no file open.
int64_t positionOf(const media::MediaPlayer& player);
// Whether a player has nothing left to play (no file, or at its end).
bool atEndOfSound(const media::MediaPlayer& player);

}  // namespace savegame
}  // namespace game
