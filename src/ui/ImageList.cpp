#include "ui/ImageList.h"

namespace ui {

int ImageList::Add(const gfx::Bitmap& picture) {
  gfx::Bitmap fitted = picture;
  fitted.resize(Width, Height);
  images_.push_back(std::move(fitted));
  return Count() - 1;
}

const gfx::Bitmap* ImageList::get(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return &images_[static_cast<size_t>(index)];
}

void ImageList::Draw(gfx::Canvas& canvas, int x, int y, int index) const {
  const gfx::Bitmap* b = get(index);
  if (!b) return;
  if (Masked)
    canvas.drawTransparent(x, y, *b, MaskColor);
  else
    canvas.draw(x, y, *b);
}

}  // namespace ui
