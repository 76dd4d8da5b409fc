// The animation step itself: the frame counter, the mouth, the gate, and how
// it fails.
#include <gtest/gtest.h>

#include "rooms/animation_fixture.h"

namespace animtest {
namespace {

TEST_F(AnimationTest, TableOfThreeLinesPlaysFromItsSecondLine) {
  pictures({"\\graphic\\printerroom\\franz1.bmp", "\\graphic\\printerroom\\franz2.bmp",
            "\\graphic\\printerroom\\franz3.bmp"});
  f2().Memo4.assign({"1", "2", "3"});
  f2().Memo4.Tag = 0;  // as the room builder leaves it
  for (const int expected : {2, 3, 1, 2}) {
    clear();
    f1().personAnimation(201);
    EXPECT_EQ(shownAt(41, 141), "\\graphic\\printerroom\\franz" + std::to_string(expected) + ".bmp");
    EXPECT_EQ(f2().Memo4.Tag, expected - 1);
  }
}

TEST_F(AnimationTest, EmptyTableKeepsTheCounterAtZeroAndCorinnaAtHerFirstPicture) {
  pictures(
      {"\\graphic\\corinna\\0.bmp", "\\graphic\\corinna\\writing0.bmp", "\\graphic\\corinna\\talking0.bmp"});
  f2().Memo4.clear();
  for (int i = 0; i < 3; ++i) {
    clear();
    f1().personAnimation(1);
    EXPECT_EQ(f2().Memo4.Tag, 0);
    EXPECT_EQ(shownAt(90, 174), "\\graphic\\corinna\\0.bmp");
    EXPECT_EQ(shownAt(90, 237), "\\graphic\\corinna\\writing0.bmp");
    EXPECT_EQ(shownAt(90, 218), "\\graphic\\corinna\\talking0.bmp");
  }
}

TEST_F(AnimationTest, MouthMovesEverySecondStepInEveryRoom) {
  // The half-step counter starts far above 1, so the first step moves it.
  ASSERT_EQ(f2().talking.Left, 112);
  std::vector<int> mouths;
  for (int i = 0; i < 9; ++i) {
    f1().personAnimation(3);
    mouths.push_back(f2().talking.Tag);
  }
  EXPECT_EQ(mouths, (std::vector<int>{1, 1, 2, 2, 3, 3, 0, 0, 1}));
  EXPECT_EQ(f2().Memo4.Tag, 9);    // the built-in table of 94 codes
  EXPECT_EQ(shownAt(10, 10), "");  // a room without people draws nothing
}

TEST_F(AnimationTest, PauseAndTheStartDelayFreezeEveryCounter) {
  pictures({"\\graphic\\corinna\\0.bmp"});
  f2().Memo4.Tag = 5;
  f2().talking.Left = 1;
  f2().talking.Tag = 2;
  f2().pause.Tag = 1;
  f1().personAnimation(1);
  f2().pause.Tag = 0;
  f2().background.Tag = 4;
  f1().personAnimation(1);
  EXPECT_EQ(f2().Memo4.Tag, 5);
  EXPECT_EQ(f2().talking.Left, 1);
  EXPECT_EQ(f2().talking.Tag, 2);
  EXPECT_EQ(f2().background.Tag, 4);  // the runner counts it down, not the step
  EXPECT_EQ(shownAt(90, 174), "");
}

TEST_F(AnimationTest, DrawnPeopleStayOffTheCleanStripButOverlaysGoIntoIt) {
  pictures({"\\graphic\\corinna\\writing0.bmp", "\\graphic\\corinna\\talking0.bmp",
            "\\graphic\\minigolf\\red0.bmp"});
  stepWith(1, "2");
  EXPECT_EQ(shownAt(90, 237), "\\graphic\\corinna\\writing0.bmp");
  EXPECT_EQ(inStripAt(90, 237), "");
  stepWith(500, "9");
  EXPECT_EQ(shownAt(299, 151), "\\graphic\\minigolf\\red0.bmp");
  EXPECT_EQ(inStripAt(299, 201), "");  // y 151 lies above the strip
  f1().zone.Top = 100;
  stepWith(500, "9");
  EXPECT_EQ(inStripAt(299, 151), "\\graphic\\minigolf\\red0.bmp");
}

TEST_F(AnimationTest, MissingDrawnPictureEndsTheStep) {
  pictures({"\\graphic\\corinna\\writing0.bmp"});
  EXPECT_THROW(stepWith(1, "2"), gfx::PictureError);  // talking0.bmp is missing
  dir.write("graphic/corinna/talking0.bmp", "not a picture");
  EXPECT_THROW(stepWith(1, "2"), gfx::PictureError);
}

TEST_F(AnimationTest, MissingOverlayIsReportedOnceAndTheStepGoesOn) {
  pictures({"\\graphic\\minigolf\\eye1.bmp"});
  stepWith(500, "1");
  stepWith(500, "1");
  EXPECT_EQ(shownAt(299, 132), "\\graphic\\minigolf\\eye1.bmp");
  ASSERT_EQ(errors().Count(), 1) << errors().text();
  EXPECT_EQ(errors().last(),
            "ERROR! Grafic-File not found: \"" + f1().dataPath("\\graphic\\minigolf\\red0.bmp") + "\"!");
}

}  // namespace
}  // namespace animtest
