#pragma once
#include <string>

namespace game {

// One item the protagonist can carry: its icon in the bar, what he says when
// he looks at it, and the two lines with which he refuses to use it where no
// script says otherwise.
struct Item {
  int icon;
  const char* name;
  const char* look;
  const char* refusalLow;   // random number 0..50
  const char* refusalHigh;  // random number 51..99
};

// The item of this exact name, or null for a name that is no item.
const Item* findItem(const std::string& name);

// Index of the empty slot's picture among the icons.
inline constexpr int kEmptySlotIcon = 4;

}  // namespace game
