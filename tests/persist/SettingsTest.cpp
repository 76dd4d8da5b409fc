// The settings screen, the settings panel that mirrors into it, and the
// error window.
#include <gtest/gtest.h>

#include "core/TForm1.h"
#include "core/TForm10.h"
#include "core/TForm11.h"
#include "core/TForm5.h"
#include "support/GameFixture.h"
#include "sys/TextList.h"

namespace {

class SettingsTest : public testsupport::GameTest {
 protected:
  game::TForm5& screen() { return *g().Form5; }
  game::TForm10& panel() { return *g().Form10; }
};

TEST_F(SettingsTest, SoundOffOnThePanelSwitchesSpeechOffOnTheScreenOnly) {
  panel().CheckBox2.setChecked(false);
  EXPECT_FALSE(screen().CheckBox2.Checked());
  EXPECT_FALSE(screen().CheckBox3.Checked());
  EXPECT_FALSE(screen().CheckBox3.Enabled);
  EXPECT_TRUE(panel().CheckBox3.Checked());
  panel().CheckBox2.setChecked(true);
  EXPECT_TRUE(screen().CheckBox3.Checked());
  EXPECT_TRUE(screen().CheckBox3.Enabled);
}

TEST_F(SettingsTest, SpeedIsMirroredBetweenTrackBarSpeedFieldAndTimers) {
  panel().TrackBar1.setPosition(100);
  EXPECT_EQ(screen().TrackBar1.Position(), 100);
  EXPECT_EQ(screen().edit1.Text(), "100");
  EXPECT_EQ(g().desktop.timerGranularity(), 15);
  screen().edit1.setText("1");
  EXPECT_EQ(screen().TrackBar1.Position(), 1);
  EXPECT_EQ(g().desktop.timerGranularity(), 55);
  screen().edit1.setText("schnell");  // not a number: the track bar stays
  EXPECT_EQ(screen().TrackBar1.Position(), 1);
}

TEST_F(SettingsTest, DetailsTwiceReturnsToTheShortFormInTheMiddle) {
  screen().Width = game::TForm5::kShortWidth;
  screen().Button3.click();
  EXPECT_EQ(screen().Width, game::TForm5::kLongWidth);
  EXPECT_EQ(screen().Button3.Caption, "weniger Details");
  screen().Button3.click();
  EXPECT_EQ(screen().Width, 339);
  EXPECT_EQ(screen().Left, 151);
  EXPECT_EQ(screen().Button3.Caption, "Details ...");
  EXPECT_FALSE(screen().CheckBox2.Enabled);
}

TEST_F(SettingsTest, TheOtherLanguageIsRefusedAndGermanStaysSelected) {
  screen().RadioButton2.setChecked(true);
  EXPECT_TRUE(screen().RadioButton1.Checked());
  EXPECT_FALSE(screen().RadioButton2.Checked());
}

TEST_F(SettingsTest, ClosingThePanelWritesTheOptionsFile) {
  panel().CheckBox4.setChecked(false);
  panel().TrackBar1.setPosition(42);
  panel().Show();
  int escape = ui::vk::Escape;
  panel().FormKeyUp(escape);
  EXPECT_FALSE(panel().Visible);
  sys::TextList written;
  ASSERT_TRUE(written.loadFromFile(dir.path() + "/optionsNT.pre").ok());
  EXPECT_EQ(written.Count(), 43);
  EXPECT_EQ(written.get(10), "42");
  EXPECT_EQ(written.get(19), "false");  // [text]
  EXPECT_EQ(written.get(22), "true");   // [speak]
  EXPECT_EQ(written.get(25), "user");
}

TEST_F(SettingsTest, AFatalLineStopsTheGameAndFurtherLinesAreAppended) {
  f1().Runner.setEnabled(true);
  f1().reportFatal("ERROR: eins");
  game::TForm11& window = *g().Form11;
  EXPECT_TRUE(window.Visible);
  EXPECT_FALSE(f1().Runner.Enabled());
  EXPECT_FALSE(f1().Enabled);
  f1().reportFatal("ERROR: zwei");
  EXPECT_EQ(window.Memo1.Lines.lines(), (std::vector<std::string>{"ERROR: eins", "ERROR: zwei"}));
  EXPECT_TRUE(window.Visible);
}

TEST_F(SettingsTest, TheErrorWindowShowsTheProtocolAndClosingItEndsTheGame) {
  f1().log("erste Zeile");
  f1().reportFatal("ERROR: eins");
  game::TForm11& window = *g().Form11;
  window.Button4.click();
  EXPECT_EQ(window.Label1.Caption, "Protokoll");
  EXPECT_EQ(window.Memo1.Lines.get(0), "erste Zeile");
  window.Close();
  EXPECT_TRUE(g().desktop.terminated());
}

}  // namespace
