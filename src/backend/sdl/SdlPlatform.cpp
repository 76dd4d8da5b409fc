#include "backend/sdl/SdlPlatform.h"

#include <algorithm>
#include <climits>

#include "sys/SystemInfo.h"
#include "ui/Desktop.h"
#include "ui/Form.h"

namespace backend {
namespace {

int virtualKey(SDL_Keycode k) {
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
    case SDLK_HOME:
      return ui::vk::Home;
    case SDLK_END:
      return ui::vk::End;
    default:
      return 0;
  }
}

ui::Shift shiftFrom(Uint16 mod) {
  ui::Shift s;
  s.shift = (mod & KMOD_SHIFT) != 0;
  s.ctrl = (mod & KMOD_CTRL) != 0;
  s.alt = (mod & KMOD_ALT) != 0;
  return s;
}

ui::MouseButton buttonFrom(Uint8 b) {
  if (b == SDL_BUTTON_RIGHT) return ui::MouseButton::Right;
  if (b == SDL_BUTTON_MIDDLE) return ui::MouseButton::Middle;
  return ui::MouseButton::Left;
}

}  // namespace

SdlPlatform::SdlPlatform() {
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    error_ = std::string("cannot start SDL video: ") + SDL_GetError();
    return;
  }
  SDL_DisplayMode mode{};
  if (SDL_GetCurrentDisplayMode(0, &mode) == 0) {
    display_.width = mode.w;
    display_.height = mode.h;
    display_.bitsPerPixel = static_cast<int>(SDL_BITSPERPIXEL(mode.format));
  }
  // Twice the game's size where the screen has room for it.
  const int scale = (display_.width >= 1400 && display_.height >= 1050) ? 2 : 1;
  window_ = SDL_CreateWindow("Professor Kroxl", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 640 * scale,
                             480 * scale, SDL_WINDOW_RESIZABLE);
  if (!window_) {
    error_ = std::string("cannot open a window: ") + SDL_GetError();
    return;
  }
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (!renderer_) {
    error_ = std::string("cannot draw into the window: ") + SDL_GetError();
    return;
  }
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  arrow_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
  SDL_StartTextInput();
}

SdlPlatform::~SdlPlatform() {
  for (auto& [key, cursor] : cursors_) SDL_FreeCursor(cursor);
  if (arrow_) SDL_FreeCursor(arrow_);
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  SDL_Quit();
}

void SdlPlatform::pump(ui::Desktop& desktop) {
  desktop.deliverPending();
  if (desktop.fireDueTimers()) dirty_ = true;
  if (desktop.terminated()) return;
  if (dirty_) present(desktop);

  const int64_t due = desktop.nextTimerDue();
  const int64_t now = clock_.nowMs();
  const int timeout = due == INT64_MAX ? 1000 : static_cast<int>(std::clamp<int64_t>(due - now, 0, 1000));
  SDL_Event e;
  if (SDL_WaitEventTimeout(&e, timeout)) {
    handle(desktop, e);
    while (!desktop.terminated() && SDL_PollEvent(&e)) handle(desktop, e);
    dirty_ = true;
  }
  updateCursor(desktop);
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
      desktop.mouseMove(e.motion.x, e.motion.y);
      break;
    case SDL_MOUSEBUTTONDOWN:
      desktop.mouseDown(buttonFrom(e.button.button), e.button.x, e.button.y, shiftFrom(SDL_GetModState()));
      break;
    case SDL_MOUSEBUTTONUP:
      desktop.mouseUp(buttonFrom(e.button.button), e.button.x, e.button.y, shiftFrom(SDL_GetModState()));
      break;
    case SDL_KEYDOWN: {
      const SDL_Keycode k = e.key.keysym.sym;
      if (k == SDLK_F11 || (k == SDLK_RETURN && (e.key.keysym.mod & KMOD_ALT))) {
        if (!e.key.repeat) toggleFullscreen();
        break;
      }
      if (const int vk = virtualKey(k)) desktop.keyDown(vk, shiftFrom(e.key.keysym.mod));
      break;
    }
    case SDL_KEYUP:
      if (e.key.keysym.sym == SDLK_F11) break;
      if (const int vk = virtualKey(e.key.keysym.sym)) desktop.keyUp(vk, shiftFrom(e.key.keysym.mod));
      break;
    case SDL_TEXTINPUT:
      desktop.textInput(e.text.text);
      break;
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) applyScaling();
      break;
    default:
      break;
  }
}

