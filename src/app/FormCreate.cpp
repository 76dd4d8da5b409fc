#include "app/Game.h"
#include "app/Resources.h"
#include "app/TForm1.h"
#include "gfx/Bmp.h"

namespace game {
namespace {

struct CursorResource {
  int number;
  const char* name;
  int hotX, hotY;
};

// Number 6 "BOX" has no picture: it shows the default arrow.
constexpr CursorResource kCursors[] = {{1, "EMPTY", 4, 4},
                                       {2, "OBJECT", 1, 1},
                                       {3, "TARGET", 16, 16},
                                       {4, "INVENTAR", 1, 1},
                                       {5, "INVENTAR2", 16, 16}};

// Magenta marks the transparent pixels of a built-in picture.
ui::CursorImage cursorFrom(const gfx::Bitmap& picture, int hotX, int hotY) {
  gfx::Bitmap withAlpha = picture;
  for (gfx::Pixel& p : withAlpha.pixels())
    if ((p & 0x00FFFFFFu) == 0x00FF00FFu) p = 0;
  return {std::move(withAlpha), hotX, hotY};
}

}  // namespace

void TForm1::FormCreate() {
  for (const CursorResource& c : kCursors) {
    const std::string_view bytes = app::resource(std::string("cursor/") + c.name + ".bmp");
    gfx::BmpResult picture = gfx::decodeBmp(bytes);
    if (picture.ok()) game.desktop.registerCursor(c.number, cursorFrom(*picture.bitmap, c.hotX, c.hotY));
  }
  Testen.setEnabled(true);
}

}  // namespace game
