#include "persist/Options.h"

#include "sys/Clock.h"

#ifndef KROXL_DEFAULT_DATA_DIR
#define KROXL_DEFAULT_DATA_DIR "/usr/share/games/kroxl"
#endif

namespace game {

std::string defaultDataDirectory() { return KROXL_DEFAULT_DATA_DIR; }

std::vector<std::string> optionsFileLines(const OptionValues& v) {
  auto flag = [](bool on) { return std::string(on ? "true" : "false"); };
  const std::vector<std::pair<std::string, std::string>> sections = {
      {"[indicator]", "Professor Kroxl"},
      {"[version]", "100"},
      {"[change resolution]", "true"},
      {"[speed]", std::to_string(v.speed)},
      {"[music]", flag(v.music)},
      {"[wav]", flag(v.wav)},
      {"[text]", flag(v.text)},
      {"[speak]", flag(v.speak)},
      {"[base]", "user"},
      {"[startnumber]", "-1"},
      {"[mixable]", "false"},
      {"[run cd]", defaultDataDirectory()},
      {"[run from cd]", "false"},
      {"[blood]", "true"}};
  std::vector<std::string> lines;
  for (const auto& [key, value] : sections) {
    lines.push_back(key);
    lines.push_back(value);
    lines.push_back("");
  }
  lines.push_back("The last time this file was edited was on " + sys::shortDate() + " at " + sys::longTime() +
                  ".");
  return lines;
}

}  // namespace game
