#pragma once
#include <SDL.h>

#include <string>

#include "backend/sdl/Viewport.h"
#include "gfx/Bitmap.h"
#include "ui/Platform.h"

namespace backend {

// The game's window and what it shows: the desktop's frame scaled into it by
// a Viewport. Drawing costs only when something changed: a frame equal to the
// one on show is not uploaded or drawn again, and of a changed frame only the
// band of changed rows is uploaded.
class SdlScreen {
 public:
  // Opens the window: twice the game's size where the screen has room for
  // it, otherwise the game's size.
  SdlScreen();
  ~SdlScreen();
  SdlScreen(const SdlScreen&) = delete;
  SdlScreen& operator=(const SdlScreen&) = delete;

  bool ok() const { return renderer_ != nullptr; }
  const std::string& error() const { return error_; }
  // The physical display, as it was when the window opened.
  ui::DisplayInfo display() const { return display_; }
  SDL_Window* window() const { return window_; }
  const Viewport& viewport() const { return viewport_; }
  // A position in the window's own units (events, pointer warps) as a
  // picture pixel and back; on high-density displays those units are not
  // pixels.
  gfx::Point toPicture(int x, int y) const;
  gfx::Point toWindow(int x, int y) const;
  bool onPicture(int x, int y) const;

  // The frame to compose into; present() shows it.
  gfx::Bitmap& canvas() { return canvas_; }
  void present();
  // The window was uncovered or resized: draw it again at the next redraw().
  void windowChanged();
  // Textures were lost with the graphics device: upload everything again.
  void deviceReset();
  void redrawIfNeeded();
  // Full screen by the window manager, or, where none does it (a bare X
  // server), by a window that covers the display.
  void toggleFullScreen();
  bool fullScreen() const;

  // How many frames were composed and how many of them reached the window.
  int framesOffered() const { return offered_; }
  int framesDrawn() const { return drawn_; }

 private:
  bool prepareTexture(int width, int height);
  void updateViewport();
  gfx::Point unitsToPixels(gfx::Point p, bool back) const;
  void draw();
  void coverDisplay(bool cover);

  std::string error_;
  ui::DisplayInfo display_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  gfx::Bitmap canvas_;  // being composed
  gfx::Bitmap shown_;   // what the texture holds
  Viewport viewport_;
  bool needsDraw_ = true;
  // Full screen made by hand: the window's place before it covered the display.
  bool covering_ = false;
  SDL_Rect windowed_{};
  int offered_ = 0, drawn_ = 0;
};

}  // namespace backend
