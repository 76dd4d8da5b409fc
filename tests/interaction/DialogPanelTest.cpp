// The choice panel: pressing and pointing at the reply lines, as the desktop
// delivers the mouse, and the rule that answers a block with one reply left.
#include <gtest/gtest.h>

#include "interaction/DialogFixture.h"

namespace {

using dialogtest::Lines;

class DialogPanel : public dialogtest::DialogTest {
 protected:
  void SetUp() override {
    f1().Show();
    f1().build.Tag = 104;
    f2().mode.Caption = "dialog";
    options({"Corinna:", "Ich muß gehen, wir sehen uns!", "", "Archivar:", "Ich geh dann!", "Müde?", "", ""});
    ASSERT_TRUE(f1().refreshChoicePanel());
    ASSERT_TRUE(f1().Panel1.Visible);
  }

  // Reply line n lies 16 pixels below the one before, from y 408.
  static int lineY(int n) { return 400 + 8 + 16 * (n - 1) + 6; }
  void press(int n, ui::MouseButton button = ui::MouseButton::Left) {
    g().desktop.mouseDown(button, 20, lineY(n));
    g().desktop.mouseUp(button, 20, lineY(n));
  }
  gfx::TColor colourOf(int n) {
    const ui::Label* lines[] = {&f1().line1, &f1().Line2, &f1().Line3, &f1().Line4};
    return lines[n - 1]->Font.Color;
  }
};

TEST_F(DialogPanel, PressingReplyTwoChoosesTheSecondLineBelowTheHeader) {
  EXPECT_EQ(f1().Line2.Caption, "Müde?");
  press(2);
  EXPECT_EQ(spoken().front(), "Kroxl: Müde?");
  // The tree was told header + 2: exactly that line was replaced.
  EXPECT_EQ(optionLines(), (Lines{"Corinna:", "Ich muß gehen, wir sehen uns!", "",
                                  "Archivar:", "Ich geh dann!", "Was lesen Sie da?", "", ""}));
}

TEST_F(DialogPanel, AnyButtonChooses) {
  press(1, ui::MouseButton::Right);
  EXPECT_EQ(queued(), (Lines{"say", "Kroxl", "Ich geh dann!", "say", "Archivar", "jaja", "end dialog"}));
}

TEST_F(DialogPanel, ASecondPressBeforeThePanelStepsAsideChoosesNothing) {
  g().desktop.mouseDown(ui::MouseButton::Left, 20, lineY(2));
  g().desktop.mouseUp(ui::MouseButton::Left, 20, lineY(2));
  g().desktop.mouseDown(ui::MouseButton::Left, 20, lineY(2));  // a double click
  g().desktop.mouseUp(ui::MouseButton::Left, 20, lineY(2));
  EXPECT_EQ(spoken().size(), 3u);
  EXPECT_EQ(f2().Memo5.get(5), "Was lesen Sie da?");
  EXPECT_EQ(f2().Memo5.get(6), "");
}

TEST_F(DialogPanel, PointingAtALineHighlightsItAlone) {
  EXPECT_EQ(f1().Panel1.Cursor, 2);
  EXPECT_EQ(f1().Line3.Cursor, 2);
  g().desktop.mouseMove(20, lineY(3));
  EXPECT_EQ(colourOf(3), gfx::rgb(255, 255, 0));
  for (int n : {1, 2, 4}) EXPECT_EQ(colourOf(n), gfx::clWhite) << n;
  g().desktop.mouseMove(20, lineY(1));
  EXPECT_EQ(colourOf(1), gfx::rgb(255, 255, 0));
  EXPECT_EQ(colourOf(3), gfx::clWhite);
  // The panel's margin, right of the lines, takes the highlight away.
  g().desktop.mouseMove(636, lineY(1));
  for (int n : {1, 2, 3, 4}) EXPECT_EQ(colourOf(n), gfx::clWhite) << n;
}

// A reply longer than its line is drawn condensed, whole between the panel's
// margins; the caption keeps the whole text.
TEST_F(DialogPanel, ALongReplyIsDrawnWholeInItsLine) {
  const std::string reply =
      "Könnten Sie mir vielleicht eine Zeichnung für eine Reihe von Geldscheinen für ein neues "
      "Wirtschaftssystem gestalten?";
  f1().Line2.Caption = reply;
  gfx::Bitmap screen;
  g().desktop.compose(screen);
  int left = 640, right = -1;
  for (int y = 424; y < 440; ++y)
    for (int x = 0; x < 640; ++x)
      if (gfx::toColor(screen.pixel(x, y)) != gfx::clBlack)
        left = std::min(left, x), right = std::max(right, x);
  EXPECT_GE(left, 8);
  // The text ends inside the line, clear of its right edge (640 - 8).
  EXPECT_LT(right, 632 - 2);
  EXPECT_GT(right, 500);  // condensed, not cut short
  EXPECT_EQ(f1().Line2.Caption, reply);
}

// The runner answers a block that has one reply left.
class DialogSingleReply : public dialogtest::DialogTest {
 protected:
  void SetUp() override {
    startRunner();
    runnerTicks(1);
    f1().build.Tag = 104;
    f2().pause.Tag = 1;  // no idle animation of the archivist
  }
};

TEST_F(DialogSingleReply, ABlockWithOneReplyIsAnsweredOnceWithoutAClick) {
  options({"Corinna:", "x", "Archivar:", "Ich geh dann!", "", "", "", "Hubert:"});
  f2().mode.Caption = "dialog";
  runnerTicks(1);
  EXPECT_EQ(optionLines(),
            (Lines{"Corinna:", "x", "Archivar:", "Ich geh dann!", " ", "", "", "", "Hubert:"}));
  EXPECT_EQ(f1().Line2.Caption, "line2");
  EXPECT_EQ(spoken(), (Lines{"Kroxl: Ich geh dann!", "Archivar: jaja"}));

  // The blank keeps the next refreshes from answering again.
  runnerTicks(200);
  EXPECT_EQ(f2().mode.Caption, "normal");
  EXPECT_EQ(optionLines().size(), 9u);
  EXPECT_FALSE(f1().Panel1.Visible);
}

TEST_F(DialogSingleReply, AnEmptyBlockIsAnsweredWithNothing) {
  options({"Archivar:", "", "", "", ""});
  f2().mode.Caption = "dialog";
  runnerTicks(1);
  EXPECT_EQ(optionLines(), (Lines{"Archivar:", "", " ", "", "", ""}));
  EXPECT_TRUE(queued().empty());
  EXPECT_EQ(f2().mode.Caption, "dialog");
}

}  // namespace
