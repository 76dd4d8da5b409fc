// Clicks on the room picture and beside it: walk targets, the double click,
// hot-spot scripts and refusals, and what a click may not do during a scene.
#include <gtest/gtest.h>

#include "core/TForm13.h"
#include "interaction/ClickFixture.h"

namespace clicktest {
namespace {

using Lines = std::vector<std::string>;

TEST_F(ClickTest, FloorClickWithAnItemInHandOnlyPutsItAway) {
  f2().inventar.Tag = 2;
  f1().block.Left = 77;
  left(300);
  EXPECT_EQ(f2().inventar.Tag, 0);
  EXPECT_EQ(f1().block.Left, 77);
  EXPECT_TRUE(f2().Memo2.empty());
}

TEST_F(ClickTest, WalkTargetIsClampedToTheStripAndThenToTheRoomsLimits) {
  const auto targetFor = [&](int x) {
    f1().clickCountdown = 0;  // single clicks
    left(x);
    return f1().block.Left;
  };
  EXPECT_EQ(targetFor(300), 260);
  EXPECT_EQ(targetFor(10), 100);   // 100 inside the strip's left edge
  EXPECT_EQ(targetFor(600), 440);  // beyond width - 100: width - 200
  f2().Grenze.Left = 250;
  f2().Grenze.Width = 500;
  EXPECT_EQ(targetFor(200), 250);
  EXPECT_EQ(targetFor(520), 500);  // the limit wins over the strip's clamp
  f1().zone.setBounds(120, 200, 600, 280);
  f2().Grenze.Left = 0;
  f2().Grenze.Width = 640;
  EXPECT_EQ(targetFor(200), 220);
  EXPECT_EQ(f2().Memo2.last(), "walking to 0");  // the position, not the target
}

TEST_F(ClickTest, SecondClickWithinTheCountdownPlacesHimAtOnce) {
  f2().posit.Tag = 450;
  f1().Image2.setBounds(400, 481, 640, 280);
  f1().Image2.canvas().fillRect({0, 0, 640, 280}, gfx::clLime);
  f1().schirm.canvas().fillRect({0, 0, 640, 400}, gfx::clRed);

  left(300);
  EXPECT_EQ(f1().clickCountdown, 4);
  EXPECT_EQ(f2().posit.Tag, 450);  // the first click only sets the target
  EXPECT_EQ(gfx::toColor(f1().schirm.Picture.pixel(300, 300)), gfx::clRed);

  f1().clickCountdown = 2;  // two runner ticks later
  left(300);
  EXPECT_EQ(f2().posit.Tag, 260);
  EXPECT_EQ(f1().block.Left, 260);
  EXPECT_EQ(f1().clickCountdown, 4);
  EXPECT_EQ(f2().Memo2.last(), "walking to 260");
  // The clean strip was copied over the sprite's old place.
  EXPECT_EQ(gfx::toColor(f1().schirm.Picture.pixel(300, 300)), gfx::clLime);
  EXPECT_EQ(gfx::toColor(f1().schirm.Picture.pixel(300, 100)), gfx::clRed);
}

TEST_F(ClickTest, ClicksAfterTheCountdownRanOutWalkAgain) {
  f2().posit.Tag = 450;
  left(300);
  f1().clickCountdown = 0;
  left(300);
  EXPECT_EQ(f1().clickCountdown, 4);
  EXPECT_EQ(f2().posit.Tag, 450);
  // A negative count is the runner's business and stays.
  f1().clickCountdown = -55;
  f2().mode.Caption = "dialog";
  left(300);
  EXPECT_EQ(f1().clickCountdown, -55);
}

TEST_F(ClickTest, HotSpotWithoutScriptGlancesAndRefuses) {
  pointAt(6, "Bibliothek", 2);
  f2().posit.Tag = 200;
  f1().schirm.Tag = 600;
  right();
  EXPECT_EQ(queue(), (Lines{"look right", "say", "Kroxl", "Nett."}));
  EXPECT_EQ(f2().Label2.Hint, "r");

  f2().Memo1.clear();
  f1().schirm.Tag = 100;
  f1().zoneMouseDown(ui::MouseButton::Middle, 300);
  EXPECT_EQ(queue(), (Lines{"look left", "say", "Kroxl", "Das kann ich nicht machen!"}));
  EXPECT_EQ(f2().Label2.Hint, "l");

  // Right in front of it (within one pixel) he does not turn.
  f2().Memo1.clear();
  f1().schirm.Tag = 199;
  left();
  EXPECT_EQ(queue(), (Lines{"say", "Kroxl", "Das kann ich nicht machen!"}));
  EXPECT_EQ(f1().block.Left, 0);  // a hot spot never sets a walk target
}

TEST_F(ClickTest, HotSpotScriptReplacesTheQueueAndIsFoundWhateverItsCase) {
  script("bibliothek2l.smx", {"walking to", "500", "say", "Kroxl", "Eine Tür."});
  pointAt(6, "Bibliothek", 2);
  f2().Memo1.assign({"old", "lines"});
  left();
  EXPECT_EQ(queue(), (Lines{"walking to", "500", "say", "Kroxl", "Eine Tür."}));
  EXPECT_EQ(f2().Memo2.last(), f1().dataPath("\\source\\scripts\\Bibliothek2l.smx"));
}

TEST_F(ClickTest, EmptyScriptMakesTheHotSpotInert) {
  script("Bibliothek2r.smx", {});
  pointAt(6, "Bibliothek", 2);
  right();
  EXPECT_TRUE(queue().empty());
  EXPECT_TRUE(errors().empty());
}

TEST_F(ClickTest, DuringAScriptOrDialogueAClickOnlyCountsAndReleasesTheItem) {
  script("Bibliothek2l.smx");
  for (const char* mode : {"KI Script working ...", "dialog"}) {
    SCOPED_TRACE(mode);
    reset();
    f2().mode.Caption = mode;
    f2().Memo1.assign({"wait for talk"});
    f2().inventar.Tag = 1;
    f1().block.Left = 55;
    left(300);
    pointAt(6, "Bibliothek", 2);
    f1().clickCountdown = 3;
    left(300);
    EXPECT_EQ(queue(), (Lines{"wait for talk"}));
    EXPECT_EQ(f1().block.Left, 55);
    EXPECT_EQ(f2().inventar.Tag, 0);
    EXPECT_EQ(f1().clickCountdown, -55);
    EXPECT_TRUE(f2().Memo2.empty());
  }
}

TEST_F(ClickTest, WalkNeedsAnIdleQueueButAHotSpotOnlyNormalMode) {
  f2().Label10.Caption = "say";
  f1().block.Left = 55;
  left(300);
  EXPECT_EQ(f1().block.Left, 55);
  script("Bibliothek2l.smx");
  pointAt(6, "Bibliothek", 2);
  left();
  EXPECT_EQ(queue(), (Lines{"from Bibliothek2l.smx"}));
}

TEST_F(ClickTest, OpenMenuTakesTheClickWithoutWalkOrHotSpot) {
  f2().mode.Caption = "menu";
  f1().block.Left = 55;
  left(300);
  pointAt(6, "Bibliothek", 2);
  left(300);
  EXPECT_EQ(f1().block.Left, 55);
  EXPECT_TRUE(queue().empty());
  EXPECT_EQ(f1().clickCountdown, -55);
}

TEST_F(ClickTest, ClickOnThePictureHidesTheTaskList) {
  g().Form13->Show();
  f2().mode.Caption = "dialog";
  left();
  EXPECT_FALSE(g().Form13->Visible);
}

TEST_F(ClickTest, GardenWalkStartsThePigeonScene) {
  script("taube.dia");
  script("out24lreal.smx");
  f1().build.Tag = -10003;
  left(150);
  EXPECT_TRUE(queue().empty());
  left(300);
  EXPECT_EQ(queue(), (Lines{"from taube.dia"}));
  EXPECT_EQ(f1().block.Left, 260);
  f2().taube.Tag = 1;
  left(300);
  EXPECT_EQ(queue(), (Lines{"from out24lreal.smx"}));
}

TEST_F(ClickTest, ClickBesideThePictureHasItsOwnClamp) {
  f1().zone.setBounds(120, 200, 600, 280);
  f1().block.Left = 55;
  f1().FormMouseDown(ui::MouseButton::Left, 300);
  EXPECT_EQ(f1().block.Left, 55);
  f1().FormMouseDown(ui::MouseButton::Left, 100);
  EXPECT_EQ(f1().block.Left, 220);
  f1().FormMouseDown(ui::MouseButton::Left, 610);
  EXPECT_EQ(f1().block.Left, 500);
  EXPECT_EQ(f2().Memo2.last(), "walking to 0");
  f2().Label10.Caption = "say";
  f1().FormMouseDown(ui::MouseButton::Left, 100);
  EXPECT_EQ(f1().block.Left, 500);
}

TEST_F(ClickTest, EventsReachTheirHandlers) {
  pointAt(6, "Bibliothek", 2);
  f1().schirm.OnMouseDown(ui::MouseButton::Right, {}, 300, 300);
  EXPECT_EQ(queue().back(), "Nett.");
  f2().Memo1.clear();
  f1().ComboBox3.OnChange();
  EXPECT_EQ(queue(), (Lines{"play wav background", "\\sound\\effects\\writing.wav"}));
  f1().OnMouseDown(ui::MouseButton::Left, {}, 700, 10);
  EXPECT_EQ(f1().block.Left, 540);
}

}  // namespace
}  // namespace clicktest
