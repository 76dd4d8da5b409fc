#include "ui/Control.h"

#include <algorithm>

#include "gfx/Blend.h"
#include "ui/Desktop.h"
#include "ui/Form.h"

namespace ui {

Control::Control(Control* parent, std::string name) : Name(std::move(name)), parent_(parent) {
  if (parent_) parent_->children_.push_back(this);
}

Control::~Control() {
  if (Desktop* d = desktop()) d->forget(this);
  if (parent_) parent_->removeChild(this);
  for (Control* child : children_) child->parent_ = nullptr;
}

void Control::removeChild(Control* child) {
  children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
}

void Control::setBounds(int left, int top, int width, int height) {
  Left = left;
  Top = top;
  Width = width;
  Height = height;
}

gfx::TColor Control::faceColor() const {
  return ParentColor && parent_ ? parent_->faceColor() : Color;
}

Form* Control::form() {
  return parent_ ? parent_->form() : nullptr;
}

Desktop* Control::desktop() {
  Form* f = form();
  return f ? &f->desktopRef() : nullptr;
}

gfx::Point Control::clientOrigin() const {
  if (!parent_) return {Left, Top};
  const gfx::Point p = parent_->clientOrigin();
  return {gfx::addSat(p.x, Left), gfx::addSat(p.y, Top)};
}

gfx::Rect Control::screenRect() const {
  const gfx::Point o = clientOrigin();
  return gfx::Rect::xywh(o.x, o.y, Width, Height);
}

gfx::Point Control::toLocal(int desktopX, int desktopY) const {
  const gfx::Point o = clientOrigin();
  return {gfx::addSat(desktopX, -int64_t{o.x}), gfx::addSat(desktopY, -int64_t{o.y})};
}

bool Control::showing() const {
  for (const Control* c = this; c; c = c->parent_)
    if (!c->Visible) return false;
  return true;
}

bool Control::enabledInTree() const {
  for (const Control* c = this; c; c = c->parent_)
    if (!c->Enabled) return false;
  return true;
}

bool Control::focused() const {
  auto* self = const_cast<Control*>(this);
  Form* f = self->form();
  return f && f->ActiveControl == this;
}

void Control::mouseDown(MouseButton button, Shift shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(button, shift, x, y);
}
void Control::mouseUp(MouseButton button, Shift shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(button, shift, x, y);
}
void Control::mouseMove(Shift shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(shift, x, y);
}
void Control::click() {
  if (OnClick) OnClick();
}
void Control::dblClick() {
  if (OnDblClick) OnDblClick();
}
void Control::keyDown(int& key, Shift shift) {
  if (OnKeyDown) OnKeyDown(key, shift);
}
void Control::keyUp(int& key, Shift shift) {
  if (OnKeyUp) OnKeyUp(key, shift);
}
void Control::keyPress(char32_t ch) {
  fireKeyPress(ch);
}

char32_t Control::fireKeyPress(char32_t ch) {
  if (OnKeyPress) OnKeyPress(ch);
  return ch;
}

void Control::focusEnter() {
  if (OnEnter) OnEnter();
}
void Control::focusExit() {
  if (OnExit) OnExit();
}

bool Control::canTakeFocus() const {
  return canFocus() && showing() && enabledInTree();
}

Control* Control::controlAt(int x, int y) {
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    Control* c = *it;
    if (!c->Visible || !c->Enabled) continue;
    if (c->boundsRect().contains(x, y)) return c->controlAt(x - c->Left, y - c->Top);  // inside: no overflow
  }
  return this;
}

void Control::paintTree(gfx::Canvas& screen, const gfx::Rect& clip) {
  if (!Visible) return;
  const gfx::Rect r = screenRect();
  const gfx::Rect visible = r.intersect(clip);
  if (visible.empty()) return;
  screen.setClip(visible);
  paint(screen, r);
  const gfx::Rect client = clientScreenRect();
  const gfx::Rect inner = client.intersect(visible);
  screen.setClip(inner);
  paintScribble(screen, client);
  for (Control* child : children_) child->paintTree(screen, inner);
}

void Control::paint(gfx::Canvas&, const gfx::Rect&) {}

gfx::Canvas& Control::canvas() {
  if (!scribble_) scribble_ = std::make_unique<Scribble>();
  // A change of the look since the last drawing means the control repainted
  // itself in between, which wiped what was drawn before.
  if (scribbleOutdated()) resetScribble();
  scribble_->used = true;
  return *scribble_->canvas;
}

bool Control::scribbleOutdated() const {
  const Scribble& s = *scribble_;
  const gfx::Rect client = clientScreenRect();
  return !s.canvas || s.caption != Caption || s.color != Color || !(s.font == Font) ||
         s.width != client.width() || s.height != client.height();
}

void Control::resetScribble() {
  Scribble& s = *scribble_;
  s.caption = Caption;
  s.color = Color;
  s.font = Font;
  const gfx::Rect client = clientScreenRect();
  s.width = client.width();
  s.height = client.height();
  s.pixels = gfx::Bitmap(s.width, s.height, 0);
  s.canvas = std::make_unique<gfx::Canvas>(s.pixels);
  s.canvas->Font = Font;
  s.used = false;
}

void Control::paintScribble(gfx::Canvas& screen, const gfx::Rect& r) {
  if (!scribble_ || !scribble_->used) return;
  if (scribbleOutdated()) {
    resetScribble();
    return;
  }
  gfx::blendOnto(screen.target(), r.left, r.top, scribble_->pixels, screen.clip());
}

}  // namespace ui
