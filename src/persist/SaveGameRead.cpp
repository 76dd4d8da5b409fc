// Reading a saved game's file before it is loaded.
#include "persist/SaveGame.h"
#include "sys/DataPath.h"
#include "sys/TextList.h"

namespace game::savegame {
namespace {

// Why the lines cannot be loaded: the room or the position is missing or no number.
sys::Result<void> checkRoomAndPosition(const std::vector<std::string>& lines) {
  bool room = false, position = false;
  // Every line is a key, as the load takes it, up to the last line.
  for (size_t i = 0; i < lines.size() && lines[i] != kLastLine; ++i) {
    const std::string& key = lines[i];
    if (key != "[room:]" && key != "[position:]") continue;
    const std::string value = i + 1 < lines.size() ? lines[i + 1] : "";
    if (!parseInt(value)) return sys::Error{key + " \"" + value + "\" is not a number"};
    (key == "[room:]" ? room : position) = true;
  }
  if (!room) return sys::Error{"it names no room"};
  if (!position) return sys::Error{"it names no position"};
  return {};
}

}  // namespace

sys::Result<std::vector<std::string>> readSavedGame(const std::string& gamePath) {
  sys::TextList file;
  if (const sys::Result<void> r = file.loadFromFile(sys::resolvePath(gamePath), kMaxFileBytes); !r)
    return sys::Error{"Savegame \"" + gamePath + "\" cannot be read: " + r.error().message};
  if (file.get(0) != kHeader) return sys::Error{"\"" + gamePath + "\" is no Professor Kroxl savegame."};
  if (const sys::Result<void> r = checkRoomAndPosition(file.lines()); !r)
    return sys::Error{"Savegame \"" + gamePath + "\" is damaged: " + r.error().message + "."};
  return file.lines();
}

}  // namespace game::savegame
