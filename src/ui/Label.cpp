#include "ui/Label.h"

#include "gfx/Contrast.h"

namespace ui {

Label::Label(Control* parent, std::string name, std::string caption) : Control(parent, std::move(name)) {
  Caption = caption.empty() && !Name.empty() ? Name : std::move(caption);
  Width = 65;
  Height = 13;
  // A label takes its parent's colour unless it is given its own.
  if (parent) Color = parent->Color;
}

gfx::Font Label::drawnFont(int width, int height) const {
  if (MinContrast <= 0 && MinFontHeight <= 0) return Font;
  Drawn& d = drawn_;
  if (d.caption == Caption && d.font == Font && d.color == Color && d.width == width && d.height == height)
    return d.drawn;
  gfx::Font font = Font;
  if (MinContrast > 0 && !Transparent) font.Color = gfx::readableOn(Color, font.Color, MinContrast);
  if (MinFontHeight > 0) font = gfx::text::fitting(Caption, font, width, height, WordWrap, MinFontHeight);
  d = {Caption, Font, font, Color, width, height};
  return font;
}

void Label::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  if (!Transparent) screen.fillRect(r, Color);
  if (Caption.empty()) return;
  gfx::Rect box{r.left + Margin, r.top, r.right - Margin, r.bottom};
  screen.Font = drawnFont(box.width(), box.height());
  if (Layered) {
    const int h = gfx::text::lineHeight(screen.Font);
    box.top = r.top + (r.height() - h) / 2;
  }
  screen.textBox(box, Caption, Alignment, WordWrap);
}

}  // namespace ui
