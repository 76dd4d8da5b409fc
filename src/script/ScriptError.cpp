#include "script/ScriptError.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace game {

int toInt(const std::string& text) {
  // Blanks in front are allowed, as the old conversion allowed them; nothing
  // may follow the digits.
  const char* begin = text.c_str();
  while (*begin == ' ') ++begin;
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(begin, &end, 10);
  if (*begin == '\0' || end == begin || *end != '\0' || errno == ERANGE || value < INT_MIN || value > INT_MAX)
    throw ScriptError("'" + text + "' is not a valid integer value");
  return static_cast<int>(value);
}

}  // namespace game
