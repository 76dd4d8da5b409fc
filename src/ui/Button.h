#pragma once
#include "ui/Control.h"
#include "ui/Platform.h"

namespace ui {

// A push button. Invisible buttons serve the game as callable actions: code
// "triggers" them with click().
class Button : public Control {
 public:
  Button(Control* parent, std::string name, std::string caption = {});

  // Clicking sets the form's ModalResult, which ends a modal form.
  TModalResult ModalResult = TModalResult::None;
  bool Default = false;  // Enter anywhere on the form clicks it
  bool Cancel = false;   // Escape anywhere on the form clicks it

  void click() override;
  void mouseDown(MouseButton button, Shift shift, int x, int y) override;
  void mouseUp(MouseButton button, Shift shift, int x, int y) override;
  void keyDown(int& key, Shift shift) override;
  bool canFocus() const override { return true; }
  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;

 protected:
  bool pressed_ = false;
};

}  // namespace ui
