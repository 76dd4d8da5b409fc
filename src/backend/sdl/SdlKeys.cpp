#include "backend/sdl/SdlKeys.h"

namespace backend {

int virtualKeyFor(SDL_Keycode k) {
  if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
  if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
  if (k >= SDLK_F1 && k <= SDLK_F12) return ui::vk::F1 + (k - SDLK_F1);
  switch (k) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return ui::vk::Return;
    case SDLK_ESCAPE:
      return ui::vk::Escape;
    case SDLK_BACKSPACE:
      return ui::vk::Back;
    case SDLK_TAB:
      return ui::vk::Tab;
    case SDLK_SPACE:
      return ui::vk::Space;
    case SDLK_PERIOD:
      return ui::vk::OemPeriod;
    case SDLK_PAGEUP:
      return ui::vk::Prior;
    case SDLK_PAGEDOWN:
      return ui::vk::Next;
    case SDLK_HOME:
      return ui::vk::Home;
    case SDLK_END:
      return ui::vk::End;
    case SDLK_LEFT:
      return ui::vk::Left;
    case SDLK_RIGHT:
      return ui::vk::Right;
    case SDLK_UP:
      return ui::vk::Up;
    case SDLK_DOWN:
      return ui::vk::Down;
    case SDLK_DELETE:
      return ui::vk::Delete;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return ui::vk::Shift;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return ui::vk::Control;
    case SDLK_LALT:
    case SDLK_RALT:
      return ui::vk::Menu;
    default:
      return 0;
  }
}

ui::Shift shiftFor(Uint16 modifiers) {
  ui::Shift s;
  s.shift = (modifiers & KMOD_SHIFT) != 0;
  s.ctrl = (modifiers & KMOD_CTRL) != 0;
  s.alt = (modifiers & KMOD_ALT) != 0;
  return s;
}

bool isFullScreenKey(SDL_Keycode key, Uint16 modifiers) {
  if (key == SDLK_F11) return true;
  return (key == SDLK_RETURN || key == SDLK_KP_ENTER) && (modifiers & KMOD_ALT) != 0;
}

}  // namespace backend
