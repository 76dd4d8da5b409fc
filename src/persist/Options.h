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

// The data directory written under "[run cd]": where the demo game's data
// was built or installed.
std::string defaultDataDirectory();

// The 43 lines of an options file: sections of key, value and an empty line,
// then the date line. Everything but the player's values is a constant, so
// a developer mode, start room or data root entered by hand is not kept.
std::vector<std::string> optionsFileLines(const OptionValues& values);

}  // namespace game
