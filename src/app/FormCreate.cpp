#include <string>

#include "core/Game.h"
#include "core/Resources.h"
#include "core/TForm1.h"
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

// The icons are as many as datagen drew, so a new item's icon needs no count
// here.
int resourceCount(const std::string& folder) {
  int n = 0;
  while (!app::resource(folder + "/" + std::to_string(n) + ".bmp").empty()) ++n;
  return n;
}

}  // namespace

// The protagonist's body frames and faces and the item icons are carried in
// the program itself.
void TForm1::loadImageLists() {
  struct ListResource {
    ui::ImageList& list;
    const char* folder;
    int count;
  };
  for (const ListResource& r : {ListResource{animate, "animate", 11}, ListResource{face, "face", 12},
                                ListResource{inventar, "icons", resourceCount("icons")}}) {
    r.list.Clear();
    for (int i = 0; i < r.count; ++i) {
      const std::string name = std::string(r.folder) + "/" + std::to_string(i) + ".bmp";
      const sys::Result<gfx::Bitmap> picture = gfx::decodeBmp(app::resource(name));
      r.list.Add(picture.ok() ? *picture : gfx::Bitmap(r.list.Width, r.list.Height, 0xFFFF00FFu));
    }
  }
}

void TForm1::FormCreate() {
  for (const CursorResource& c : kCursors) {
    const std::string_view bytes = app::resource(std::string("cursor/") + c.name + ".bmp");
    sys::Result<gfx::Bitmap> picture = gfx::decodeBmp(bytes);
    if (picture.ok()) game.desktop.registerCursor(c.number, cursorFrom(*picture, c.hotX, c.hotY));
  }
  Testen.setEnabled(true);
}

}  // namespace game
