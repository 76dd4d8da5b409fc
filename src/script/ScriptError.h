#pragma once
#include <stdexcept>
#include <string>

namespace game {

// A failure inside a runner tick: an operand that is not a number, a script
// that cannot be read. The runner stops and the game ends.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An operand as a whole number, as the scripts write them; anything else
// raises ScriptError naming the text.
int toInt(const std::string& text);

}  // namespace game
