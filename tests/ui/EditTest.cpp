// Typing into single-line fields: the limit, deleting, and what reaches
// the key handlers.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/SpinEdit.h"
#include "ui/support/FakePlatform.h"

namespace {

struct Fields : uitest::TestDesktop {
  ui::Form form{desktop, "form"};
  ui::Edit name{&form, "Edit1", "*.kvt"};
  std::vector<std::string> changes;
  Fields() {
    form.setBounds(0, 0, 300, 200);
    name.setBounds(25, 16, 160, 21);
    name.MaxLength = 15;
    name.OnChange = [this] { changes.push_back(name.Text()); };
  }
};

TEST(Edit, ShowingTheFormSelectsTheTextSoTypingReplacesIt) {
  Fields t;
  t.form.Show();
  t.desktop.textInput("abend");
  EXPECT_EQ(t.name.Text(), "abend");
  EXPECT_EQ(t.changes.front(), "a");
}

TEST(Edit, MaxLengthRefusesTheSixteenthCharacterCountingCharactersNotBytes) {
  Fields t;
  t.form.Show();
  t.desktop.textInput("Kapitelüberzwölf");  // 16 characters, 18 bytes
  EXPECT_EQ(t.name.Text(), "Kapitelüberzwöl");
  t.desktop.keyDown(ui::vk::Back);
  t.desktop.textInput("xy");
  EXPECT_EQ(t.name.Text(), "Kapitelüberzwöx");
  // Set by code, a text is taken whole.
  t.name.setText("a name of twenty chars");
  EXPECT_EQ(t.name.Text(), "a name of twenty chars");
}

TEST(Edit, BackspaceAndDeleteRemoveWholeCharacters) {
  Fields t;
  t.form.Show();
  t.desktop.textInput("Bär");
  t.key(ui::vk::Back);
  t.key(ui::vk::Back);
  EXPECT_EQ(t.name.Text(), "B");
  t.desktop.textInput("öse");
  t.key(ui::vk::Home);
  t.key(ui::vk::Delete);
  t.key(ui::vk::Right);
  t.desktop.textInput("-");
  EXPECT_EQ(t.name.Text(), "ö-se");
}

TEST(Edit, KeyHandlersSeeTheKeysAndCanStopThem) {
  Fields t;
  std::vector<int> ups;
  t.name.OnKeyUp = [&](int& key, ui::Shift) { ups.push_back(key); };
  t.name.OnKeyDown = [](int& key, ui::Shift) {
    if (key == ui::vk::Back) key = 0;
  };
  t.form.Show();
  t.key(ui::vk::End);
  t.key(ui::vk::Back);  // swallowed by the handler
  t.key(ui::vk::Return);
  EXPECT_EQ(t.name.Text(), "*.kvt");
  EXPECT_EQ(ups, (std::vector<int>{ui::vk::End, ui::vk::Back, ui::vk::Return}));
}

TEST(Edit, ReadOnlyFieldTakesNoTyping) {
  Fields t;
  t.name.ReadOnly = true;
  t.form.Show();
  t.desktop.textInput("x");
  t.key(ui::vk::Back);
  EXPECT_EQ(t.name.Text(), "*.kvt");
  EXPECT_TRUE(t.changes.empty());
}

TEST(SpinEdit, TakesDigitsOnlyAndStepsWithinItsBounds) {
  Fields t;
  ui::SpinEdit speed(&t.form, "edit1");
  speed.setBounds(10, 60, 60, 21);
  speed.MinValue = 1;
  speed.MaxValue = 100;
  std::vector<std::string> changes;
  speed.OnChange = [&] { changes.push_back(speed.Text()); };
  t.form.Show();
  t.form.SetFocus(&speed);  // selects the "0"
  t.desktop.textInput("9x8");
  EXPECT_EQ(speed.Text(), "98");
  t.key(ui::vk::Up);
  t.key(ui::vk::Up);
  t.key(ui::vk::Up);
  EXPECT_EQ(speed.Value(), 100);
  // The lower button steps down.
  t.click(speed.Left + speed.Width - 8, speed.Top + speed.Height - 5);
  EXPECT_EQ(speed.Text(), "99");
  EXPECT_EQ(changes, (std::vector<std::string>{"9", "98", "99", "100", "99"}));
  speed.setText("Speed:");
  EXPECT_EQ(speed.Value(), 1);  // not a number: the lowest value
  // Without bounds, stepping past the largest number stays there.
  speed.MinValue = speed.MaxValue = 0;
  speed.setValue(INT_MAX);
  t.key(ui::vk::Up);
  EXPECT_EQ(speed.Text(), std::to_string(INT_MAX));
}

}  // namespace
