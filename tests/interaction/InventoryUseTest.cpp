// Using the held item on a hot spot: the item's own script, the hot spot's
// script for any item, the item's refusals, and the lift card.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "interaction/ClickFixture.h"
#include "sys/Random.h"

namespace {

using Lines = std::vector<std::string>;

class ItemUse : public clicktest::ClickTest {
 protected:
  void hold(const std::string& item) {
    f1().say.Hint = item;
    f2().inventar.Tag = 2;
  }
  // The game draws its refusal right after re-seeding from the clock; moves
  // the clock on to a moment whose first draw is r.
  void nextDrawWillBe(int r) {
    for (int64_t t = clock().nowMs();; ++t) {
      sys::Random probe(static_cast<uint32_t>(t));
      if (probe.next(100) == r) {
        clock().advanceTo(t);
        return;
      }
    }
  }
  void removeScript(const std::string& name) {
    std::filesystem::remove(dir.path() + "/source/scripts/" + name);
  }
};

TEST_F(ItemUse, ToolLooksForItsOwnScriptThenTheAnyItemScriptThenRefuses) {
  pointAt(4, "Gang3", 3);
  f2().posit.Tag = 100;
  f1().schirm.Tag = 400;
  script("Gang33lWerkzeug eines Bastlers.smx");
  script("Gang33l_.smx");

  hold("Werkzeug eines Bastlers");
  left();
  EXPECT_EQ(queue(), (Lines{"from Gang33lWerkzeug eines Bastlers.smx"}));
  EXPECT_EQ(f2().inventar.Tag, 0);  // the click put the item away

  // An empty item script counts as none; the any-item script drops the glance.
  f2().Memo1.clear();
  script("Gang33lWerkzeug eines Bastlers.smx", {});
  hold("Werkzeug eines Bastlers");
  left();
  EXPECT_EQ(queue(), (Lines{"from Gang33l_.smx"}));

  // With neither he turns to the hot spot and says one of the tool's lines.
  f2().Memo1.clear();
  removeScript("Gang33lWerkzeug eines Bastlers.smx");
  removeScript("Gang33l_.smx");
  hold("Werkzeug eines Bastlers");
  left();
  const Lines q = queue();
  ASSERT_EQ(q.size(), 4u);
  EXPECT_EQ(Lines(q.begin(), q.begin() + 3), (Lines{"look right", "say", "Kroxl"}));
  EXPECT_TRUE(q[3] == "Das Werkzeug hilft da auch nicht weiter." ||
              q[3] == "Ich kann mit Werkzeug nicht arbeiten.")
      << q[3];
  EXPECT_TRUE(errors().empty());
}

TEST_F(ItemUse, ScriptNamesAreFoundWhateverTheirLetterCase) {
  pointAt(201, "Printerroom", 2);
  script("printerroom2lwerkzeug eines bastlers.smx");
  hold("Werkzeug eines Bastlers");
  left();
  EXPECT_EQ(queue(), (Lines{"from printerroom2lwerkzeug eines bastlers.smx"}));
  // The button's letter is part of the name.
  f2().Memo1.clear();
  script("Printerroom2r_.smx");
  hold("Kaffee");
  right();
  EXPECT_EQ(queue(), (Lines{"from Printerroom2r_.smx"}));
}

TEST_F(ItemUse, AnEmptyAnyItemScriptStillLetsHimRefuse) {
  pointAt(4, "Gang3", 3);
  script("Gang33l_.smx", {});
  hold("Kaffee");
  left();
  EXPECT_EQ(queue().size(), 3u);
  EXPECT_EQ(queue()[0], "say");
}

TEST_F(ItemUse, TheRefusalIsTheFirstLineUpToFiftyAndTheSecondAbove) {
  pointAt(4, "Gang3", 3);
  const auto refusal = [&](const std::string& item, int r) {
    f2().Memo1.clear();
    nextDrawWillBe(r);
    hold(item);
    left();
    return f2().Memo1.last();
  };
  EXPECT_EQ(refusal("Werkzeug eines Bastlers", 50), "Das Werkzeug hilft da auch nicht weiter.");
  EXPECT_EQ(refusal("Werkzeug eines Bastlers", 51), "Ich kann mit Werkzeug nicht arbeiten.");
  EXPECT_EQ(refusal("Spezialgolfball", 0), "Den geb ich nicht mehr her!");
  EXPECT_EQ(refusal("Spezialgolfball", 99), "Nein. Der Golfball gehört mir. Den gebe ich nie wieder her.");
  // Things that are no item, or an item in the wrong case, get the generic pair.
  EXPECT_EQ(refusal("Brieföffner", 50), "Ich kann das Ding nicht damit benutzen.");
  EXPECT_EQ(refusal("kaffee", 51), "Das kann ich nicht machen!");
}

TEST_F(ItemUse, HeTurnsTowardsTheHotSpotOnlyWhenItIsBesideHim) {
  pointAt(4, "Gang3", 3);
  const auto glance = [&](int centre) {
    f2().Memo1.clear();
    f2().posit.Tag = 300;
    f1().schirm.Tag = centre;
    hold("Plan");
    left();
    return f2().Memo1.get(0);
  };
  EXPECT_EQ(glance(301), "look right");
  EXPECT_EQ(glance(298), "look left");
  EXPECT_EQ(glance(299), "say");
  EXPECT_EQ(glance(300), "say");
}

TEST_F(ItemUse, TheLiftCardOpensTheLiftOnlyOnTheWayDown) {
  script("lift.smx");
  script("Gang22l.smx");
  script("Gang22lLiftkarte.smx");
  pointAt(3, "Gang2", 2);
  const auto useCard = [&](int lift, bool leftButton) {
    f2().Memo1.clear();
    f2().lift.Tag = lift;
    hold("Liftkarte");
    leftButton ? left() : right();
    return queue();
  };
  EXPECT_EQ(useCard(2, true), (Lines{"from lift.smx"}));
  EXPECT_EQ(f2().lift.Tag, 2);  // unlike the plain click, the card changes no state
  EXPECT_EQ(useCard(0, true), (Lines{"from Gang22l.smx"}));
  // Any other state, and the other button, go by the usual rules.
  EXPECT_EQ(useCard(1, true), (Lines{"from Gang22lLiftkarte.smx"}));
  nextDrawWillBe(0);
  EXPECT_EQ(useCard(2, false), (Lines{"say", "Kroxl", "Ich kann die Liftkarte nicht damit benutzen."}));
  // The card elsewhere, or another item on the lift, is no special case.
  pointAt(4, "Gang3", 2);
  EXPECT_EQ(useCard(2, true)[0], "say");
  pointAt(3, "Gang2", 2);
  f2().Memo1.clear();
  hold("Liftkarte ");
  left();
  EXPECT_EQ(queue()[0], "say");
}

TEST_F(ItemUse, AnEmptySlotInHandRunsThePlainHotSpotScript) {
  pointAt(4, "Gang3", 3);
  script("Gang33l.smx");
  hold("");
  left();
  EXPECT_EQ(queue(), (Lines{"from Gang33l.smx"}));
}

TEST_F(ItemUse, ANameWithASeparatorFindsNoScriptOutsideTheScriptsFolder) {
  pointAt(4, "Gang3", 3);
  std::filesystem::create_directories(dir.path() + "/source/scripts/Gang33l");
  dir.write("source/geheim.smx", testsupport::gameText({"from geheim.smx"}));
  for (const char* item : {"/../../geheim", "\\..\\..\\geheim"}) {
    f2().Memo1.clear();
    nextDrawWillBe(0);
    hold(item);
    left();
    EXPECT_EQ(queue().size(), 3u) << item;
    EXPECT_EQ(f2().Memo1.last(), "Ich kann das Ding nicht damit benutzen.") << item;
  }
}

}  // namespace
