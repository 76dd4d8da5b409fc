// The developer command line, the protocol screen's list of unvoiced lines
// and the title screen's keys.
#include <gtest/gtest.h>

#include "core/TForm1.h"
#include "core/TForm12.h"
#include "core/TForm3.h"
#include "core/TForm8.h"
#include "persist/support/ScriptedGame.h"
#include "state/TForm2.h"

namespace {

using Lines = std::vector<std::string>;

class SideScreens : public savetest::ScriptedGameTest {};

TEST_F(SideScreens, TheCommandLineReplacesTheQueueWithItsLines) {
  game::TForm8& line = *g().Form8;
  f2().Memo1.assign({"wait", "5"});
  line.Show();
  line.Memo1.Lines.assign({"goto room", "3", "say", "Kroxl", "Hallo"});
  line.Button2.click();
  EXPECT_EQ(f2().Memo1.lines(), (Lines{"goto room", "3", "say", "Kroxl", "Hallo"}));
  EXPECT_FALSE(line.Visible);

  line.Show();
  line.Memo1.Lines.clear();
  line.Button2.click();
  EXPECT_TRUE(f2().Memo1.empty());

  platform().answers = {ui::TModalResult::Ok};
  line.Show();
  line.Button1.click();
  ASSERT_EQ(platform().asked.size(), 1u);
  EXPECT_EQ(platform().asked[0].text, "Function not aviable! Read help.txt for details.");
  EXPECT_TRUE(line.Visible);
  line.Button3.click();
  EXPECT_FALSE(line.Visible);
}

TEST_F(SideScreens, UnvoicedLinesAreCountedAndSavedBesideTheSavedGames) {
  game::TForm3& protocol = *g().Form3;
  protocol.Memo3.Lines.add("Kroxl: \"Wo ist mein Kaffee?\"");
  protocol.Memo3.Lines.add("Tägl: \"Aus!\"");
  EXPECT_EQ(protocol.Button3.Caption, "Sätze speichern: 2");
  protocol.Button3.click();
  sys::TextList saved;
  ASSERT_TRUE(saved.loadFromFile(path("savegames/synchro zusammenfasssung.txt")).ok());
  EXPECT_EQ(saved.lines(), protocol.Memo3.Lines.lines());
}

TEST_F(SideScreens, TheTitleScreenLeavesItsSplashOnEnterAndEndsTheGameOnEscape) {
  game::TForm12& title = *g().Form12;
  title.Panel1.Top = 0;
  title.Show();
  key(ui::vk::Return);
  EXPECT_EQ(title.Panel1.Top, 5000);
  EXPECT_FALSE(g().desktop.terminated());
  key(ui::vk::Escape);
  EXPECT_TRUE(g().desktop.terminated());
}

}  // namespace
