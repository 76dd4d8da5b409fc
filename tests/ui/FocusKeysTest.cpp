// Where keys go: the active form's focused control, after the form itself
// when it previews keys; what is left of Enter, Escape and Tab works the
// dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Memo.h"
#include "ui/support/FakePlatform.h"

namespace {

struct Keys : uitest::TestDesktop {
  ui::Form form{desktop, "form"};
  ui::Edit first{&form, "first"};
  ui::Edit second{&form, "second"};
  std::vector<std::string> log;

  Keys() {
    form.setBounds(0, 0, 300, 200);
    first.setBounds(10, 10, 100, 21);
    second.setBounds(10, 40, 100, 21);
    for (ui::Control* c : std::vector<ui::Control*>{&form, &first, &second})
      c->OnKeyDown = [this, c](int& key, ui::Shift) { log.push_back(c->Name + " " + std::to_string(key)); };
  }
};

TEST(FocusAndKeys, ShownFormFocusesItsFirstControlAndKeysGoThere) {
  Keys t;
  t.form.Show();
  EXPECT_EQ(t.form.ActiveControl, &t.first);
  t.desktop.keyDown('A');
  EXPECT_EQ(t.log, std::vector<std::string>{"first 65"});
}

TEST(FocusAndKeys, KeyPreviewFormSeesTheKeyFirstAndCanStopIt) {
  Keys t;
  t.form.KeyPreview = true;
  t.form.OnKeyDown = [&](int& key, ui::Shift) {
    t.log.push_back("form " + std::to_string(key));
    if (key == 'X') key = 0;
  };
  t.form.Show();
  t.desktop.keyDown('A');
  t.desktop.keyDown('X');
  EXPECT_EQ(t.log, (std::vector<std::string>{"form 65", "first 65", "form 88"}));
}

TEST(FocusAndKeys, KeyPreviewFormCanSwallowTypedCharacters) {
  Keys t;
  t.form.KeyPreview = true;
  t.form.OnKeyPress = [](char32_t& ch) {
    if (ch == '*') ch = 0;
  };
  t.form.Show();
  t.first.setText("");
  t.desktop.textInput("a*b");
  EXPECT_EQ(t.first.Text(), "ab");
}

TEST(FocusAndKeys, HiddenFocusedControlHandsTheFocusOnToAVisibleOne) {
  Keys t;
  t.form.Show();
  t.form.SetFocus(&t.first);
  t.first.Visible = false;
  t.desktop.keyDown('B');
  EXPECT_EQ(t.form.ActiveControl, &t.second);
  t.second.Enabled = false;
  t.first.Visible = true;
  t.desktop.keyDown('C');
  EXPECT_EQ(t.log, (std::vector<std::string>{"second 66", "first 67"}));
  // With nothing left to focus, the form takes the keys.
  t.first.Enabled = false;
  t.desktop.keyDown('D');
  EXPECT_EQ(t.log.back(), "form 68");
}

TEST(FocusAndKeys, EnterAndEscapeReachTheDefaultAndCancelButtons) {
  Keys t;
  ui::Button ok(&t.form, "ok"), cancel(&t.form, "cancel"), hiddenDefault(&t.form, "hidden");
  ok.Default = true;
  cancel.Cancel = true;
  hiddenDefault.Visible = false;
  hiddenDefault.Default = true;
  std::vector<std::string> clicks;
  for (ui::Button* b : {&ok, &cancel, &hiddenDefault})
    b->OnClick = [&clicks, b] { clicks.push_back(b->Name); };
  t.form.Show();
  t.key(ui::vk::Return);
  t.key(ui::vk::Escape);
  EXPECT_EQ(clicks, (std::vector<std::string>{"ok", "cancel"}));
  // A handler that takes Enter keeps it from the default button.
  t.first.OnKeyDown = [](int& key, ui::Shift) {
    if (key == ui::vk::Return) key = 0;
  };
  t.key(ui::vk::Return);
  EXPECT_EQ(clicks.size(), 2u);
  // A focused button clicks itself instead of the default one.
  t.form.SetFocus(&cancel);
  t.key(ui::vk::Return);
  EXPECT_EQ(clicks.back(), "cancel");
  EXPECT_EQ(clicks.size(), 3u);
}

TEST(FocusAndKeys, EnterInAMemoStaysInTheMemo) {
  Keys t;
  ui::Memo memo(&t.form, "memo");
  ui::Button ok(&t.form, "ok");
  ok.Default = true;
  int clicks = 0;
  ok.OnClick = [&] { ++clicks; };
  t.form.Show();
  t.form.SetFocus(&memo);
  t.key(ui::vk::Return);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(memo.Lines.Count(), 1);
}

TEST(FocusAndKeys, TabMovesTheFocusInCreationOrderSkippingWhatCannotTakeIt) {
  Keys t;
  ui::Edit third(&t.form, "third");
  t.second.Visible = false;
  t.form.Show();
  t.key(ui::vk::Tab);
  EXPECT_EQ(t.form.ActiveControl, &third);
  t.key(ui::vk::Tab);
  EXPECT_EQ(t.form.ActiveControl, &t.first);
  ui::Shift back;
  back.shift = true;
  t.key(ui::vk::Tab, back);
  EXPECT_EQ(t.form.ActiveControl, &third);
}

TEST(FocusAndKeys, FocusChangeRunsExitThenEnter) {
  Keys t;
  std::vector<std::string> events;
  t.first.OnExit = [&] { events.push_back("first exit"); };
  t.second.OnEnter = [&] { events.push_back("second enter"); };
  t.form.Show();
  t.desktop.mouseDown(ui::MouseButton::Left, 20, 45);
  t.desktop.mouseUp(ui::MouseButton::Left, 20, 45);
  EXPECT_EQ(events, (std::vector<std::string>{"first exit", "second enter"}));
  EXPECT_EQ(t.form.ActiveControl, &t.second);
}

TEST(FocusAndKeys, KeysGoNowhereWhileTheActiveFormIsDisabled) {
  Keys t;
  t.form.Show();
  t.form.Enabled = false;
  t.desktop.keyDown('A');
  t.desktop.textInput("a");
  EXPECT_TRUE(t.log.empty());
  EXPECT_EQ(t.first.Text(), "first");
}

}  // namespace
