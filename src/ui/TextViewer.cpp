#include "ui/TextViewer.h"

#include <algorithm>

#include "gfx/Text.h"

namespace ui {
namespace {

constexpr int kWidth = 600, kHeight = 420;
constexpr int kButtonWidth = 90, kButtonHeight = 25;

// Lines to read, not to choose: a press picks no line and the keys go to
// the window, which scrolls.
class ReadOnlyLines : public ListBox {
 public:
  using ListBox::ListBox;
  bool canFocus() const override { return false; }

 protected:
  void userSelect(int) override {}
};

}  // namespace

TextViewer::TextViewer(Desktop& desktop, const std::string& caption, const std::string& text)
    : Form(desktop, "TextViewer"), close_(this, "Close", "Schließen") {
  BorderStyle = TBorderStyle::Dialog;
  FormStyle = TFormStyle::StayOnTop;
  Position = TPosition::ScreenCenter;
  Caption = caption;
  setClientSize(kWidth, kHeight);

  lines_ = std::make_unique<ReadOnlyLines>(this, "Lines");
  ListBox& view = *lines_;
  view.Font.Name = "Arial";
  view.Font.Height = 13;
  view.ItemHeight = gfx::text::lineHeight(view.Font) + 1;
  view.setBounds(8, 8, kWidth - 16, kHeight - 16 - kButtonHeight - 8);
  // Wrapped to the room beside the scroll bar and the gap before the text.
  const int room = view.Width - 2 * 2 - ScrollBar::kWidth - 6;
  std::vector<std::string> wrapped;
  for (const std::string& line : gfx::text::wrapLines(text, view.Font, room)) wrapped.push_back(line);
  view.Items.assign(std::move(wrapped));

  close_.setBounds(kWidth - 8 - kButtonWidth, kHeight - 8 - kButtonHeight, kButtonWidth, kButtonHeight);
  close_.Default = true;
  close_.Cancel = true;
  close_.OnClick = [this] { Close(); };
  ActiveControl = &close_;
  KeyPreview = true;
  OnKeyDown = [this](int& key, Shift) { scroll(key); };
}

void TextViewer::scroll(int& key) {
  ListBox& view = *lines_;
  const int page = std::max(1, view.visibleItems() - 1);
  const int top = view.TopIndex();
  switch (key) {
    case vk::Up:
      view.setTopIndex(top - 1);
      break;
    case vk::Down:
      view.setTopIndex(top + 1);
      break;
    case vk::Prior:
      view.setTopIndex(top - page);
      break;
    case vk::Next:
    case vk::Space:
      view.setTopIndex(top + page);
      break;
    case vk::Home:
      view.setTopIndex(0);
      break;
    case vk::End:
      view.setTopIndex(view.Items.Count());
      break;
    default:
      return;
  }
  key = 0;
}

}  // namespace ui
