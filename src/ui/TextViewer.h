#pragma once
#include <memory>
#include <string>

#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/ListBox.h"

namespace ui {

// A window that shows a text to read: wrapped to its width, scrolled with
// the scroll bar or the arrow, Page and Home/End keys, closed with its button,
// Enter or Escape.
class TextViewer : public Form {
 public:
  TextViewer(Desktop& desktop, const std::string& caption, const std::string& text);

  // The text as the window shows it, one wrapped line per item.
  ListBox& lines() { return *lines_; }
  Button& closeButton() { return close_; }

 private:
  void scroll(int& key);

  std::unique_ptr<ListBox> lines_;
  Button close_;
};

}  // namespace ui
