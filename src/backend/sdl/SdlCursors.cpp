#include "backend/sdl/SdlCursors.h"

#include "ui/Desktop.h"

namespace backend {

SDL_Surface* cursorSurface(const ui::CursorImage& image, int scale) {
  const int w = image.picture.width() * scale, h = image.picture.height() * scale;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!surface) return nullptr;
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
    const gfx::Pixel* source = image.picture.row(y / scale);
    for (int x = 0; x < w; ++x) row[x] = source[x / scale];
  }
  return surface;
}

SdlCursors::SdlCursors() : arrow_(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW)) {}

SdlCursors::~SdlCursors() {
  for (auto& [key, cursor] : made_)
    if (cursor) SDL_FreeCursor(cursor);
  if (arrow_) SDL_FreeCursor(arrow_);
}

void SdlCursors::update(const ui::Desktop& desktop, int scale) {
  const int number = desktop.cursorAtPointer();
  if (number == shownNumber_ && scale == shownScale_) return;
  shownNumber_ = number;
  shownScale_ = scale;
  if (number == ui::crNone) {
    SDL_ShowCursor(SDL_DISABLE);
    return;
  }
  SDL_Cursor* cursor = number == ui::crDefault ? nullptr : cursorFor(desktop, number, scale);
  // SDL's own default cursor stands in when not even the arrow could be made.
  SDL_SetCursor(cursor ? cursor : arrow_ ? arrow_ : SDL_GetDefaultCursor());
  SDL_ShowCursor(SDL_ENABLE);
}

// Made once per number and size, kept for the rest of the game (there are
// only a handful of cursors).
SDL_Cursor* SdlCursors::cursorFor(const ui::Desktop& desktop, int number, int scale) {
  const auto key = std::make_pair(number, scale);
  if (auto it = made_.find(key); it != made_.end()) return it->second;
  SDL_Cursor*& cursor = made_[key];
  const ui::CursorImage* image = desktop.cursorImage(number);
  if (!image || image->picture.empty()) return cursor = nullptr;
  SDL_Surface* surface = cursorSurface(*image, scale);
  if (!surface) return cursor = nullptr;
  cursor = SDL_CreateColorCursor(surface, image->hotX * scale, image->hotY * scale);
  SDL_FreeSurface(surface);
  return cursor;
}

}  // namespace backend
