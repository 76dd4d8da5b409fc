#pragma once
#include "ui/Control.h"

namespace ui {

enum class Bevel { None, Raised, Lowered };

// A rectangle of colour that holds other controls.
class Panel : public Control {
 public:
  Panel(Control* parent, std::string name);

  Bevel BevelOuter = Bevel::Raised;

  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;
};

}  // namespace ui
