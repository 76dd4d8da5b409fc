#include "ui/MessageBox.h"

#include <algorithm>

#include "gfx/Text.h"
#include "ui/Desktop.h"

namespace ui {

MessageBoxForm::MessageBoxForm(Desktop& desktop, const MessageBoxRequest& request)
    : Form(desktop, "MessageBox"), kind_(request.kind), text_(this, "Text", request.text) {
  BorderStyle = TBorderStyle::Dialog;
  FormStyle = TFormStyle::StayOnTop;
  Position = TPosition::ScreenCenter;
  Caption = request.caption;
  CloseEnabled = request.buttons == MessageButtons::Ok;

  const int textWidth = std::clamp(gfx::text::measure(request.text, text_.Font).width + 8, 120, 420);
  text_.WordWrap = true;
  text_.setBounds(62, 18, textWidth, 13);
  // Grow the label to the lines the wrapped text needs.
  const auto lines = gfx::text::wrapLines(request.text, text_.Font, textWidth);
  text_.Height = static_cast<int>(lines.size()) * gfx::text::lineHeight(text_.Font);

  const bool yesNo = request.buttons == MessageButtons::YesNo;
  const int clientWidth = std::max(62 + textWidth + 16, yesNo ? 200 : 120);
  const int buttonsTop = std::max(18 + text_.Height, 50) + 16;
  setClientSize(clientWidth, buttonsTop + 23 + 12);

  auto addButton = [&](const char* caption, TModalResult result, int left) {
    auto b = std::make_unique<Button>(this, caption, caption);
    b->setBounds(left, buttonsTop, 75, 23);
    b->ModalResult = result;
    buttons_.push_back(std::move(b));
  };
  if (yesNo) {
    addButton("Ja", TModalResult::Yes, clientWidth / 2 - 80);
    addButton("Nein", TModalResult::No, clientWidth / 2 + 5);
  } else {
    addButton("OK", TModalResult::Ok, clientWidth / 2 - 37);
    buttons_.front()->Cancel = true;  // Escape closes a box that only informs
  }
  buttons_.front()->Default = true;
  ActiveControl = buttons_.front().get();
  OnClose = [this](TCloseAction&) {
    if (ModalResult == TModalResult::None)
      ModalResult = buttons_.size() == 1 ? TModalResult::Ok : TModalResult::No;
  };
}

void MessageBoxForm::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  Form::paint(screen, r);
  // The icon: a blue "i" or a yellow "!" in the top-left corner.
  const gfx::Point o = clientOrigin();
  const gfx::Rect icon = gfx::Rect::xywh(o.x + 14, o.y + 14, 32, 32);
  const bool warning = kind_ == MessageKind::Warning;
  screen.fillRect(icon.intersect(r), warning ? gfx::clYellow : gfx::clBlue);
  screen.frameRect(icon, gfx::clBlack);
  gfx::Font f;
  f.Height = 24;
  f.Bold = true;
  f.Color = warning ? gfx::clBlack : gfx::clWhite;
  screen.Font = f;
  screen.textBox(icon, warning ? "!" : "i", gfx::Align::Center, false);
}

}  // namespace ui
