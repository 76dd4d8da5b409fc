// An item taken from the bar and used on a hot spot, with the pointer and
// the runner doing everything in between.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/TForm1.h"
#include "gfx/Color.h"
#include "state/TForm2.h"
#include "support/GameFixture.h"

namespace {

using Lines = std::vector<std::string>;

class InventoryFlow : public testsupport::GameTest {
 protected:
  void SetUp() override {
    startRunner();
    runnerTicks(1);
    f1().Show();
    for (ui::Control* c : {static_cast<ui::Control*>(&f1().say), static_cast<ui::Control*>(&f1().helpline)})
      c->Visible = true;
    // The corridor with the vacuum cleaner as its fifth hot spot.
    f1().build.Tag = 2;
    f2().Label2.Caption = "Gang";
    f1().object5.setBounds(300, 250, 100, 100);
    f1().object5.Hint = "Staubsauger";
  }
  void leftClickAt(int x, int y) {
    g().desktop.mouseDown(ui::MouseButton::Left, x, y);
    g().desktop.mouseUp(ui::MouseButton::Left, x, y);
  }
};

TEST_F(InventoryFlow, TheHandkerchiefTakenFromTheBarRunsItsScriptOnTheVacuumCleaner) {
  dir.write("source/scripts/Gang5lTaschentuch.smx",
            testsupport::gameText({"inventar sub", "Taschentuch", "inventar add", "Plan", "say", "Kroxl",
                                   "Der Auspuff ist zu!"}));

  // Point at the second slot of the bar and take the handkerchief.
  g().desktop.mouseMove(50, 440);
  EXPECT_EQ(f1().helpline.Caption, "Taschentuch");
  leftClickAt(50, 440);
  EXPECT_EQ(f2().inventar.Tag, 1);
  runnerTicks(1);
  EXPECT_EQ(f2().inventar.Tag, 2);

  // Over the vacuum cleaner the hover line says what he is about to do.
  g().desktop.mouseMove(350, 300);
  EXPECT_EQ(f1().helpline.Caption, "Benütze Taschentuch mit Staubsauger");
  EXPECT_EQ(f2().Label2.Tag, 5);
  EXPECT_EQ(f2().inventar.Tag, 1);

  leftClickAt(350, 300);
  EXPECT_EQ(f2().inventar.Tag, 0);
  EXPECT_EQ(f2().Memo1.get(0), "inventar sub");

  runnerTicks(3);
  EXPECT_EQ(f2().inventar.lines(), (Lines{"Auftragsmappe", "Plan"}));
  EXPECT_EQ(f1().say.Caption, "Kroxl: \"Der Auspuff ist zu!\"");
  for (int i = 0; i < 500 && f1().say.Caption != " "; ++i) runnerTicks(1);
  EXPECT_EQ(f1().say.Caption, " ");
  EXPECT_EQ(f2().mode.Caption, "normal");
  runnerTicks(1);

  // Back in control, the bar shows the plan where the handkerchief was.
  g().desktop.mouseMove(50, 440);
  EXPECT_EQ(f1().helpline.Caption, "Plan");
  const gfx::Bitmap& bar = f1().say.canvas().target();
  const gfx::Bitmap& plan = *f1().inventar.get(1);
  int differing = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (gfx::toColor(plan.pixel(x, y)) != f1().inventar.MaskColor &&
          bar.pixel(45 + x, 3 + y) != plan.pixel(x, y))
        ++differing;
  EXPECT_EQ(differing, 0);
}

}  // namespace
