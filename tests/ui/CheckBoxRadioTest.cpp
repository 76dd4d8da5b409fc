// Check boxes report only real changes; radio buttons of one parent form a
// group of which one is checked.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/CheckBox.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/RadioButton.h"
#include "ui/support/FakePlatform.h"

namespace {

struct Boxes : uitest::TestDesktop {
  ui::Form form{desktop, "form"};
  Boxes() {
    form.setBounds(0, 0, 400, 300);
    form.Show();
  }
};

TEST(CheckBox, ClickHandlerRunsOnlyWhenTheStateChanges) {
  Boxes t;
  ui::CheckBox box(&t.form, "CheckBox3", "Sprachausgabe (wenn verfügbar)");
  std::vector<bool> seen;
  box.OnClick = [&] { seen.push_back(box.Checked()); };
  box.setChecked(true);
  box.setChecked(true);  // the same state: no copy, no handler
  box.setChecked(false);
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST(CheckBox, ClickingAndSpaceToggle) {
  Boxes t;
  ui::CheckBox box(&t.form, "box");
  box.setBounds(10, 10, 120, 17);
  int clicks = 0;
  box.OnClick = [&] { ++clicks; };
  t.click(15, 15);
  EXPECT_TRUE(box.Checked());
  t.platform.virtualClock.advanceBy(1000);
  t.click(15, 15);
  EXPECT_FALSE(box.Checked());
  t.key(ui::vk::Space);  // the click gave it the focus
  EXPECT_TRUE(box.Checked());
  EXPECT_EQ(clicks, 3);
}

TEST(CheckBox, DisabledBoxIgnoresTheMouseButKeepsItsState) {
  Boxes t;
  ui::CheckBox box(&t.form, "box");
  box.setBounds(10, 10, 120, 17);
  box.setChecked(true);
  box.Enabled = false;
  t.click(15, 15);
  EXPECT_TRUE(box.Checked());
  EXPECT_FALSE(box.canTakeFocus());
}

TEST(RadioButton, CheckingOneUnchecksItsSiblingsOnly) {
  Boxes t;
  ui::RadioButton german(&t.form, "RadioButton1"), other(&t.form, "RadioButton2");
  ui::GroupBox group(&t.form, "group");
  ui::RadioButton elsewhere(&group, "elsewhere");
  std::vector<std::string> clicks;
  for (ui::RadioButton* r : {&german, &other, &elsewhere})
    r->OnClick = [&clicks, r] { clicks.push_back(r->Name); };
  german.setChecked(true);
  elsewhere.setChecked(true);
  other.setChecked(true);
  EXPECT_FALSE(german.Checked());
  EXPECT_TRUE(other.Checked());
  EXPECT_TRUE(elsewhere.Checked());  // another parent, another group
  // The one switched off quietly does not report.
  EXPECT_EQ(clicks, (std::vector<std::string>{"RadioButton1", "elsewhere", "RadioButton2"}));
}

TEST(RadioButton, ClickHandlerMaySelectAnotherButtonOfTheGroup) {
  Boxes t;
  ui::RadioButton german(&t.form, "RadioButton1"), other(&t.form, "RadioButton2");
  german.setBounds(10, 10, 100, 17);
  other.setBounds(10, 40, 100, 17);
  german.setChecked(true);
  int refusals = 0;
  // A refused choice: the handler puts the group back.
  other.OnClick = [&] {
    ++refusals;
    german.setChecked(true);
  };
  t.click(15, 45);
  EXPECT_EQ(refusals, 1);
  EXPECT_TRUE(german.Checked());
  EXPECT_FALSE(other.Checked());
  // Clicking the checked button again changes nothing and reports nothing.
  german.OnClick = [&] { ++refusals; };
  t.platform.virtualClock.advanceBy(1000);
  t.click(15, 15);
  EXPECT_EQ(refusals, 1);
}

}  // namespace
