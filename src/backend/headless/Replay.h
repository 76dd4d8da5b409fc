#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sys/Result.h"
#include "ui/Keys.h"

namespace ui {
class Desktop;
}

namespace backend {

// One line of a replay file: scripted input for a headless run.
struct ReplayAction {
  // Down, Up, KeyDown, KeyUp and Leave are the window's input one event at a
  // time, as --record writes it.
  enum class Kind {
    Wait,
    Ticks,
    Move,
    Click,
    DblClick,
    Key,
    Type,
    Answer,
    Idle,
    Screenshot,
    Down,
    Up,
    KeyDown,
    KeyUp,
    Leave
  };
  Kind kind = Kind::Wait;
  int lineNumber = 0;
  int64_t amount = 0;  // milliseconds or ticks
  int x = 0, y = 0;
  ui::MouseButton button = ui::MouseButton::Left;
  int key = 0;
  ui::Shift shift;   // the modifier keys held (move, down, up, keydown, keyup)
  std::string text;  // typed text, the answer, or a screenshot name
};

struct ReplayScript {
  std::vector<ReplayAction> actions;
  // What the recorded session started with; the command line's options win.
  std::optional<uint32_t> seed;
  std::optional<int> displayWidth, displayHeight, depth;
};

// Parses a replay: one command per line, "# comment" and blank lines ignored.
// Any other line is an error naming its line number ("line N: ...").
sys::Result<ReplayScript> parseReplay(const std::string& text);
sys::Result<ReplayScript> loadReplay(const std::string& path);

// The virtual-key code of a key name of the replay ("Enter", "Escape", "A",
// "F5"); 0 for an unknown name. And back: "" for a code without a name.
int keyCodeFromName(const std::string& name);

// A whole number of a replay line, all of the word and within 64 bits.
bool parseReplayNumber(const std::string& word, int64_t& value);
std::string keyNameFromCode(int code);

// The lines --record adds to the format: the session's settings (seed,
// display, depth) and the input one event at a time. A malformed line sets
// why.
enum class RecordedLine { Unknown, Setting, Action };
RecordedLine parseRecordedLine(const std::string& command, const std::vector<std::string>& args,
                               const std::string& line, ReplayAction& a, ReplayScript& script,
                               std::string& why);

// The line of an input action, as parseReplay reads it back.
std::string replayLine(const ReplayAction& a);

// Hands an input action to the desktop: both the headless driver and the
// recording window go through here, so a replay makes the same calls.
void applyInput(ui::Desktop& desktop, const ReplayAction& a);

}  // namespace backend
