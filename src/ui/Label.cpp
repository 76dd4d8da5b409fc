#include "ui/Label.h"

namespace ui {

Label::Label(Control* parent, std::string name, std::string caption) : Control(parent, std::move(name)) {
  Caption = caption.empty() && !Name.empty() ? Name : std::move(caption);
  Width = 65;
  Height = 13;
  // A label takes its parent's colour unless it is given its own.
  if (parent) Color = parent->Color;
}

void Label::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  if (!Transparent) screen.fillRect(r, Color);
  if (Caption.empty()) return;
  screen.Font = Font;
  gfx::Rect box = r;
  if (Layered) {
    const int h = gfx::text::lineHeight(Font);
    box.top = r.top + (r.height() - h) / 2;
  }
  screen.textBox(box, Caption, Alignment, WordWrap);
}

}  // namespace ui
