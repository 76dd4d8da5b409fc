#include "state/DeveloperView.h"

#include "gfx/Text.h"
#include "state/TForm2.h"

namespace game {

SlotTable::SlotTable(ui::Control* parent, TForm2& store) : ui::Control(parent, "SlotTable"), store_(store) {
  Color = gfx::clWindow;
  Font.Height = 10;
}

void SlotTable::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  screen.fillRect(r, Color);
  screen.Font = Font;
  screen.BrushClear = true;
  const int step = gfx::text::lineHeight(Font);
  const int half = (static_cast<int>(store_.slots().size()) + 1) / 2;
  int i = 0;
  for (const auto& [name, slot] : store_.slots()) {
    const int x = r.left + 2 + (i / half) * (r.width() / 2);
    const int y = r.top + 2 + (i % half) * step;
    screen.textOut(x, y,
                   name + ": " + std::to_string(slot->Tag) + " / " + std::to_string(slot->Left) + " / " +
                       slot->Caption + (slot->Hint.empty() ? "" : " [" + slot->Hint + "]"));
    ++i;
  }
  screen.BrushClear = false;
}

ListView::ListView(ui::Control* parent, const sys::TextList& list)
    : ui::Control(parent, "ListView"), list_(list) {
  Color = gfx::clWindow;
  Font.Height = 10;
}

void ListView::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  screen.fillRect(r, Color);
  screen.Font = Font;
  screen.BrushClear = true;
  const int step = gfx::text::lineHeight(Font);
  const int rows = std::max(1, r.height() / step);
  const int first = std::max(0, list_.Count() - rows);
  for (int i = first, y = r.top + 1; i < list_.Count(); ++i, y += step)
    screen.textOut(r.left + 2, y, list_.get(i));
  screen.BrushClear = false;
}

}  // namespace game
