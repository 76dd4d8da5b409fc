// Every caption a player can see on the game's windows is drawn whole: it
// fits its label or button in the font it is drawn in.
#include <functional>

#include "gfx/Text.h"
#include "support/GameFixture.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Label.h"

namespace {

// Shown whenever its form is: neither it nor a parent below the form hidden.
bool shownWithItsForm(const ui::Control& c) {
  for (const ui::Control* p = &c; p && !dynamic_cast<const ui::Form*>(p); p = p->parent())
    if (!p->Visible) return false;
  return true;
}

struct CaptionsFit : testsupport::GameTest {};

TEST_F(CaptionsFit, OnEveryWindow) {
  createGame();
  std::function<void(ui::Control&)> check = [&](ui::Control& c) {
    const auto* label = dynamic_cast<const ui::Label*>(&c);
    const bool button = dynamic_cast<const ui::Button*>(&c) != nullptr;
    if ((label || button) && shownWithItsForm(c) && !c.Caption.empty()) {
      const std::string where = c.form()->Name + "." + c.Name + " \"" + c.Caption + "\"";
      const int room = button ? c.Width - 6 : c.Width;
      EXPECT_LE(gfx::text::lineHeight(c.Font), c.Height) << where;
      if (!label || !label->WordWrap) {
        EXPECT_LE(gfx::text::measure(c.Caption, c.Font).width, room) << where;
      }
    }
    for (ui::Control* child : c.children()) check(*child);
  };
  for (ui::Form* form : g().desktop.zOrder()) check(*form);
}

}  // namespace
