#pragma once
#include "gfx/Bitmap.h"
#include "ui/Control.h"

namespace ui {

// A picture with a drawing canvas. Unlike other controls, what is drawn on an
// image's canvas stays: the canvas draws on Picture itself.
class Image : public Control {
 public:
  Image(Control* parent, std::string name);

  gfx::Bitmap Picture;
  bool Stretch = false;

  // The canvas on Picture; the picture grows to the control's size first.
  gfx::Canvas& canvas() override;

  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;

 private:
  gfx::Canvas pictureCanvas_;
};

}  // namespace ui
