#include "ui/GroupBox.h"

#include "gfx/Text.h"
#include "ui/Look.h"

namespace ui {

GroupBox::GroupBox(Control* parent, std::string name, std::string caption)
    : Control(parent, std::move(name)) {
  Caption = caption.empty() ? Name : std::move(caption);
  Width = 185;
  Height = 105;
  ParentColor = true;
}

void GroupBox::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  const gfx::TColor face = faceColor();
  screen.fillRect(r, face);
  // The frame runs through the middle of the caption's line.
  const int h = gfx::text::lineHeight(Font);
  look::etchedFrame(screen, {r.left, r.top + h / 2, r.right, r.bottom});
  if (Caption.empty()) return;
  const int w = gfx::text::measure(Caption, Font).width;
  const gfx::Rect box = gfx::Rect::xywh(r.left + 8, r.top, w + 4, h);
  screen.fillRect(box, face);
  gfx::Font f = Font;
  if (!enabledInTree()) f.Color = gfx::clGrayText;
  screen.Font = f;
  screen.textBox(box.offset(2, 0), Caption, gfx::Align::Left, false);
}

}  // namespace ui
