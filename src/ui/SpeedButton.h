#pragma once
#include "ui/AbstractButton.h"

namespace ui {

// A button that never takes the focus. A flat one shows no face of its own
// (what lies behind it shows through) and raises its edges only while the
// pointer is over it.
class SpeedButton : public AbstractButton {
 public:
  SpeedButton(Control* parent, std::string name, std::string caption = {});

  bool Flat = false;

  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;
};

}  // namespace ui
