#pragma once
// The lines the program itself can speak, as opposed to the lines of the
// scripts in the data root: the refusals, the items' looks and refusals and
// the conversations. The data build gives each of them a recording.
#include <string>
#include <vector>

namespace game {

struct SpokenLine {
  std::string speaker;
  std::string text;

  // The caption the line is shown with and looked up under in the voice
  // database: Speaker: "Text".
  std::string key() const { return speaker + ": \"" + text + "\""; }
};

// Every built-in line once, in a stable order; lines of only blanks (nothing
// is spoken) are left out.
std::vector<SpokenLine> builtInSpokenLines();

}  // namespace game
