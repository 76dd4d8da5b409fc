#pragma once
#include <SDL.h>

#include <map>
#include <utility>

namespace ui {
class Desktop;
struct CursorImage;
}  // namespace ui

namespace backend {

// A cursor picture enlarged by a whole number, pixel by pixel, alpha kept;
// null when SDL cannot make the surface.
SDL_Surface* cursorSurface(const ui::CursorImage& image, int scale);

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
  // The cursor number last shown (crNone while the pointer is hidden).
  int shown() const { return shownNumber_; }

 private:
  SDL_Cursor* cursorFor(const ui::Desktop& desktop, int number, int scale);

  std::map<std::pair<int, int>, SDL_Cursor*> made_;  // (number, scale)
  SDL_Cursor* arrow_ = nullptr;
  int shownNumber_ = -2;  // none of the cursor numbers
  int shownScale_ = 0;
};

}  // namespace backend
