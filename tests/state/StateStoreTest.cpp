// The state store's initial values and its protocol rule.
#include <gtest/gtest.h>

#include "state/TForm2.h"
#include "support/GameFixture.h"

namespace {

using StateStoreTest = testsupport::GameTest;

TEST_F(StateStoreTest, TheProtocolNeverHoldsTwoEqualLinesInARow) {
  sys::TextList& log = f2().Memo2;
  log.add("");
  EXPECT_TRUE(log.empty());  // a sole empty line goes again
  log.add("eins");
  for (int i = 0; i < 3; ++i) log.add("zwei");
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"eins", "zwei"}));
  log.add("eins");
  EXPECT_EQ(log.Count(), 3);
  EXPECT_EQ(f2().Memo3.lines(), (std::vector<std::string>{"eins"}));
}

TEST_F(StateStoreTest, SlotsAndListsStartWithTheGamesValues) {
  EXPECT_EQ(f2().lift.Tag, 2);
  EXPECT_EQ(f2().Scheck.Tag, 9999);
  EXPECT_EQ(f2().background.Tag, 10);
  EXPECT_EQ(f2().Grenze.Left, 168);
  EXPECT_EQ(f2().Grenze.Width, 34);
  EXPECT_EQ(f2().talking.Left, 112);
  EXPECT_EQ(f2().effect.Color, 16775139u);
  EXPECT_EQ(f2().mode.Caption, "normal");
  EXPECT_EQ(f2().Tag.Caption, "tag");
  EXPECT_EQ(f2().inventar.lines(), (std::vector<std::string>{"Auftragsmappe", "Taschentuch"}));
  EXPECT_EQ(f2().inventar.get(100), "");
  EXPECT_EQ(f2().Memo4.Count(), 94);
  EXPECT_EQ(f2().Memo4.get(0), "0");
  EXPECT_EQ(f2().Memo4.get(93), "3");
  EXPECT_EQ(f2().Memo3.lines(), (std::vector<std::string>{"Memo3"}));
}

}  // namespace
