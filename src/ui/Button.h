#pragma once
#include "ui/AbstractButton.h"
#include "ui/Platform.h"

namespace ui {

// A push button. Invisible buttons serve the game as callable actions: code
// "triggers" them with click().
class Button : public AbstractButton {
 public:
  Button(Control* parent, std::string name, std::string caption = {});

  // Clicking sets the form's ModalResult, which ends a modal form.
  TModalResult ModalResult = TModalResult::None;
  bool Default = false;  // Enter anywhere on the form clicks it
  bool Cancel = false;   // Escape anywhere on the form clicks it

  void click() override;
  void keyDown(int& key, Shift shift) override;
  bool dialogKey(int key) override;
  bool canFocus() const override { return true; }
  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;
};

}  // namespace ui
