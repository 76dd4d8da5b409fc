#include "persist/Options.h"

#include "sys/Clock.h"
#include "sys/DataPath.h"

namespace game {

bool isDataRoot(const std::string& dir) {
  if (dir.empty()) return false;
  return sys::fileSize(dir + "\\sound\\effects\\none.wav") >= 0 ||
         sys::fileSize(dir + "\\source\\scripts\\htm.smx") >= 0;
}

DataRootEntry dataRootEntry(const std::string& foundDataRoot, const std::string& programDir) {
  if (foundDataRoot.empty() || foundDataRoot == programDir) return {programDir, false};
  return {foundDataRoot, true};
}

std::vector<std::string> optionsFileLines(const OptionValues& v, const DataRootEntry& dataRoot) {
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
      {"[run cd]", dataRoot.dir},
      {"[run from cd]", flag(dataRoot.runFrom)},
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
