#pragma once
#include <SDL.h>

#include <map>
#include <utility>

namespace ui {
class Desktop;
}

namespace backend {

// The pointer over the window: the game's numbered cursors as real cursors,
// enlarged with the picture, crNone as no pointer at all, the system arrow
// for crDefault and for numbers without a picture.
class SdlCursors {
 public:
  SdlCursors();
  ~SdlCursors();
  SdlCursors(const SdlCursors&) = delete;
  SdlCursors& operator=(const SdlCursors&) = delete;

  // Shows the cursor the desktop asks for at the pointer; does nothing when
  // that cursor already shows.
  void update(const ui::Desktop& desktop, int scale);

 private:
  SDL_Cursor* cursorFor(const ui::Desktop& desktop, int number, int scale);

  std::map<std::pair<int, int>, SDL_Cursor*> made_;  // (number, scale)
  SDL_Cursor* arrow_ = nullptr;
  int shownNumber_ = -2;  // none of the cursor numbers
  int shownScale_ = 0;
};

}  // namespace backend
