#pragma once
#include "ui/Edit.h"

namespace ui {

// A number field: an Edit that takes only digits and a minus sign, with
// up and down buttons at its right that step the value by Increment (as do
// the Up and Down keys). The game reads and writes its Text; Value is that
// text as a number. MinValue and MaxValue bound the value unless both are 0.
class SpinEdit : public Edit {
 public:
  SpinEdit(Control* parent, std::string name);

  int MinValue = 0, MaxValue = 0;
  int Increment = 1;

  // The text as a number; MinValue when it is not one.
  int Value() const;
  void setValue(int value);

  void mouseDown(MouseButton button, Shift shift, int x, int y) override;
  void mouseUp(MouseButton button, Shift shift, int x, int y) override;
  void captureLost() override;
  void keyDown(int& key, Shift shift) override;
  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;

 protected:
  int buttonsWidth() const override { return kButtonWidth; }
  bool accepts(char32_t ch) const override { return (ch >= '0' && ch <= '9') || ch == '-'; }

 private:
  static constexpr int kButtonWidth = 15;
  gfx::Rect upButton() const;
  gfx::Rect downButton() const;
  int clamp(int value) const;
  // Steps the value by Increment up (+1) or down (-1).
  void step(int direction);

  int pressedButton_ = 0;  // +1 up, -1 down, 0 none
};

}  // namespace ui
