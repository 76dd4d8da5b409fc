#include "interaction/SpokenLines.h"

#include <set>

#include "interaction/ClickDispatcher.h"
#include "interaction/DialogTree.h"
#include "interaction/ItemTable.h"

namespace game {

std::vector<SpokenLine> builtInSpokenLines() {
  std::vector<SpokenLine> all = {{"Kroxl", kRefusalLeft}, {"Kroxl", kRefusalRight}};
  for (const std::string& text : everyItemLine()) all.push_back({"Kroxl", text});
  for (const auto& [speaker, text] : dialogue::everyDialogueLine()) all.push_back({speaker, text});

  std::vector<SpokenLine> lines;
  std::set<std::string> seen;
  for (const SpokenLine& line : all) {
    if (line.text.find_first_not_of(' ') == std::string::npos) continue;
    if (seen.insert(line.key()).second) lines.push_back(line);
  }
  return lines;
}

}  // namespace game
