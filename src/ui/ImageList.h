#pragma once
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"

namespace ui {

// A numbered set of pictures of one size (the protagonist's frames, his
// faces, the item icons, the room background).
class ImageList {
 public:
  ImageList(int width, int height) : Width(width), Height(height) {}

  int Width, Height;
  // Pixels of this colour are left out when drawing, as the lists' masks do.
  bool Masked = true;
  gfx::TColor MaskColor = gfx::rgb(255, 0, 255);

  int Count() const { return static_cast<int>(images_.size()); }
  // Adds a picture, cut or padded to the list's size; returns its index.
  int Add(const gfx::Bitmap& picture);
  void Clear() { images_.clear(); }
  const gfx::Bitmap* get(int index) const;
  // Draws picture `index` at (x, y); an index without a picture draws nothing.
  void Draw(gfx::Canvas& canvas, int x, int y, int index) const;

 private:
  std::vector<gfx::Bitmap> images_;
};

}  // namespace ui
