#pragma once
#include "ui/Control.h"

namespace ui {

// What every kind of button shares: it looks pushed in while the left button
// is held down on it with the pointer inside, and springs back when the
// pointer is dragged out (the click then comes only if it is released
// inside). A flat button also needs to know whether the pointer is over it.
class AbstractButton : public Control {
 public:
  using Control::Control;

  void mouseDown(MouseButton button, Shift shift, int x, int y) override;
  void mouseMove(Shift shift, int x, int y) override;
  void mouseUp(MouseButton button, Shift shift, int x, int y) override;
  void mouseEnter() override { hovered_ = true; }
  void mouseLeave() override {
    hovered_ = false;
    Control::mouseLeave();
  }
  void captureLost() override { held_ = pressed_ = false; }

  bool pressed() const { return pressed_; }
  bool hovered() const { return hovered_; }

 protected:
  // The caption beside a check box's or radio button's glyph: from textLeft,
  // centred vertically, engraved when disabled, framed by the focus rectangle.
  void paintSideCaption(gfx::Canvas& screen, const gfx::Rect& r, int textLeft);
  // Where a glyph of this height sits: vertically centred.
  int glyphTop(const gfx::Rect& r, int height) const { return r.top + (r.height() - height) / 2; }

  bool pressed_ = false;  // drawn pushed in
  bool held_ = false;     // the left button went down on it and is still down
  bool hovered_ = false;

 private:
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
};

}  // namespace ui
