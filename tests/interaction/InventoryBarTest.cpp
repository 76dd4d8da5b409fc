// The inventory bar on the spoken-line band: its icons, naming the item under
// the pointer, looking at an item and taking it in hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/TForm1.h"
#include "gfx/Color.h"
#include "state/TForm2.h"
#include "support/GameFixture.h"

namespace {

using Lines = std::vector<std::string>;

class InventoryBar : public testsupport::GameTest {
 protected:
  // Whether the bar shows icon `icon` with its top left corner at (x, y):
  // every pixel of the icon that is not see-through is on the bar.
  bool showsIcon(int x, int y, int icon) {
    const gfx::Bitmap& bar = f1().say.canvas().target();
    const gfx::Bitmap& picture = *f1().inventar.get(icon);
    int compared = 0;
    for (int py = 0; py < picture.height(); ++py)
      for (int px = 0; px < picture.width(); ++px) {
        if (gfx::toColor(picture.pixel(px, py)) == f1().inventar.MaskColor) continue;
        if (x + px >= bar.width() || bar.pixel(x + px, y + py) != picture.pixel(px, py)) return false;
        ++compared;
      }
    return compared > 0;
  }

  void point(int x) { f1().say.OnMouseMove({}, x, 20); }
  void press(ui::MouseButton button) { f1().say.OnMouseDown(button, {}, 0, 20); }
  // Points at the slot under x and clicks it.
  void click(ui::MouseButton button, int x) {
    point(x);
    press(button);
  }
  void carry(const Lines& items) { f2().inventar.assign(items); }
  Lines queue() { return f2().Memo1.lines(); }
};

TEST_F(InventoryBar, NewGameShowsTheFolderAndTheHandkerchiefThenEmptySlots) {
  f1().paintInventoryBar();
  EXPECT_TRUE(showsIcon(10, 3, 0));   // Auftragsmappe
  EXPECT_TRUE(showsIcon(45, 3, 12));  // Taschentuch
  EXPECT_FALSE(showsIcon(45, 3, 0));  // the icons can be told apart
  for (int slot = 2; slot <= 17; ++slot) EXPECT_TRUE(showsIcon(35 * slot + 10, 3, 4)) << slot;
}

TEST_F(InventoryBar, NamesThatAreNoItemLeaveTheirSlotAlone) {
  carry({"Plan", "Brieföffner", "plan", "Golfball"});
  f1().say.canvas().fillRect({0, 0, 640, 40}, gfx::clRed);
  f1().paintInventoryBar();
  const auto untouched = [&](int x) {
    for (int py = 3; py < 35; ++py)
      for (int px = x; px < x + 32; ++px)
        if (gfx::toColor(f1().say.canvas().target().pixel(px, py)) != gfx::clRed) return false;
    return true;
  };
  EXPECT_TRUE(showsIcon(10, 3, 1));
  // An unknown name and a name in the wrong case draw nothing.
  EXPECT_TRUE(untouched(45));
  EXPECT_TRUE(untouched(80));
  EXPECT_TRUE(showsIcon(115, 3, 19));
  EXPECT_TRUE(showsIcon(150, 3, 4));
}

TEST_F(InventoryBar, PointingNamesTheSlotAtFullStrengthAtOnce) {
  const auto nameAt = [&](int x) {
    f1().helpline.Tag = 3;
    f2().effect.Left = 1;
    point(x);
    EXPECT_EQ(f1().helpline.Tag, 15);
    EXPECT_EQ(f2().effect.Left, 0);
    return f1().helpline.Caption;
  };
  // The ten pixels before the first icon still count as its slot.
  EXPECT_EQ(nameAt(0), "Auftragsmappe");
  EXPECT_EQ(nameAt(9), "Auftragsmappe");
  EXPECT_EQ(nameAt(44), "Auftragsmappe");
  EXPECT_EQ(nameAt(45), "Taschentuch");
  EXPECT_EQ(nameAt(79), "Taschentuch");
  EXPECT_EQ(nameAt(80), "");
  EXPECT_EQ(nameAt(639), "");
}

TEST_F(InventoryBar, OnlyTheFirstEighteenItemsCanBeSeenOrPicked) {
  Lines items;
  for (int i = 0; i < 17; ++i) items.push_back("Plan");
  items.push_back("Kaffee");    // the 18th
  items.push_back("Golfball");  // the 19th
  items.push_back("Schlauch");
  carry(items);
  f1().paintInventoryBar();
  EXPECT_TRUE(showsIcon(35 * 17 + 10, 3, 6));
  EXPECT_EQ(f1().say.canvas().target().width(), 640);  // slot 18 would start at x 640
  for (int x = 0; x < 640; ++x) {
    point(x);
    ASSERT_NE(f1().helpline.Caption, "Golfball") << x;
    ASSERT_NE(f1().helpline.Caption, "Schlauch") << x;
  }
  EXPECT_EQ(f1().helpline.Caption, "Kaffee");
}

TEST_F(InventoryBar, RightClickLooksAtTheItem) {
  carry({"Kaffee", "Archivschlüssel", "Auftragsmappe", "Brieföffner"});
  click(ui::MouseButton::Right, 20);
  EXPECT_EQ(queue(), (Lines{"say", "Kroxl", "Eine Tasse Kaffee. Ohne Milch. Ohne Zucker."}));
  f2().Memo1.clear();
  click(ui::MouseButton::Right, 50);
  EXPECT_EQ(queue(), (Lines{"say", "Kroxl", "Hm, auf dem Schlüssel steht \"Archiv\"."}));
  // The folder's look brings up the task list after his line.
  f2().Memo1.clear();
  click(ui::MouseButton::Right, 85);
  EXPECT_EQ(queue(), (Lines{"say", "Kroxl", "In der Mappe sind alle Dinge angeführt die ich erledigen muß.",
                            "show map"}));
  // Nothing to say about an unknown thing or an empty slot; the middle
  // button does nothing at all.
  f2().Memo1.clear();
  click(ui::MouseButton::Right, 120);
  click(ui::MouseButton::Right, 160);
  click(ui::MouseButton::Middle, 20);
  EXPECT_TRUE(queue().empty());
  EXPECT_EQ(f2().inventar.Tag, 0);
}

TEST_F(InventoryBar, TheLiftCardsLookDependsOnWhetherItIsCorinnas) {
  carry({"Liftkarte"});
  const auto lookWithLift = [&](int lift) {
    f2().lift.Tag = lift;
    f2().Memo1.clear();
    click(ui::MouseButton::Right, 20);
    return f2().Memo1.get(2);
  };
  const std::string own = "Diese Karte benötige ich, damit ich mit dem Lift ins Erdgeschoss fahren kann.";
  const std::string lent = "Das ist Corinnas Liftkarte, jetzt kann ich wieder mit dem Lift fahren.";
  EXPECT_EQ(lookWithLift(2), own);
  EXPECT_EQ(lookWithLift(1), lent);
  EXPECT_EQ(lookWithLift(0), lent);
}

TEST_F(InventoryBar, LookingAtTheBookReadsItButNeverCutsAScene) {
  dir.write("source/scripts/Buch.smx", testsupport::gameText({"say", "Kroxl", "Kapitel 1"}));
  carry({"Buch"});
  click(ui::MouseButton::Right, 20);
  EXPECT_EQ(queue(), (Lines{"say", "Kroxl", "Kapitel 1"}));
  // A running scene keeps its remaining commands.
  f2().Memo1.assign({"walking to", "300", "goto room", "4"});
  click(ui::MouseButton::Right, 20);
  EXPECT_EQ(queue(), (Lines{"walking to", "300", "goto room", "4"}));
}

TEST_F(InventoryBar, LeftClickTakesTheNamedItemInAnyMode) {
  f2().mode.Caption = "KI Script working ...";
  click(ui::MouseButton::Left, 50);
  EXPECT_EQ(f1().say.Hint, "Taschentuch");
  EXPECT_EQ(f2().inventar.Tag, 1);
  // Another item replaces the one in hand.
  f2().inventar.Tag = 2;
  click(ui::MouseButton::Left, 20);
  EXPECT_EQ(f1().say.Hint, "Auftragsmappe");
  EXPECT_EQ(f2().inventar.Tag, 1);
  // An empty slot is taken as an item without a name.
  click(ui::MouseButton::Left, 300);
  EXPECT_EQ(f1().say.Hint, "");
  EXPECT_EQ(f2().inventar.Tag, 1);
}

TEST_F(InventoryBar, ABlankHoverLineTakesNothing) {
  f2().inventar.Tag = 0;
  f1().say.Hint = "Plan";
  f1().helpline.Caption = " ";
  press(ui::MouseButton::Left);
  EXPECT_EQ(f2().inventar.Tag, 0);
  EXPECT_EQ(f1().say.Hint, "Plan");
}

TEST_F(InventoryBar, TheBandKeepsItsDoubleClick) {
  EXPECT_TRUE(static_cast<bool>(f1().say.OnDblClick));
}

}  // namespace
