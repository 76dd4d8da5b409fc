#pragma once
#include <SDL.h>

#include <map>
#include <string>

#include "gfx/Bitmap.h"
#include "sys/Clock.h"
#include "ui/Platform.h"

namespace backend {

// The real window: the desktop's framebuffer scaled into a resizable window
// with its 4:3 aspect kept (whole-number scaling where it fits), F11 or
// Alt+Enter for full screen, SDL's mouse and keys turned into desktop input,
// the game's numbered cursors as real cursors. Between events and due timers
// the loop sleeps, so an idle game costs almost no CPU.
class SdlPlatform final : public ui::Platform {
 public:
  SdlPlatform();
  ~SdlPlatform() override;
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  bool ok() const { return window_ != nullptr; }
  const std::string& error() const { return error_; }

  sys::Clock& clock() override { return clock_; }
  void pump(ui::Desktop& desktop) override;
  ui::DisplayInfo display() const override { return display_; }
  void warpPointer(int x, int y) override;
  std::optional<ui::TModalResult> answerMessageBox(const ui::MessageBoxRequest&) override {
    return std::nullopt;
  }
  void shellOpen(const std::string& target) override;

 private:
  void handle(ui::Desktop& desktop, const SDL_Event& e);
  void present(ui::Desktop& desktop);
  void updateCursor(ui::Desktop& desktop);
  void toggleFullscreen();
  void applyScaling();
  SDL_Cursor* cursorFor(ui::Desktop& desktop, int number);

  sys::SteadyClock clock_;
  ui::DisplayInfo display_;
  std::string error_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int textureW_ = 0, textureH_ = 0;
  gfx::Bitmap framebuffer_;
  bool dirty_ = true;
  int shownCursor_ = -2;
  int cursorScale_ = 1;
  std::map<std::pair<int, int>, SDL_Cursor*> cursors_;  // (number, scale)
  SDL_Cursor* arrow_ = nullptr;
};

}  // namespace backend
