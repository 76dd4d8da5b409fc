#pragma once
#include <SDL.h>

namespace backend {

// Whether something on the desktop puts a window into full screen when SDL
// asks for it. A bare X server (no window manager, as Xvfb) ignores the
// request, and SDL then draws for a screen-sized window that never came.
bool windowManagerDoesFullScreen(SDL_Window* window);

}  // namespace backend
