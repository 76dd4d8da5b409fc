#pragma once
#include <string>
#include <vector>

#include "sys/Result.h"
#include "ui/Keys.h"

namespace backend {

// One line of a replay file: scripted input for a headless run.
struct ReplayAction {
  enum class Kind { Wait, Ticks, Move, Click, DblClick, Key, Type, Answer, Idle, Screenshot };
  Kind kind = Kind::Wait;
  int lineNumber = 0;
  int64_t amount = 0;  // milliseconds or ticks
  int x = 0, y = 0;
  ui::MouseButton button = ui::MouseButton::Left;
  int key = 0;
  std::string text;  // typed text, the answer, or a screenshot name
};

struct ReplayScript {
  std::vector<ReplayAction> actions;
};

// Parses a replay: one command per line, "# comment" and blank lines ignored.
// Any other line is an error naming its line number ("line N: ...").
sys::Result<ReplayScript> parseReplay(const std::string& text);
sys::Result<ReplayScript> loadReplay(const std::string& path);

// The virtual-key code of a key name of the replay ("Enter", "Escape", "A",
// "F5"); 0 for an unknown name.
int keyCodeFromName(const std::string& name);

}  // namespace backend
