#include "backend/sdl/SdlScreen.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#include "backend/sdl/FrameDiff.h"
#include "backend/sdl/WindowManager.h"
#include "ui/Desktop.h"

namespace backend {
namespace {

// Room the desktop's window frame and panels take around a window.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 64;

int initialScale() {
  SDL_Rect usable{};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
  const bool roomForTwice = usable.w >= 2 * ui::Desktop::kGameWidth + kFrameWidth &&
                            usable.h >= 2 * ui::Desktop::kGameHeight + kFrameHeight;
  return roomForTwice ? 2 : 1;
}

}  // namespace

SdlScreen::SdlScreen() {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    error_ = std::string("cannot start SDL video: ") + SDL_GetError();
    return;
  }
  // Without a display SDL falls back to drivers that draw nowhere, and the
  // game would play on where nobody sees it. Tests ask for those by name.
  const char* driver = SDL_GetCurrentVideoDriver();
  const bool drawsNowhere =
      driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
  if (drawsNowhere && !SDL_GetHint(SDL_HINT_VIDEODRIVER)) {
    error_ =
        "no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY works); "
        "--headless plays without one";
    return;
  }
  SDL_DisplayMode mode{};
  if (SDL_GetCurrentDisplayMode(0, &mode) == 0) {
    display_.width = mode.w;
    display_.height = mode.h;
    display_.bitsPerPixel = static_cast<int>(SDL_BITSPERPIXEL(mode.format));
  }
  const int scale = initialScale();
  window_ = SDL_CreateWindow("Professor Kroxl", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             ui::Desktop::kGameWidth * scale, ui::Desktop::kGameHeight * scale,
                             SDL_WINDOW_RESIZABLE);
  if (!window_) {
    error_ = std::string("cannot open a window: ") + SDL_GetError();
    return;
  }
  // No vsync: frames come at the timers' pace, and some drivers spin the CPU
  // while they wait for the vertical blank.
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (!renderer_) {
    error_ = std::string("cannot draw into the window: ") + SDL_GetError();
    return;
  }
  // Black at once, so the window never shows what lay behind it.
  draw();
}

SdlScreen::~SdlScreen() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

void SdlScreen::present() {
  ++offered_;
  if (canvas_.empty()) return;
  const bool sizeChanged = canvas_.width() != shown_.width() || canvas_.height() != shown_.height();
  if (sizeChanged && !prepareTexture(canvas_.width(), canvas_.height())) return;
  const gfx::Rect band = sizeChanged ? canvas_.bounds() : changedRows(shown_, canvas_);
  if (!band.empty()) {
    const SDL_Rect rows{0, band.top, band.width(), band.height()};
    SDL_UpdateTexture(texture_, &rows, canvas_.row(band.top), canvas_.width() * 4);
    // The next compose overwrites every pixel, so the old frame can take its place.
    std::swap(canvas_, shown_);
    needsDraw_ = true;
  }
  if (sizeChanged) updateViewport();
  redrawIfNeeded();
}

bool SdlScreen::prepareTexture(int width, int height) {
  if (texture_) SDL_DestroyTexture(texture_);
  shown_ = gfx::Bitmap();
  texture_ =
      SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width, height);
  if (!texture_) {
    SDL_Log("cannot make the frame texture: %s", SDL_GetError());
    return false;
  }
  return true;
}

void SdlScreen::updateViewport() {
  int width = 0, height = 0;
  SDL_GetRendererOutputSize(renderer_, &width, &height);
  viewport_ = Viewport(width, height, shown_.width(), shown_.height());
  // Sharp squares for whole-number factors, smooth otherwise: nearest
  // sampling at 1.5 times would make every other pixel twice as wide.
  if (texture_)
    SDL_SetTextureScaleMode(texture_, viewport_.sharp() ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
  needsDraw_ = true;
}

// Converts between window units and output pixels; they differ only on
// high-density displays.
gfx::Point SdlScreen::unitsToPixels(gfx::Point p, bool back) const {
  int units = 0, unitsHigh = 0, pixels = 0, pixelsHigh = 0;
  SDL_GetWindowSize(window_, &units, &unitsHigh);
  SDL_GetRendererOutputSize(renderer_, &pixels, &pixelsHigh);
  if (units <= 0 || unitsHigh <= 0 || pixels <= 0 || pixelsHigh <= 0) return p;
  if (units == pixels && unitsHigh == pixelsHigh) return p;
  if (back) {
    std::swap(units, pixels);
    std::swap(unitsHigh, pixelsHigh);
  }
  return {static_cast<int>(static_cast<int64_t>(p.x) * pixels / units),
          static_cast<int>(static_cast<int64_t>(p.y) * pixelsHigh / unitsHigh)};
}

gfx::Point SdlScreen::toPicture(int x, int y) const {
  const gfx::Point pixel = unitsToPixels({x, y}, false);
  return viewport_.toPicture(pixel.x, pixel.y);
}

bool SdlScreen::onPicture(int x, int y) const {
  const gfx::Point pixel = unitsToPixels({x, y}, false);
  return viewport_.onPicture(pixel.x, pixel.y);
}

gfx::Point SdlScreen::toWindow(int x, int y) const {
  return unitsToPixels(viewport_.toWindow(x, y), true);
}

void SdlScreen::windowChanged() {
  updateViewport();
}

void SdlScreen::deviceReset() {
  if (texture_) SDL_DestroyTexture(texture_);
  texture_ = nullptr;
  shown_ = gfx::Bitmap();
  needsDraw_ = true;
}

void SdlScreen::redrawIfNeeded() {
  if (needsDraw_) draw();
}

void SdlScreen::draw() {
  needsDraw_ = false;
  ++drawn_;
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  if (texture_ && !viewport_.area().empty()) {
    const gfx::Rect& a = viewport_.area();
    const SDL_Rect target{a.left, a.top, a.width(), a.height()};
    SDL_RenderCopy(renderer_, texture_, nullptr, &target);
  }
  SDL_RenderPresent(renderer_);
}

bool SdlScreen::fullScreen() const {
  return covering_ || (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

void SdlScreen::toggleFullScreen() {
  const bool full = fullScreen();
  if (covering_ || (!full && !windowManagerDoesFullScreen(window_))) {
    coverDisplay(!full);
  } else if (SDL_SetWindowFullscreen(window_, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
    SDL_Log("cannot switch full screen: %s", SDL_GetError());
  }
  updateViewport();
}

// Without a window manager nobody decorates, places or stacks windows: a
// window at the display's place and size is full screen, and going back is
// only a matter of its old place and size.
void SdlScreen::coverDisplay(bool cover) {
  if (cover) {
    SDL_Rect display{};
    if (SDL_GetDisplayBounds(std::max(0, SDL_GetWindowDisplayIndex(window_)), &display) != 0) {
      SDL_Log("cannot switch full screen: %s", SDL_GetError());
      return;
    }
    SDL_GetWindowPosition(window_, &windowed_.x, &windowed_.y);
    SDL_GetWindowSize(window_, &windowed_.w, &windowed_.h);
    SDL_SetWindowBordered(window_, SDL_FALSE);
    SDL_SetWindowPosition(window_, display.x, display.y);
    SDL_SetWindowSize(window_, display.w, display.h);
    SDL_RaiseWindow(window_);
  } else {
    SDL_SetWindowSize(window_, windowed_.w, windowed_.h);
    SDL_SetWindowPosition(window_, windowed_.x, windowed_.y);
    SDL_SetWindowBordered(window_, SDL_TRUE);
  }
  covering_ = cover;
}

}  // namespace backend
