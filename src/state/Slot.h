#pragma once
#include <string>

#include "gfx/Color.h"

namespace game {

// A state slot: one named label of the state store whose carriers serve the
// game as independent variables.
struct Slot {
  int Tag = 0;
  int Left = 0;
  int Top = 0;
  int Width = 0;
  std::string Caption;
  std::string Hint;
  gfx::TColor Color = 0;
  bool ShowHint = false;
};

}  // namespace game
