#pragma once
#include <span>
#include <string>
#include <vector>

namespace game {

// What happens besides the usual spoken look when the protagonist looks at
// an item in the bar.
enum class LookExtra {
  None,
  ShowTaskList,   // the folder: after his line the task list slides in
  DependsOnLift,  // the lift card: another line once it is Corinna's card
  ReadsScript,    // the book: no line, he reads it (look is a script path)
};

// One item the protagonist can carry: its icon in the bar, what he says when
// he looks at it, and the two lines with which he refuses to use it where no
// script says otherwise.
struct Item {
  int icon;
  const char* name;
  LookExtra extra;
  const char* look;
  const char* refusalLow;   // random number 0..50
  const char* refusalHigh;  // random number 51..99
};

// The item of this exact name (case and umlauts count), or null for a name
// that is no item.
const Item* findItem(const std::string& name);
std::span<const Item> allItems();

// Index of the empty slot's picture among the icons.
inline constexpr int kEmptySlotIcon = 4;

// Where looking at an item leads: lines appended to the command queue, or a
// script that replaces the queue. Both empty for a name without a look.
struct ItemLook {
  std::vector<std::string> lines;
  std::string script;
};

// The look of the item of that name; liftTag is the lift's story state (2:
// he has not got a working card yet).
ItemLook lookAt(const std::string& name, int liftTag);

// The line he says when the item of that name cannot be used on a hot spot;
// r is a random number from 0 to 99. Names that are no item get a generic
// pair of lines.
std::string refusalFor(const std::string& name, int r);

// Every line the protagonist can say about an item: its looks and its
// refusals, the generic pair included.
std::vector<std::string> everyItemLine();

}  // namespace game
