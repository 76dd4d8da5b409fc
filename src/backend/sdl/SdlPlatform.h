#pragma once
#include <SDL.h>

#include <functional>
#include <memory>
#include <string>

#include "backend/headless/Replay.h"
#include "backend/sdl/Recorder.h"
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

  // With a recording the game runs on a clock of its own: timers fire at
  // the very game time they are due, however late the machine runs them,
  // and input falls between them; a message box stops it. So the headless
  // driver, which keeps time the same way, plays the recording exactly.
  // Call before anything reads the clock. Returns an error text.
  std::string startRecording(const std::string& path);
  Recorder* recorder() { return recorder_.get(); }
  // Called when the player closes the window, before the game hears of it.
  std::function<void()> onQuit;
  // Where F12 writes its screenshots.
  std::string screenshotDir = "screenshots";
  void setFullScreen(bool on);

  sys::Clock& clock() override;
  void pump(ui::Desktop& desktop) override;
  ui::DisplayInfo display() const override { return screen_.display(); }
  void warpPointer(int x, int y) override;
  std::optional<ui::TModalResult> answerMessageBox(const ui::MessageBoxRequest&) override;
  void messageBoxAnswered(ui::TModalResult answer) override;
  bool shellOpen(const std::string& target) override;

 private:
  void handle(ui::Desktop& desktop, const SDL_Event& e);
  void handleMotion(ui::Desktop& desktop, const SDL_MouseMotionEvent& motion);
  void handleButton(ui::Desktop& desktop, const SDL_MouseButtonEvent& button);
  void handleKey(ui::Desktop& desktop, const SDL_KeyboardEvent& key);
  void handleWindow(ui::Desktop& desktop, const SDL_WindowEvent& window);
  // Milliseconds the loop may sleep before the next timer falls due.
  int sleepTime(const ui::Desktop& desktop);
  void present(ui::Desktop& desktop);
  void pumpRecorded(ui::Desktop& desktop);
  // The game time of a recording as the real clock has it.
  int64_t realGameTime() const;
  // Hands input to the desktop, and to the recording.
  void input(ui::Desktop& desktop, const ReplayAction& action);
  void takeScreenshot(ui::Desktop& desktop);
  void drawNote();

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

  std::unique_ptr<Recorder> recorder_;
  sys::VirtualClock gameClock_;
  int64_t recordingStart_ = 0;  // real time of game time 0
  int64_t pausedMs_ = 0;        // real time the game's clock stood still
  int64_t boxOpenedAt_ = 0;
  int openBoxes_ = 0;

  // A short note over the picture (where a screenshot went), until noteUntil_.
  std::string note_;
  int64_t noteUntil_ = 0;
};

}  // namespace backend
