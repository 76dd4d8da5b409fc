#include "backend/sdl/WindowManager.h"

#include <SDL_syswm.h>

#ifdef KROXL_X11
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace backend {

#ifdef KROXL_X11
namespace {

// An EWMH window manager lists the states it handles on the root window.
bool listsFullScreenState(Display* display) {
  const Atom supported = XInternAtom(display, "_NET_SUPPORTED", True);
  const Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", True);
  if (supported == None || fullScreen == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(display, DefaultRootWindow(display), supported, 0, 4096, False,
                                        XA_ATOM, &type, &format, &count, &after, &data);
  bool found = false;
  if (status == Success && type == XA_ATOM && format == 32 && data) {
    const Atom* atoms = reinterpret_cast<const Atom*>(data);
    for (unsigned long i = 0; i < count && !found; ++i) found = atoms[i] == fullScreen;
  }
  if (data) XFree(data);
  return found;
}

}  // namespace
#endif

bool windowManagerDoesFullScreen(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info)) return true;
#ifdef KROXL_X11
  if (info.subsystem == SDL_SYSWM_X11) return listsFullScreenState(info.info.x11.display);
#endif
  return true;
}

}  // namespace backend
