#pragma once
#include <memory>
#include <vector>

#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Label.h"

namespace ui {

// A message box drawn on the desktop: a dialog with an icon, the text and
// OK, or Yes and No. Shown modally by Desktop::messageBox.
class MessageBoxForm : public Form {
 public:
  MessageBoxForm(Desktop& desktop, const MessageBoxRequest& request);

  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;

 private:
  MessageKind kind_;
  Label text_;
  std::vector<std::unique_ptr<Button>> buttons_;
};

}  // namespace ui
