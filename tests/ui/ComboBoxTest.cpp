// The drop-down list: it opens above every form, reports a changed choice
// once, and closes whenever its box goes away.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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
