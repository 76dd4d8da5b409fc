#include "ui/Form.h"

#include "ui/Desktop.h"
#include "ui/Look.h"

namespace ui {

Form::Form(Desktop& desktop, std::string name) : Control(nullptr, std::move(name)), desktop_(desktop) {
  Visible = false;
  Font = gfx::Font{};
  desktop_.addForm(this);
}

Form::~Form() { desktop_.removeForm(this); }

int Form::ClientWidth() const {
  return BorderStyle == TBorderStyle::Dialog ? Width - 2 * kFrame : Width;
}
int Form::ClientHeight() const {
  return BorderStyle == TBorderStyle::Dialog ? Height - 2 * kFrame - kTitleBar : Height;
}

void Form::setClientSize(int width, int height) {
  const bool dialog = BorderStyle == TBorderStyle::Dialog;
  Width = width + (dialog ? 2 * kFrame : 0);
  Height = height + (dialog ? 2 * kFrame + kTitleBar : 0);
}

gfx::Point Form::clientOrigin() const {
  if (BorderStyle == TBorderStyle::Dialog) return {Left + kFrame, Top + kFrame + kTitleBar};
  return {Left, Top};
}

gfx::Rect Form::clientScreenRect() const {
  const gfx::Point o = clientOrigin();
  return gfx::Rect::xywh(o.x, o.y, ClientWidth(), ClientHeight());
}

void Form::Show() {
  if (Position == TPosition::ScreenCenter) {
    Left = desktop_.screenWidth() / 2 - Width / 2;
    Top = desktop_.screenHeight() / 2 - Height / 2;
  }
  const bool wasVisible = Visible;
  Visible = true;
  BringToFront();
  desktop_.activate(this);
  if (!wasVisible && OnShow) OnShow();
}

void Form::Hide() {
  if (!Visible) return;
  Visible = false;
  desktop_.formHidden(this);
  if (OnHide) OnHide();
}

void Form::Close() {
  TCloseAction action = TCloseAction::Hide;
  if (OnClose) OnClose(action);
  if (action == TCloseAction::None) return;
  if (modal_ && ModalResult == TModalResult::None) ModalResult = TModalResult::Cancel;
  Hide();
  if (desktop_.mainForm() == this) desktop_.terminate();
}

TModalResult Form::ShowModal() {
  ModalResult = TModalResult::None;
  modal_ = true;
  desktop_.pushModal(this);
  Show();
  desktop_.runUntil([this] { return ModalResult != TModalResult::None || !Visible; });
  desktop_.popModal(this);
  modal_ = false;
  Hide();
  const ui::TModalResult result = ModalResult == TModalResult::None ? TModalResult::Cancel : ModalResult;
  return result;
}

void Form::BringToFront() { desktop_.bringToFront(this); }

void Form::SetFocus(Control* control) {
  if (control && !control->canFocus()) return;
  ActiveControl = control;
}

Form::Area Form::areaAt(int x, int y) const {
  if (!boundsRect().contains(x, y)) return Area::Outside;
  if (clientScreenRect().contains(x, y)) return Area::Client;
  if (closeButtonRect().contains(x, y)) return Area::CloseButton;
  if (BorderStyle == TBorderStyle::Dialog && y >= Top + kFrame && y < Top + kFrame + kTitleBar)
    return Area::TitleBar;
  return Area::Frame;
}

gfx::Rect Form::closeButtonRect() const {
  if (BorderStyle != TBorderStyle::Dialog) return {};
  return gfx::Rect::xywh(Left + Width - kFrame - 18, Top + kFrame + 2, 16, 14);
}

void Form::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  if (BorderStyle == TBorderStyle::Dialog) paintFrame(screen, r);
  screen.fillRect(clientScreenRect(), Color);
}

void Form::paintFrame(gfx::Canvas& screen, const gfx::Rect& r) {
  look::raisedFrame(screen, r, gfx::clBtnFace);
  const bool active = desktop_.activeForm() == this;
  const gfx::Rect bar{r.left + kFrame, r.top + kFrame, r.right - kFrame, r.top + kFrame + kTitleBar};
  screen.fillRect(bar, active ? gfx::clActiveCaption : gfx::clInactiveCaption);
  gfx::Font titleFont;
  titleFont.Bold = true;
  titleFont.Color = gfx::clWhite;
  screen.Font = titleFont;
  screen.BrushClear = true;
  screen.textOut(bar.left + 3, bar.top + 2, Caption);
  const gfx::Rect close = closeButtonRect();
  look::raisedFrame(screen, close, gfx::clBtnFace);
  const gfx::TColor cross = CloseEnabled ? gfx::clBlack : gfx::clGrayText;
  for (int i = 0; i < 7; ++i) {
    screen.setPixel(close.left + 4 + i, close.top + 3 + i, cross);
    screen.setPixel(close.left + 5 + i, close.top + 3 + i, cross);
    screen.setPixel(close.left + 10 - i, close.top + 3 + i, cross);
    screen.setPixel(close.left + 11 - i, close.top + 3 + i, cross);
  }
}

}  // namespace ui
