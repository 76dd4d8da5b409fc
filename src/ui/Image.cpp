#include "ui/Image.h"

#include <algorithm>

namespace ui {

Image::Image(Control* parent, std::string name) : Control(parent, std::move(name)), pictureCanvas_(Picture) {
  Width = 105;
  Height = 105;
}

gfx::Canvas& Image::canvas() {
  const int w = std::max(Picture.width(), Width);
  const int h = std::max(Picture.height(), Height);
  if (w != Picture.width() || h != Picture.height()) Picture.resize(w, h);
  return pictureCanvas_;
}

void Image::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  if (Picture.empty()) return;
  if (Stretch)
    screen.stretchDraw(r, Picture);
  else
    screen.draw(r.left, r.top, Picture);
}

}  // namespace ui
