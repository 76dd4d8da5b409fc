#include "ui/Memo.h"

#include <algorithm>

#include "gfx/Text.h"
#include "ui/Look.h"
#include "ui/Utf8.h"

namespace ui {

Memo::Memo(Control* parent, std::string name) : Control(parent, std::move(name)) {
  Width = 185;
  Height = 89;
  Color = gfx::clWindow;
  Lines.OnChange = [this] {
    // Show the newest lines, as a memo scrolls to where text was added.
    TopLine = std::max(0, Lines.Count() - visibleLines());
    if (OnChange) OnChange();
  };
}

int Memo::visibleLines() const {
  return std::max(1, (Height - 4) / std::max(1, gfx::text::lineHeight(Font)));
}

void Memo::keyDown(int& key, Shift shift) {
  Control::keyDown(key, shift);
  if (ReadOnly || key == 0) return;
  if (key == vk::Return) {
    Lines.add("");
    key = 0;
  } else if (key == vk::Back) {
    if (Lines.empty()) return;
    std::string last = Lines.get(Lines.Count() - 1);
    if (last.empty()) {
      Lines.remove(Lines.Count() - 1);
    } else {
      // Remove the last UTF-8 character.
      size_t cut = last.size() - 1;
      while (cut > 0 && (static_cast<unsigned char>(last[cut]) & 0xC0) == 0x80) --cut;
      Lines.set(Lines.Count() - 1, last.substr(0, cut));
    }
    key = 0;
  }
}

void Memo::keyPress(char32_t ch) {
  ch = fireKeyPress(ch);
  if (ReadOnly || ch < 32) return;
  const std::string typed = utf8::encode(ch);
  if (Lines.empty())
    Lines.add(typed);
  else
    Lines.set(Lines.Count() - 1, Lines.get(Lines.Count() - 1) + typed);
}

void Memo::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  look::sunkenFrame(screen, r, Color);
  const gfx::Rect inner{r.left + 3, r.top + 2, r.right - 3, r.bottom - 2};
  screen.setClip(inner.intersect(screen.clip()));
  screen.Font = Font;
  screen.BrushClear = true;
  const int step = gfx::text::lineHeight(Font);
  int y = inner.top;
  for (int i = TopLine; i < Lines.Count() && y < inner.bottom; ++i, y += step)
    screen.textOut(inner.left, y, Lines.get(i));
  screen.BrushClear = false;
}

}  // namespace ui
