// The story-dependent hot spots: each rule with its condition met loads its
// own script; with the condition not met the hot spot's plain script runs.
#include <gtest/gtest.h>

#include <functional>

#include "interaction/ClickFixture.h"

namespace clicktest {
namespace {

using Lines = std::vector<std::string>;
using ui::MouseButton;

struct Case {
  const char* name;
  int room;
  const char* prefix;
  int hotSpot;
  MouseButton button;
  std::function<void(game::TForm2&)> met;     // the condition holds
  std::function<void(game::TForm2&)> notMet;  // it does not
  const char* script;                         // loaded when met; null: nothing at all
};

const Case kCases[] = {
    {"Franz waits", 5, "Gang4", 5, MouseButton::Left, [](auto& s) { s.Franz.Tag = 5; },
     [](auto& s) { s.Franz.Tag = 4; }, "gang45l2.smx"},
    {"archivist awake, left", 104, "Archiv", 2, MouseButton::Left, [](auto&) {},
     [](auto& s) { s.buch.Hint = "schlaf"; }, "archiv2l2.smx"},
    {"archivist awake, right", 104, "Archiv", 2, MouseButton::Right, [](auto&) {},
     [](auto& s) { s.buch.Hint = "schlaf"; }, "archiv2r2.smx"},
    {"archive door", 104, "Archiv", 3, MouseButton::Left, [](auto& s) { s.leiche.Tag = 5; },
     [](auto& s) { s.leiche.Tag = 4; }, "leiche0.smx"},
    {"canteen door", 4, "Gang3", 3, MouseButton::Left, [](auto&) {}, [](auto& s) { s.hubert.Tag = 1; },
     "gang33la.smx"},
    {"lift with card", 3, "Gang2", 2, MouseButton::Left, [](auto& s) { s.lift.Tag = 1; },
     [](auto& s) { s.lift.Tag = 0; }, "lift2.smx"},
    {"corridor 100 after the body", 100, "Gang100", 2, MouseButton::Right, [](auto& s) { s.leiche.Tag = 2; },
     [](auto& s) { s.leiche.Tag = 1; }, "gang1002la.smx"},
    {"corridor 100 first time", 100, "Gang100", 2, MouseButton::Left, [](auto&) {},
     [](auto& s) { s.leiche.Tag = 1; }, "leiche.smx"},
    {"Hubert first talk", 5, "Gang4", 3, MouseButton::Left, [](auto&) {}, [](auto& s) { s.hubert.Tag = 1; },
     "hubert1.dia"},
    {"production, right", 5, "Gang4", 3, MouseButton::Right, [](auto& s) { s.hubert.Tag = 2; },
     [](auto& s) { s.hubert.Tag = 1; }, "gang43r2.smx"},
    {"production, later", 5, "Gang4", 3, MouseButton::Left, [](auto& s) { s.hubert.Tag = 3; },
     [](auto& s) { s.hubert.Tag = 2; }, "hubert2.smx"},
    {"plan taken", 71, "Kantine2", 5, MouseButton::Right, [](auto& s) { s.toegl.Tag = 2; },
     [](auto& s) { s.toegl.Tag = 1; }, "plan.smx"},
    {"plan gone", 71, "Kantine2", 5, MouseButton::Left, [](auto& s) { s.toegl.Tag = 3; },
     [](auto& s) { s.toegl.Tag = 1; }, nullptr},
    {"Hubert's tools", 8, "Bastelraum", 3, MouseButton::Right, [](auto& s) { s.hubert.Tag = 2; },
     [](auto& s) { s.hubert.Tag = 3; }, "bastelraum3l2.smx"},
    {"Tägl", 4, "Gang3", 3, MouseButton::Right, [](auto& s) { s.toegl.Tag = 1; }, [](auto&) {}, "toegl1.dia"},
};

std::string plainScript(const Case& c) {
  return std::string(c.prefix) + std::to_string(c.hotSpot) + (c.button == MouseButton::Right ? "r" : "l") +
         ".smx";
}

TEST_F(ClickTest, EachStoryRuleWithItsConditionMetAndNotMet) {
  for (const Case& c : kCases) {
    for (const bool met : {true, false}) {
      SCOPED_TRACE(std::string(c.name) + (met ? ", met" : ", not met"));
      reset();
      for (const Case& other : kCases)
        if (other.script) script(other.script);
      script(plainScript(c));
      pointAt(c.room, c.prefix, c.hotSpot);
      (met ? c.met : c.notMet)(f2());
      f1().zoneMouseDown(c.button, 300);
      const std::string expected = met ? (c.script ? c.script : "") : plainScript(c);
      EXPECT_EQ(queue(), expected.empty() ? Lines{} : Lines{"from " + expected});
    }
  }
}

TEST_F(ClickTest, StoryRulesMoveTheStoryOn) {
  script("leiche0.smx");
  script("Archiv3l.smx");
  pointAt(104, "Archiv", 3);
  f2().leiche.Tag = 1;
  left();
  EXPECT_EQ(f2().leiche.Tag, 2);  // found, and the door still opens as usual
  EXPECT_EQ(queue(), (Lines{"from Archiv3l.smx"}));
  f2().leiche.Tag = 5;
  left();
  EXPECT_EQ(f2().leiche.Tag, 6);

  script("leiche.smx");
  pointAt(100, "Gang100", 2);
  f2().leiche.Tag = 0;
  right();
  EXPECT_EQ(f2().leiche.Tag, 1);

  script("plan.smx");
  pointAt(71, "Kantine2", 5);
  f2().toegl.Tag = 2;
  left();
  EXPECT_EQ(f2().toegl.Tag, 3);
}

TEST_F(ClickTest, FirstLiftRideAddsTheCardQuestionAsCorinnasSecondChoice) {
  script("lift.smx");
  f2().Memo5.assign({"Franz:", "Servus.", "Corinna:", "Hallo!", "Tschüss."});
  pointAt(3, "Gang2", 2);
  left();
  const std::string question = "Kann ich mir deine Liftkarte borgen? Ich hab meine ruiniert!";
  EXPECT_EQ(f2().lift.Tag, 1);
  EXPECT_EQ(queue(), (Lines{"from lift.smx"}));
  EXPECT_EQ(f2().Memo5.lines(), (Lines{"Franz:", "Servus.", "Corinna:", "Hallo!", question, "Tschüss."}));
}

TEST_F(ClickTest, WorkshopToolsVanishOnceHubertHasThem) {
  script("Bastelraum3l.smx");
  pointAt(8, "Bastelraum", 3);
  f1().object3.Top = 120;
  f2().hubert.Tag = 3;
  right();
  EXPECT_EQ(f1().object3.Top, 120);  // only the left button takes them away
  left();
  EXPECT_EQ(f1().object3.Top, -600);
  EXPECT_EQ(queue(), (Lines{"from Bastelraum3l.smx"}));
}

TEST_F(ClickTest, DeskMicroscopeHidesTheAnswerBoxesAndStillRunsItsScript) {
  script("Schreibtisch1l.smx");
  for (ui::ComboBox* box : {&f1().ComboBox1, &f1().ComboBox2, &f1().ComboBox3, &f1().ComboBox4}) {
    box->Enabled = true;
    box->Top = 160;
  }
  pointAt(1111, "Schreibtisch", 1);
  left();
  for (ui::ComboBox* box : {&f1().ComboBox1, &f1().ComboBox2, &f1().ComboBox3, &f1().ComboBox4}) {
    EXPECT_FALSE(box->Enabled);
    EXPECT_EQ(box->Top, 5000);
  }
  EXPECT_EQ(queue(), (Lines{"from Schreibtisch1l.smx"}));
}

TEST_F(ClickTest, MissingStoryScriptIsReportedOnceAndLeavesTheQueue) {
  pointAt(5, "Gang4", 5);
  f2().Franz.Tag = 5;
  f2().Memo1.assign({"wait for talk"});
  left();
  EXPECT_EQ(queue(), (Lines{"wait for talk"}));
  ASSERT_EQ(errors().Count(), 1) << errors().text();
  EXPECT_NE(errors().last().find("gang45l2.smx"), std::string::npos);
}

TEST_F(ClickTest, ItemInHandSkipsTheStoryRules) {
  script("gang45l2.smx");
  pointAt(5, "Gang4", 5);
  f2().Franz.Tag = 5;
  f2().inventar.Tag = 2;
  left();
  EXPECT_EQ(f2().Memo1.indexOf("from gang45l2.smx"), -1);
  EXPECT_EQ(f2().inventar.Tag, 0);
}

}  // namespace
}  // namespace clicktest
