#include "ui/Form.h"

#include <algorithm>
#include <functional>

#include "ui/Desktop.h"
#include "ui/Look.h"

namespace ui {

Form::Form(Desktop& desktop, std::string name) : Control(nullptr, std::move(name)), desktop_(desktop) {
  Visible = false;
  Font = gfx::Font{};
  desktop_.addForm(this);
}

Form::~Form() {
  desktop_.removeForm(this);
}

int Form::ClientWidth() const {
  return hasFrame() ? Width - 2 * kFrame : Width;
}
int Form::ClientHeight() const {
  return hasFrame() ? Height - 2 * kFrame - kTitleBar : Height;
}

void Form::setClientSize(int width, int height) {
  const bool dialog = hasFrame();
  Width = width + (dialog ? 2 * kFrame : 0);
  Height = height + (dialog ? 2 * kFrame + kTitleBar : 0);
}

gfx::Point Form::clientOrigin() const {
  if (hasFrame()) return {gfx::addSat(Left, kFrame), gfx::addSat(Top, kFrame + kTitleBar)};
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

void Form::BringToFront() {
  desktop_.bringToFront(this);
}

void Form::SetFocus(Control* control) {
  if (control && (!control->canFocus() || control->form() != this)) return;
  if (control == ActiveControl) return;
  Control* old = ActiveControl;
  ActiveControl = control;
  if (old) old->focusExit();
  if (control && ActiveControl == control) control->focusEnter();
}

std::vector<Control*> Form::focusableKinds() {
  std::vector<Control*> order;
  std::function<void(Control*)> walk = [&](Control* c) {
    for (Control* child : c->children()) {
      if (child->canFocus()) order.push_back(child);
      walk(child);
    }
  };
  walk(this);
  return order;
}

Control* Form::focusedControl() {
  if (ActiveControl && ActiveControl->canTakeFocus()) return ActiveControl;
  const std::vector<Control*> order = focusableKinds();
  // Start looking after the control that lost its ability to take the focus.
  auto start = std::find(order.begin(), order.end(), ActiveControl);
  const size_t first = start == order.end() ? 0 : static_cast<size_t>(start - order.begin()) + 1;
  for (size_t k = 0; k < order.size(); ++k) {
    Control* c = order[(first + k) % order.size()];
    if (c->canTakeFocus()) {
      SetFocus(c);
      return c;
    }
  }
  return nullptr;
}

void Form::selectNext(bool forward) {
  std::vector<Control*> order = focusableKinds();
  if (!forward) std::reverse(order.begin(), order.end());
  auto at = std::find(order.begin(), order.end(), ActiveControl);
  const size_t first = at == order.end() ? 0 : static_cast<size_t>(at - order.begin()) + 1;
  for (size_t k = 0; k < order.size(); ++k) {
    Control* c = order[(first + k) % order.size()];
    if (c->canTakeFocus()) {
      SetFocus(c);
      return;
    }
  }
}

bool Form::dialogKey(int key) {
  std::function<bool(Control*)> offer = [&](Control* c) {
    for (Control* child : c->children()) {
      if (!child->Visible || !child->Enabled) continue;
      if (child->dialogKey(key) || offer(child)) return true;
    }
    return false;
  };
  return offer(this);
}

Form::Area Form::areaAt(int x, int y) const {
  if (!boundsRect().contains(x, y)) return Area::Outside;
  if (clientScreenRect().contains(x, y)) return Area::Client;
  if (closeButtonRect().contains(x, y)) return Area::CloseButton;
  if (hasFrame() && y >= Top + kFrame && y < Top + kFrame + kTitleBar) return Area::TitleBar;
  return Area::Frame;
}

gfx::Rect Form::closeButtonRect() const {
  if (!hasFrame()) return {};
  return gfx::Rect::xywh(Left + Width - kFrame - 18, Top + kFrame + 2, 16, 14);
}

void Form::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  if (hasFrame()) paintFrame(screen, r);
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
