#pragma once
#include "ui/Control.h"

namespace ui {

// An etched frame with a caption in its top edge around a group of controls
// (its children, placed relative to the box's top-left corner).
class GroupBox : public Control {
 public:
  GroupBox(Control* parent, std::string name, std::string caption = {});

  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;
};

}  // namespace ui
