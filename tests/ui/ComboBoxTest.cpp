// The drop-down list: it opens above every form, reports a changed choice
// once, and closes whenever its box goes away.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/Text.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/support/FakePlatform.h"

namespace {

struct Combo : uitest::TestDesktop {
  ui::Form form{desktop, "form"};
  ui::ComboBox box{&form, "ComboBox4"};
  ui::Label below{&form, "below"};
  std::vector<std::string> changes;
  int belowPresses = 0;

  Combo() {
    form.setBounds(0, 0, 640, 480);
    box.setBounds(300, 216, 130, 17);
    below.setBounds(300, 233, 130, 200);  // lies where the list drops
    below.OnMouseDown = [this](ui::MouseButton, ui::Shift, int, int) { ++belowPresses; };
    for (const char* item : {"seine Frau", "ein Blitz", "ein Drache", "sein Hund", "ein Apfel"})
      box.Items.add(item);
    box.OnChange = [this] { changes.push_back(box.Text()); };
    form.Show();
  }
  // The desktop point of item i in the open list.
  gfx::Point itemPoint(int i) {
    const gfx::Rect r = box.list().screenRect();
    return {r.left + 10, r.top + 1 + i * box.list().ItemHeight + 3};
  }
  void later() { platform.virtualClock.advanceBy(1000); }
};

TEST(ComboBox, PressOpensTheListAndChoosingAnItemReportsTheChange) {
  Combo t;
  t.click(310, 220);
  ASSERT_TRUE(t.box.DroppedDown());
  EXPECT_EQ(t.desktop.popup(), &t.box.list());
  const gfx::Point apple = t.itemPoint(4);
  EXPECT_EQ(t.desktop.controlAt(apple.x, apple.y), &t.box.list());  // above the label
  t.later();
  t.click(apple.x, apple.y);
  EXPECT_FALSE(t.box.DroppedDown());
  EXPECT_EQ(t.box.Text(), "ein Apfel");
  EXPECT_EQ(t.box.ItemIndex(), 4);
  EXPECT_EQ(t.belowPresses, 0);
  // Choosing the same item again reports nothing.
  t.later();
  t.click(310, 220);
  t.later();
  t.click(apple.x, apple.y);
  EXPECT_EQ(t.changes, std::vector<std::string>{"ein Apfel"});
}

TEST(ComboBox, DraggingFromTheBoxOntoAnItemChoosesItOnRelease) {
  Combo t;
  t.desktop.mouseDown(ui::MouseButton::Left, 310, 220);
  const gfx::Point blitz = t.itemPoint(1);
  t.desktop.mouseMove(blitz.x, blitz.y);
  t.desktop.mouseUp(ui::MouseButton::Left, blitz.x, blitz.y);
  EXPECT_EQ(t.changes, std::vector<std::string>{"ein Blitz"});
  EXPECT_FALSE(t.box.DroppedDown());
}

TEST(ComboBox, PressOutsideTheOpenListOnlyClosesIt) {
  Combo t;
  t.click(310, 220);
  t.later();
  t.click(10, 10);
  EXPECT_FALSE(t.box.DroppedDown());
  EXPECT_EQ(t.desktop.popup(), nullptr);
  EXPECT_TRUE(t.changes.empty());
  // Pressing the box while open closes it, too.
  t.later();
  t.click(310, 220);
  t.later();
  t.click(310, 220);
  EXPECT_FALSE(t.box.DroppedDown());
}

TEST(ComboBox, ArrowKeysChangeTheSelectionAndReportEachChange) {
  Combo t;
  t.form.SetFocus(&t.box);
  t.key(ui::vk::Down);
  t.key(ui::vk::Down);
  t.key(ui::vk::Up);
  t.key(ui::vk::Up);      // at the top: no change
  t.box.setItemIndex(3);  // by code: no report
  t.key(ui::vk::End);
  EXPECT_EQ(t.changes, (std::vector<std::string>{"seine Frau", "ein Blitz", "seine Frau", "ein Apfel"}));
}

TEST(ComboBox, ListClosesWhenTheBoxIsDisabledOrItsFormHides) {
  Combo t;
  t.click(310, 220);
  t.box.Enabled = false;
  t.key(ui::vk::Down);
  EXPECT_FALSE(t.box.DroppedDown());
  t.box.Enabled = true;
  t.later();
  t.click(310, 220);
  t.form.Hide();
  EXPECT_EQ(t.desktop.popup(), nullptr);
  EXPECT_FALSE(t.box.DroppedDown());
}

TEST(ComboBox, DestroyingAnOpenBoxLeavesNoPopupBehind) {
  Combo t;
  auto box = std::make_unique<ui::ComboBox>(&t.form, "temp");
  box->setBounds(10, 10, 100, 17);
  box->Items.add("a");
  t.click(20, 15);
  ASSERT_EQ(t.desktop.popup(), &box->list());
  box.reset();
  EXPECT_EQ(t.desktop.popup(), nullptr);
  gfx::Bitmap screen;
  t.desktop.compose(screen);  // must not touch the destroyed list
  t.desktop.mouseMove(20, 30);
}

// The first and past-the-last rows of a bitmap's area with ink on white.
std::pair<int, int> inkRows(const gfx::Bitmap& b, const gfx::Rect& area) {
  int top = area.bottom, bottom = area.top;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (gfx::toColor(b.pixel(x, y)) != gfx::clWhite)
        top = std::min(top, y), bottom = std::max(bottom, y + 1);
  return {top, bottom};
}

TEST(ComboBox, ChosenTextIsDrawnWholeInALowBox) {
  Combo t;
  t.box.Items.add("Magnesiumchlorid");
  t.box.setText("Magnesiumchlorid");
  t.form.SetFocus(nullptr);
  gfx::Bitmap screen;
  t.desktop.compose(screen);
  // The same text on open paper: its ink from the tops of "M", "l" and "h"
  // to the bottom of the "g".
  gfx::Bitmap paper(200, 40, gfx::toPixel(gfx::clWhite));
  gfx::Canvas canvas(paper);
  canvas.Font = t.box.Font;
  canvas.BrushClear = true;
  canvas.textOut(5, 5, "Magnesiumchlorid");
  const auto whole = inkRows(paper, paper.bounds());
  // Inside the box's sunken frame, left of its button.
  const gfx::Rect r = t.box.screenRect();
  const auto shown = inkRows(screen, {r.left + 2, r.top + 2, r.right - 20, r.bottom - 2});
  ASSERT_LT(whole.first, whole.second);
  EXPECT_EQ(shown.second - shown.first, whole.second - whole.first)
      << "rows " << shown.first << " to " << shown.second;
}

// A chosen text too long for the closed box is drawn smaller and, where even
// that is too long, shortened: never cut at the button.
TEST(ComboBox, LongChoicesEndBeforeTheButton) {
  for (const char* text :
       {"die Muster sind identisch",
        "die Gymbolusfunktion ist immer unter 0, daher kann man die Muster nicht vergleichen"}) {
    Combo t;
    t.box.setBounds(10, 10, 139, 17);  // the desk's third box
    t.box.Items.add(text);
    t.box.setText(text);
    t.form.SetFocus(nullptr);
    gfx::Bitmap screen;
    t.desktop.compose(screen);
    const gfx::Rect r = t.box.screenRect();
    const int button = r.right - 2 - 16;
    const auto ink = inkRows(screen, {button - 2, r.top + 2, button, r.bottom - 2});
    EXPECT_GE(ink.first, ink.second) << text << ": ink at the button";
    const auto text_ink = inkRows(screen, {r.left + 2, r.top + 2, button, r.bottom - 2});
    EXPECT_LT(text_ink.first, text_ink.second) << text;
  }
}

TEST(ComboBox, FocusKeepsTheColourOfABoxThatHasItsOwn) {
  Combo t;
  t.box.setText("ein Blitz");
  t.form.SetFocus(&t.box);
  t.box.Color = gfx::rgb(255, 0, 0);
  gfx::Bitmap screen;
  t.desktop.compose(screen);
  const gfx::Rect r = t.box.screenRect();
  EXPECT_EQ(gfx::toColor(screen.pixel(r.left + 60, r.top + 3)), gfx::rgb(255, 0, 0));
  // A box in the window colour shows the focus as the selection colour.
  t.box.Color = gfx::clWindow;
  t.desktop.compose(screen);
  EXPECT_EQ(gfx::toColor(screen.pixel(r.left + 60, r.top + 3)), gfx::clHighlight);
}

TEST(ComboBox, OpenListIsAsWideAsItsWidestItemAndStaysInItsArea) {
  Combo t;
  t.box.DropDownArea = {0, 0, 640, 400};
  t.box.setBounds(511, 320, 125, 17);
  const std::string longest =
      "die Gymbolusfunktion ist immer unter 0, daher kann man die Muster nicht vergleichen";
  t.box.Items.add(longest);
  t.click(520, 328);
  ASSERT_TRUE(t.box.DroppedDown());
  const gfx::Rect list = t.box.list().screenRect();
  EXPECT_GE(list.width(), gfx::text::measure(longest, t.box.Font).width + ui::DropDownList::kTextSpace);
  EXPECT_EQ(list.right, 640);   // moved left to stay on the picture
  EXPECT_EQ(list.bottom, 320);  // above the box: below it the area ends
  EXPECT_GE(list.top, 0);
  // Without an area of its own the list may use the whole screen.
  t.later();
  t.click(520, 328);
  t.box.DropDownArea = {};
  t.later();
  t.click(520, 328);
  EXPECT_EQ(t.box.list().screenRect().top, 337);
}

TEST(ComboBox, TextSelectsTheMatchingItem) {
  Combo t;
  t.box.setText("sein Hund");
  EXPECT_EQ(t.box.ItemIndex(), 3);
  t.box.setText("keine Ahnung!");
  EXPECT_EQ(t.box.ItemIndex(), -1);
  EXPECT_EQ(t.box.Text(), "");
  EXPECT_TRUE(t.changes.empty());
}

}  // namespace
