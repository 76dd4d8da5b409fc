#pragma once
// The queue language as data: every command the runner knows, with what its
// operand lines hold and how it ends its part of the tick, and the story
// commands behind "change". `kroxl --vocabulary` prints these tables for the
// data check (docs/vocabulary.md).
#include <array>
#include <span>

#include "script/Commands.h"

namespace game {

class TForm1;
class TForm2;

namespace script {

// What one operand line holds.
enum class Operand {
  None,        // no operand (fills the rest of a row)
  Number,      // decimal text; anything else fails the tick
  Text,        // any text: a speaker, a spoken line, an item
  File,        // a game path below the data root
  SubCommand,  // a story command of "change" (subCommandTable)
};

// How a command may end its part of the tick (see Ending).
enum class Ends { Check, Finish, Next, CheckOrFinish };

bool allows(Ends ends, Ending ending);

struct CommandRow {
  const char* keyword;
  std::array<Operand, 3> operands;  // in line order, then None
  Ends ends;
  Command run;

  int operandCount() const;
};

// In the fixed order the runner tests them.
std::span<const CommandRow> commandTable();

// A story command: its keyword in line 1 of "change" and, for a few, a
// number in line 2.
using StoryAction = void (*)(TForm1&, TForm2&);
using NumberedStoryAction = void (*)(TForm1&, TForm2&, int number);

struct SubCommandRow {
  constexpr SubCommandRow(const char* k, StoryAction a) : keyword(k), action(a) {}
  constexpr SubCommandRow(const char* k, NumberedStoryAction a)
      : keyword(k), operand(Operand::Number), numbered(a) {}

  const char* keyword;
  Operand operand = Operand::None;  // Number: `numbered` runs, else `action`
  StoryAction action = nullptr;
  NumberedStoryAction numbered = nullptr;
};

// In the fixed order "change" tests them; a keyword may come twice.
std::span<const SubCommandRow> subCommandTable();

}  // namespace script
}  // namespace game
