#pragma once
#include <string>

#include "ui/Control.h"
#include "ui/Form.h"

namespace ui {

// A single-line text field. Setting or editing the text runs OnChange.
// Typing inserts at the caret, replacing a selection; MaxLength (counted in
// characters, 0 for no limit) refuses what would make the text longer, but
// setText is taken whole. Keys go through OnKeyDown/OnKeyUp first; a
// handler that sets the key to 0 keeps the field from acting on it.
class Edit : public Control {
 public:
  Edit(Control* parent, std::string name, std::string text = {});

  int MaxLength = 0;
  bool ReadOnly = false;
  // Focusing the field from the keyboard or by code selects all its text,
  // so that typing replaces it; a click puts the caret where it points.
  bool AutoSelect = true;
  TBorderStyle BorderStyle = TBorderStyle::Single;

  const std::string& Text() const { return text_; }
  void setText(const std::string& text);

  // Selection and caret, in characters.
  int SelStart() const { return std::min(anchor_, caret_); }
  int SelLength() const { return std::abs(caret_ - anchor_); }
  void setSelection(int start, int length);
  void SelectAll() { setSelection(0, length()); }

  void mouseDown(MouseButton button, Shift shift, int x, int y) override;
  void mouseMove(Shift shift, int x, int y) override;
  void mouseUp(MouseButton button, Shift shift, int x, int y) override;
  void captureLost() override { selecting_ = false; }
  void keyDown(int& key, Shift shift) override;
  void keyPress(char32_t ch) override;
  void focusEnter() override;
  bool canFocus() const override { return true; }
  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;

 protected:
  // Room kept free at the right of the field (a spin edit's buttons).
  virtual int buttonsWidth() const { return 0; }
  // Whether a typed character is welcome (a spin edit takes only digits).
  virtual bool accepts(char32_t) const { return true; }
  // The text area in the control's own coordinates.
  gfx::Rect textArea() const;
  void insertText(const std::string& text);

 private:
  int length() const;
  int charAt(int x) const;  // the caret position nearest to x in the text area
  void moveCaret(int to, bool extend);
  void deleteSelection();
  int textX(int index) const;  // pixel offset of a caret position in the text

  std::string text_;
  int anchor_ = 0, caret_ = 0;
  int scrollX_ = 0;  // pixels of text scrolled out at the left
  bool selecting_ = false;
};

}  // namespace ui
