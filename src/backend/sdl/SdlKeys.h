#pragma once
#include <SDL.h>

#include "ui/Keys.h"

namespace backend {

// SDL's keys as the desktop's virtual-key codes; 0 for keys the game never
// sees (typed characters still arrive as text).
int virtualKeyFor(SDL_Keycode key);
ui::Shift shiftFor(Uint16 modifiers);
// F11 and Alt+Enter switch between window and full screen; the game never
// sees them.
bool isFullScreenKey(SDL_Keycode key, Uint16 modifiers);

}  // namespace backend
