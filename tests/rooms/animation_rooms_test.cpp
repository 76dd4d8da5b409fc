// Who is drawn where, room by room, for the frame codes and story states that
// matter.
#include <gtest/gtest.h>

#include <set>

#include "rooms/animation_fixture.h"
#include "sys/Random.h"

namespace animtest {
namespace {

const std::string kCorinna = "\\graphic\\corinna\\";

TEST_F(AnimationTest, CorinnaTypesLooksUpAndTalksByDay) {
  pictures({kCorinna + "writing0.bmp", kCorinna + "writing1.bmp", kCorinna + "writing2.bmp",
            kCorinna + "look up.bmp", kCorinna + "look down.bmp", kCorinna + "normal.bmp",
            kCorinna + "zwinker.bmp", kCorinna + "talking0.bmp", kCorinna + "talking2.bmp"});
  const std::pair<const char*, std::pair<std::string, std::string>> poses[] = {
      {"3", {"", "writing1.bmp"}},
      {"4", {"", "writing2.bmp"}},
      {"10", {"look up.bmp", "writing1.bmp"}},
      {"11", {"look down.bmp", "writing1.bmp"}},
      {"0", {"normal.bmp", "writing0.bmp"}},
      {"1", {"zwinker.bmp", "writing0.bmp"}},
      {"5", {"", "writing0.bmp"}},
  };
  for (const auto& [code, expected] : poses) {
    SCOPED_TRACE(code);
    stepWith(1, code);
    EXPECT_EQ(shownAt(90, 174), expected.first.empty() ? "" : kCorinna + expected.first);
    EXPECT_EQ(shownAt(90, 237), kCorinna + expected.second);
    EXPECT_EQ(shownAt(90, 218), kCorinna + "talking0.bmp");
  }
  speaker("Corinna", 2);
  f2().corinna.Tag = 1;  // away from her typewriter: only her mouth
  stepWith(1, "3");
  EXPECT_EQ(shownAt(90, 218), kCorinna + "talking2.bmp");
  EXPECT_EQ(shownAt(90, 237), "");
  f2().Tag.Caption = "night";
  stepWith(1, "3");
  EXPECT_EQ(shownAt(90, 218), "");
}

TEST_F(AnimationTest, CleanerBlinksAndIsGoneOnceDone) {
  pictures({"\\graphic\\gang\\sprech0.bmp", "\\graphic\\gang\\sprech1.bmp", "\\graphic\\gang\\sprech2.bmp",
            "\\graphic\\gang\\sprech3.bmp", "\\graphic\\gang\\eye2.bmp"});
  stepWith(2, "2");
  EXPECT_EQ(shownAt(477, 219), "\\graphic\\gang\\sprech0.bmp");
  EXPECT_EQ(shownAt(477, 198), "\\graphic\\gang\\eye2.bmp");
  EXPECT_EQ(inStripAt(477, 219), "\\graphic\\gang\\sprech0.bmp");
  speaker("Putzfrau");
  std::set<std::string> mouths;
  for (int i = 0; i < 40; ++i) {
    stepWith(2, "9");
    mouths.insert(shownAt(477, 219));
  }
  EXPECT_EQ(mouths.size(), 4u);  // a random one of her four mouths each step
  f2().putzfrau.Tag = 2;
  stepWith(2, "2");
  EXPECT_EQ(shownAt(477, 219), "");
}

TEST_F(AnimationTest, ZweisteinOnlyTalksInADialogueAndChokesOnThePoisonedCoffee) {
  const std::string dir = "\\graphic\\zweistein\\";
  pictures({dir + "red0.bmp", dir + "red3.bmp", dir + "read2.bmp", dir + "trink1.bmp", dir + "trink2.bmp",
            dir + "ouch.bmp"});
  stepWith(6, "3");
  EXPECT_EQ(shownAt(109, 210), dir + "red0.bmp");
  EXPECT_EQ(inStripAt(109, 210), "");
  EXPECT_EQ(shownAt(158, 186), dir + "read2.bmp");

  speaker("Zweistein", 3);
  f2().mode.Caption = "dialog";
  stepWith(6, "3");
  EXPECT_EQ(shownAt(109, 210), dir + "red3.bmp");
  EXPECT_EQ(shownAt(158, 186), "");
  f2().mode.Caption = "normal";

  stepWith(6, "trink2");
  EXPECT_EQ(shownAt(109, 107), dir + "trink1.bmp");
  stepWith(6, "123");
  EXPECT_EQ(shownAt(101, 126), "");
  f2().kaffee.Tag = 2;
  stepWith(6, "trink2");
  EXPECT_EQ(shownAt(109, 107), dir + "trink2.bmp");
  stepWith(6, "123");
  EXPECT_EQ(shownAt(101, 126), dir + "ouch.bmp");

  f2().sonsti.Caption = "invisible";
  stepWith(6, "0");
  EXPECT_EQ(shownAt(109, 210), "");
  f2().zweistein.Hint = "WEG";
  stepWith(6, "3");
  EXPECT_EQ(shownAt(158, 186), "");
}

TEST_F(AnimationTest, AgentShowsOnlyInALitCanteenWithTheChequeOnTheTable) {
  pictures({"\\graphic\\toegl\\ciatalk0.bmp", "\\graphic\\toegl\\ciatalk3.bmp"});
  f2().Scheck.Tag = 1;
  stepWith(7, "1");  // the picture is black at (10, 10)
  EXPECT_EQ(shownAt(351, 128), "");
  const auto lit = [&] { f1().schirm.canvas().setPixel(10, 10, gfx::clWhite); };
  lit();
  f1().personAnimation(7);
  EXPECT_EQ(shownAt(351, 128), "\\graphic\\toegl\\ciatalk0.bmp");
  speaker("CIA-Agent", 3);
  f1().personAnimation(7);
  EXPECT_EQ(shownAt(351, 128), "\\graphic\\toegl\\ciatalk3.bmp");
  for (const auto& [scheck, toegl] : {std::pair{1, 4}, std::pair{2, 0}}) {
    f2().Scheck.Tag = scheck;
    f2().toegl.Tag = toegl;
    clear();
    lit();
    f1().personAnimation(7);
    EXPECT_EQ(shownAt(351, 128), "");
  }
}

TEST_F(AnimationTest, HubertsFaceFollowsHisMood) {
  const std::string dir = "\\graphic\\bastelraum\\";
  pictures(
      {dir + "talking0.bmp", dir + "lachen.bmp", dir + "happyred2.bmp", dir + "0.bmp", dir + "zwinker1.bmp"});
  stepWith(8, "1");
  EXPECT_EQ(shownAt(453, 193), dir + "talking0.bmp");
  EXPECT_EQ(shownAt(453, 170), dir + "zwinker1.bmp");
  f2().hubert.Left = 1;
  stepWith(8, "5");
  EXPECT_EQ(shownAt(361, 125), dir + "lachen.bmp");
  speaker("Hubert", 2);
  stepWith(8, "-1");
  EXPECT_EQ(shownAt(453, 193), dir + "happyred2.bmp");
  EXPECT_EQ(shownAt(361, 125), dir + "0.bmp");
  f2().hubert.Tag = 3;  // his tools are gone: he talks but no longer blinks
  stepWith(8, "1");
  EXPECT_EQ(shownAt(453, 193), dir + "happyred2.bmp");
  EXPECT_EQ(shownAt(453, 170), "");
  f2().hubert.Caption = "hubert2";
  stepWith(8, "1");
  EXPECT_EQ(shownAt(453, 193), "");
}

TEST_F(AnimationTest, ArchivistSnoresBlinksAndMumblesOnAFreshSeed) {
  const std::string dir = "\\graphic\\archiv\\";
  pictures({dir + "4.bmp", dir + "red0.bmp", dir + "red1.bmp", dir + "zwinker2.bmp"});
  f2().buch.Hint = "schlaf";
  stepWith(104, "4");
  EXPECT_EQ(shownAt(336, 176), dir + "4.bmp");
  f2().buch.Hint.clear();
  stepWith(104, "5");
  EXPECT_EQ(shownAt(336, 176), dir + "red0.bmp");
  EXPECT_EQ(shownAt(336, 235), dir + "zwinker2.bmp");
  stepWith(104, "10");
  EXPECT_EQ(shownAt(336, 235), "");

  speaker("Archivar", 1);
  int shown = 0;
  for (int ms = 0; ms < 40; ++ms) {
    advance(1);
    sys::Random expected(static_cast<uint32_t>(clock().nowMs()));
    stepWith(104, "5");
    EXPECT_EQ(shownAt(336, 176), expected.next(100) < 50 ? dir + "red1.bmp" : "");
    shown += shownAt(336, 176).empty() ? 0 : 1;
  }
  EXPECT_GT(shown, 0);
  EXPECT_LT(shown, 40);
  f2().busen.Tag = 2;
  stepWith(104, "5");
  EXPECT_EQ(shownAt(336, 235), "");
}

TEST_F(AnimationTest, FranzWorksUntilHeSpeaks) {
  pictures({"\\graphic\\printerroom\\franz6.bmp"});
  stepWith(201, "6");
  EXPECT_EQ(shownAt(41, 141), "\\graphic\\printerroom\\franz6.bmp");
  speaker("Franz");
  stepWith(201, "6");
  EXPECT_NE(shownAt(41, 141), "\\graphic\\printerroom\\franz6.bmp");
}

TEST_F(AnimationTest, MottyBlinksUntilTheHoseHasDoneForHim) {
  pictures({"\\graphic\\minigolf\\red0.bmp", "\\graphic\\minigolf\\eye2.bmp"});
  stepWith(500, "2");
  EXPECT_EQ(shownAt(299, 151), "\\graphic\\minigolf\\red0.bmp");
  EXPECT_EQ(shownAt(299, 132), "\\graphic\\minigolf\\eye2.bmp");
  f2().schlauch.Hint = "Motty tot";
  stepWith(500, "2");
  EXPECT_EQ(shownAt(299, 151), "");
}

TEST_F(AnimationTest, WaterfallFollowsTheMouthCounterByDay) {
  pictures({"\\graphic\\out1\\wasserfall1.bmp", "\\graphic\\out1\\wasserfall2.bmp",
            "\\graphic\\out1\\wasserfall3.bmp", "\\graphic\\out1\\wasserfall4.bmp",
            "\\graphic\\out1\\fluss.bmp"});
  for (int mouth = 0; mouth < 4; ++mouth) {
    f2().talking.Tag = mouth;
    stepWith(-10001, "");
    EXPECT_EQ(shownAt(344, 262), "\\graphic\\out1\\wasserfall" + std::to_string(mouth + 1) + ".bmp");
    EXPECT_EQ(shownAt(344, 381), "\\graphic\\out1\\fluss.bmp");
  }
  f2().Tag.Caption = "night";
  stepWith(-10001, "");
  EXPECT_EQ(shownAt(344, 262), "");
}

TEST_F(AnimationTest, GardenersBlinkAndTheOldWomanOnlyOutsideConversations) {
  const std::string dir = "\\graphic\\out2\\";
  pictures({dir + "gartnereye1.bmp", dir + "omaeye1.bmp", dir + "omaeye0.bmp"});
  stepWith(-10003, "0");
  EXPECT_EQ(shownAt(251, 130), dir + "gartnereye1.bmp");
  EXPECT_EQ(shownAt(340, 210), dir + "omaeye1.bmp");
  stepWith(-10003, "1a");
  EXPECT_EQ(shownAt(340, 210), dir + "omaeye0.bmp");
  f2().mode.Caption = "dialog";
  stepWith(-10003, "0");
  EXPECT_EQ(shownAt(251, 130), dir + "gartnereye1.bmp");
  EXPECT_EQ(shownAt(340, 210), "");
  f2().taube.Tag = 1;
  stepWith(-10003, "0");
  EXPECT_EQ(shownAt(251, 130), "");
  stepWith(-10000, "0");  // the grounds' front only has sounds
  EXPECT_TRUE(errors().empty());
}

}  // namespace
}  // namespace animtest