void SdlPlatform::present(ui::Desktop& desktop) {
  dirty_ = false;
  desktop.compose(framebuffer_);
  const int w = framebuffer_.width(), h = framebuffer_.height();
  if (!texture_ || w != textureW_ || h != textureH_) {
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, w, h);
    textureW_ = w;
    textureH_ = h;
    applyScaling();
  }
  SDL_UpdateTexture(texture_, nullptr, framebuffer_.pixels().data(), w * 4);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
}

void SdlPlatform::applyScaling() {
  if (!renderer_ || textureW_ == 0) return;
  int ww = 0, wh = 0;
  SDL_GetRendererOutputSize(renderer_, &ww, &wh);
  // Whole-number scaling keeps the pixels square and sharp where it fits.
  const bool fits = ww >= textureW_ && wh >= textureH_;
  SDL_RenderSetLogicalSize(renderer_, textureW_, textureH_);
  SDL_RenderSetIntegerScale(renderer_, fits ? SDL_TRUE : SDL_FALSE);
  const int scale = std::max(1, std::min(ww / std::max(1, textureW_), wh / std::max(1, textureH_)));
  if (scale != cursorScale_) {
    cursorScale_ = scale;
    shownCursor_ = -2;  // pick the cursor again at the new size
  }
}

void SdlPlatform::toggleFullscreen() {
  const bool full = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
  SDL_SetWindowFullscreen(window_, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
  applyScaling();
  dirty_ = true;
}

SDL_Cursor* SdlPlatform::cursorFor(ui::Desktop& desktop, int number) {
  const auto key = std::make_pair(number, cursorScale_);
  auto it = cursors_.find(key);
  if (it != cursors_.end()) return it->second;
  const ui::CursorImage* image = desktop.cursorImage(number);
  if (!image) return cursors_[key] = nullptr;
  const int s = cursorScale_;
  const int w = image->picture.width() * s, h = image->picture.height() * s;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!surface) return cursors_[key] = nullptr;
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
    for (int x = 0; x < w; ++x) row[x] = image->picture.pixel(x / s, y / s);
  }
  SDL_Cursor* cursor = SDL_CreateColorCursor(surface, image->hotX * s, image->hotY * s);
  SDL_FreeSurface(surface);
  return cursors_[key] = cursor;
}

void SdlPlatform::updateCursor(ui::Desktop& desktop) {
  const int number = desktop.cursorAtPointer();
  if (number == shownCursor_) return;
  shownCursor_ = number;
  if (number == ui::crNone) {
    SDL_ShowCursor(SDL_DISABLE);
    return;
  }
  SDL_Cursor* cursor = number > 0 ? cursorFor(desktop, number) : nullptr;
  SDL_SetCursor(cursor ? cursor : arrow_);
  SDL_ShowCursor(SDL_ENABLE);
}

void SdlPlatform::warpPointer(int x, int y) {
  // Only while the pointer is over our window: never drag the user's pointer
  // back from another program.
  if (SDL_GetMouseFocus() != window_) return;
  int wx = 0, wy = 0;
  SDL_RenderLogicalToWindow(renderer_, static_cast<float>(x), static_cast<float>(y), &wx, &wy);
  SDL_WarpMouseInWindow(window_, wx, wy);
}

void SdlPlatform::shellOpen(const std::string& target) { sys::shellOpen(target); }

}  // namespace backend
