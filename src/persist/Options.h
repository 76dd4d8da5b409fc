#pragma once
#include <string>
#include <vector>

namespace game {

// The values the options file carries that the player can change.
struct OptionValues {
  int speed = 1;
  bool music = true;
  bool wav = true;
  bool text = true;
  bool speak = true;
};

// Where the maker can be reached; ours is the project's home page.
inline constexpr const char* kMakerWebAddress = "https://professor-kroxl.example.org/";
inline constexpr const char* kSupportAddress = "support@professor-kroxl.example.org";

// A directory the game can run from: it holds the effect that every start-up
// opens (a game without it stops) or the opening script (names matched
// without regard to case).
bool isDataRoot(const std::string& dir);

// The data root as the options file names it: "[run cd]", and whether
// "[run from cd]" makes the start-up take it.
struct DataRootEntry {
  std::string dir;
  bool runFrom = false;
};

// The entry the writers put down: the data root found when the game started
// (empty: the program directory), taken from there only when it is not the
// program directory itself.
DataRootEntry dataRootEntry(const std::string& foundDataRoot, const std::string& programDir);

// The 43 lines of an options file: sections of key, value and an empty line,
// then the date line. Everything but the player's values and the data root
// found at start is a constant, so a developer mode, start room or data root
// entered by hand is not kept.
std::vector<std::string> optionsFileLines(const OptionValues& values, const DataRootEntry& dataRoot);

}  // namespace game
