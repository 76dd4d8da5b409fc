#include "backend/sdl/SdlPlatform.h"

#include <algorithm>
#include <climits>

#include "backend/sdl/SdlKeys.h"
#include "sys/SystemInfo.h"
#include "ui/Desktop.h"
#include "ui/Form.h"

namespace backend {
namespace {

// The longest sleep without any timer running; the wake-up costs nothing
// worth mentioning and guards against a timer started behind the loop's back.
constexpr int kLongestSleepMs = 1000;

ui::MouseButton buttonFrom(Uint8 b) {
  if (b == SDL_BUTTON_RIGHT) return ui::MouseButton::Right;
  if (b == SDL_BUTTON_MIDDLE) return ui::MouseButton::Middle;
  return ui::MouseButton::Left;
}

}  // namespace

void SdlPlatform::pump(ui::Desktop& desktop) {
  desktop.deliverPending();
  if (desktop.fireDueTimers()) frameStale_ = true;
  if (desktop.terminated()) return;
  if (frameStale_) {
    frameStale_ = false;
    desktop.compose(screen_.canvas());
    screen_.present();
  } else {
    screen_.redrawIfNeeded();
  }
  cursors_.update(desktop, screen_.viewport().cursorScale());

  SDL_Event e;
  if (SDL_WaitEventTimeout(&e, sleepTime(desktop))) {
    handle(desktop, e);
    while (!desktop.terminated() && SDL_PollEvent(&e)) handle(desktop, e);
  }
}

int SdlPlatform::sleepTime(const ui::Desktop& desktop) {
  const int64_t due = desktop.nextTimerDue();
  if (due == INT64_MAX) return kLongestSleepMs;
  return static_cast<int>(std::clamp<int64_t>(due - clock_.nowMs(), 0, kLongestSleepMs));
}

void SdlPlatform::handle(ui::Desktop& desktop, const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT:
      // Closing the window closes the main window, as the game's quit does.
      if (ui::Form* main = desktop.mainForm())
        main->Close();
      else
        desktop.terminate();
      break;
    case SDL_MOUSEMOTION:
      handleMotion(desktop, e.motion);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      handleButton(desktop, e.button);
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      handleKey(desktop, e.key);
      break;
    case SDL_TEXTINPUT:
      desktop.textInput(e.text.text);
      break;
    case SDL_WINDOWEVENT:
      handleWindow(desktop, e.window);
      return;
    case SDL_RENDER_DEVICE_RESET:
      screen_.deviceReset();
      break;
    default:
      return;
  }
  frameStale_ = true;
}

// The bars beside the picture are not the game's: the pointer there is off
// its screen, and a press there goes nowhere. A drag that began on the
// picture goes on at the picture's nearest edge, as in a full-screen game.
void SdlPlatform::handleMotion(ui::Desktop& desktop, const SDL_MouseMotionEvent& motion) {
  if (heldButtons_ == 0 && !screen_.onPicture(motion.x, motion.y)) {
    desktop.pointerLeft();
    return;
  }
  const gfx::Point p = screen_.toPicture(motion.x, motion.y);
  desktop.mouseMove(p.x, p.y, shiftFor(SDL_GetModState()));
}

void SdlPlatform::handleButton(ui::Desktop& desktop, const SDL_MouseButtonEvent& button) {
  const Uint32 mask = SDL_BUTTON(button.button);
  const ui::Shift shift = shiftFor(SDL_GetModState());
  const gfx::Point p = screen_.toPicture(button.x, button.y);
  if (button.type == SDL_MOUSEBUTTONDOWN) {
    if (!screen_.onPicture(button.x, button.y)) return;
    heldButtons_ |= mask;
    desktop.mouseDown(buttonFrom(button.button), p.x, p.y, shift);
  } else {
    if ((heldButtons_ & mask) == 0) return;
    heldButtons_ &= ~mask;
    desktop.mouseUp(buttonFrom(button.button), p.x, p.y, shift);
  }
}

void SdlPlatform::handleKey(ui::Desktop& desktop, const SDL_KeyboardEvent& key) {
  const SDL_Keycode k = key.keysym.sym;
  if (key.type == SDL_KEYDOWN && isFullScreenKey(k, key.keysym.mod)) {
    if (!key.repeat) screen_.toggleFullScreen();
    swallowedKey_ = k;
    return;
  }
  if (key.type == SDL_KEYUP && k == swallowedKey_) {
    swallowedKey_ = SDLK_UNKNOWN;
    return;
  }
  const int vk = virtualKeyFor(k);
  if (vk == 0) return;
  if (key.type == SDL_KEYDOWN)
    desktop.keyDown(vk, shiftFor(key.keysym.mod));
  else
    desktop.keyUp(vk, shiftFor(key.keysym.mod));
}

void SdlPlatform::handleWindow(ui::Desktop& desktop, const SDL_WindowEvent& window) {
  switch (window.event) {
    case SDL_WINDOWEVENT_LEAVE:
      if (heldButtons_ == 0) desktop.pointerLeft();
      frameStale_ = true;
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_RESTORED:
      screen_.windowChanged();
      break;
    default:
      break;
  }
}

void SdlPlatform::warpPointer(int x, int y) {
  // Only while the pointer is over our window: never drag the user's pointer
  // back from another program.
  if (SDL_GetMouseFocus() != screen_.window()) return;
  const gfx::Point at = screen_.toWindow(x, y);
  SDL_WarpMouseInWindow(screen_.window(), at.x, at.y);
}

bool SdlPlatform::shellOpen(const std::string& target) {
  return sys::shellOpen(target);
}

}  // namespace backend
