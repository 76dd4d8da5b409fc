#include "ui/Panel.h"

#include "gfx/Text.h"
#include "ui/Look.h"

namespace ui {

Panel::Panel(Control* parent, std::string name) : Control(parent, std::move(name)) {
  Caption = Name;
  Width = 185;
  Height = 41;
}

void Panel::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  screen.fillRect(r, Color);
  if (BevelOuter == Bevel::Raised) {
    screen.line(r.left, r.top, r.right, r.top, gfx::clBtnHighlight);
    screen.line(r.left, r.top, r.left, r.bottom, gfx::clBtnHighlight);
    screen.line(r.left, r.bottom - 1, r.right, r.bottom - 1, gfx::clBtnShadow);
    screen.line(r.right - 1, r.top, r.right - 1, r.bottom, gfx::clBtnShadow);
  } else if (BevelOuter == Bevel::Lowered) {
    screen.line(r.left, r.top, r.right, r.top, gfx::clBtnShadow);
    screen.line(r.left, r.top, r.left, r.bottom, gfx::clBtnShadow);
    screen.line(r.left, r.bottom - 1, r.right, r.bottom - 1, gfx::clBtnHighlight);
    screen.line(r.right - 1, r.top, r.right - 1, r.bottom, gfx::clBtnHighlight);
  }
  if (Caption.empty()) return;
  screen.Font = Font;
  const int h = gfx::text::lineHeight(Font);
  screen.textBox({r.left, r.top + (r.height() - h) / 2, r.right, r.bottom}, Caption, gfx::Align::Center,
                 false);
}

}  // namespace ui
