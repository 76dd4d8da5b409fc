#pragma once
#include <SDL.h>

#include <string>

#include "backend/sdl/SdlCursors.h"
#include "backend/sdl/SdlScreen.h"
#include "sys/Clock.h"
#include "ui/Platform.h"

namespace backend {

// The real window: SDL's mouse and keys turned into desktop input, the
// desktop's frame shown by an SdlScreen, the game's cursors at the pointer.
// Between events and due timers the loop sleeps, so an idle game costs almost
// no CPU.
class SdlPlatform final : public ui::Platform {
 public:
  SdlPlatform() = default;
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  bool ok() const { return screen_.ok(); }
  const std::string& error() const { return screen_.error(); }
  const SdlScreen& screen() const { return screen_; }
  const SdlCursors& cursors() const { return cursors_; }

  sys::Clock& clock() override { return clock_; }
  void pump(ui::Desktop& desktop) override;
  ui::DisplayInfo display() const override { return screen_.display(); }
  void warpPointer(int x, int y) override;
  std::optional<ui::TModalResult> answerMessageBox(const ui::MessageBoxRequest&) override {
    return std::nullopt;
  }
  bool shellOpen(const std::string& target) override;

 private:
  void handle(ui::Desktop& desktop, const SDL_Event& e);
  void handleMotion(ui::Desktop& desktop, const SDL_MouseMotionEvent& motion);
  void handleButton(ui::Desktop& desktop, const SDL_MouseButtonEvent& button);
  void handleKey(ui::Desktop& desktop, const SDL_KeyboardEvent& key);
  void handleWindow(ui::Desktop& desktop, const SDL_WindowEvent& window);
  // Milliseconds the loop may sleep before the next timer falls due.
  int sleepTime(const ui::Desktop& desktop);

  sys::SteadyClock clock_;
  SdlScreen screen_;
  SdlCursors cursors_;
  // Something may have changed the desktop since it was last composed.
  bool frameStale_ = true;
  // The key that switched full screen; its release is not the game's either.
  SDL_Keycode swallowedKey_ = SDLK_UNKNOWN;
  // The buttons whose press reached the game (SDL_BUTTON masks): their drag
  // and release belong to it wherever the pointer goes.
  Uint32 heldButtons_ = 0;
};

}  // namespace backend
