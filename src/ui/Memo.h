#pragma once
#include "sys/TextList.h"
#include "ui/Control.h"

namespace ui {

// A multi-line text field. Its Lines are a TextList; a change of the lines
// fires OnChange, as typing does.
class Memo : public Control {
 public:
  Memo(Control* parent, std::string name);

  sys::TextList Lines;
  bool ReadOnly = false;
  bool WordWrap = true;
  int TopLine = 0;  // first line shown; follows the end when lines are added

  bool canFocus() const override { return true; }
  void keyDown(int& key, Shift shift) override;
  void keyPress(char32_t ch) override;
  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;

 private:
  int visibleLines() const;
};

}  // namespace ui
