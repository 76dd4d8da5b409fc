#pragma once
#include "gfx/Text.h"
#include "ui/Control.h"

namespace ui {

// A line of text on the parent's surface; invisible labels also serve the
// game as variables (their bounds, Tag, Caption and Hint).
class Label : public Control {
 public:
  Label(Control* parent, std::string name, std::string caption = {});

  gfx::Align Alignment = gfx::Align::Left;
  bool WordWrap = false;
  bool Transparent = false;  // no background fill
  bool Layered = false;      // vertically centred text

  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;
};

}  // namespace ui
