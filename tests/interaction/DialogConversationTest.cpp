// A whole conversation with Franz, run by the runner in dialogue mode: the
// panel steps aside while an exchange is spoken, the lines follow one
// another, and "end dialog" hands control back to the player.
#include <gtest/gtest.h>

#include <utility>

#include "interaction/DialogFixture.h"
#include "sys/Cp1252.h"

namespace {

using dialogtest::Lines;

class DialogConversation : public dialogtest::DialogTest {
 protected:
  void SetUp() override {
    startRunner();
    runnerTicks(1);
    f1().Show();
    f1().build.Tag = 201;
    f2().pause.Tag = 1;  // Franz's idle animation is not under test
    options({"Tägl:", "Na, wie laufen die Geschäfte?", "", "", "", "Franz:", "Welche Dinge benötigen Sie?",
             "Ich geh dann!", "", "", "Zweistein:", "Ich geh dann!", "Was lesen Sie da?", "", ""});
  }

  struct Shown {
    std::string caption;
    int ticks;
  };

  // Runs the runner until the panel is back or the player has control again,
  // and returns every spoken line with the number of ticks it stayed.
  std::vector<Shown> speak() {
    std::vector<Shown> shown;
    for (int tick = 0; tick < 20000; ++tick) {
      runnerTicks(1);
      const std::string& caption = f1().say.Caption;
      if (caption != " ") {
        if (shown.empty() || shown.back().caption != caption) shown.push_back({caption, 0});
        ++shown.back().ticks;
      }
      // The first tick speaks the chosen reply and ends before the panel's
      // refresh; from then on the panel stays hidden while lines are queued.
      if (tick > 0 && !queued().empty()) {
        EXPECT_FALSE(f1().Panel1.Visible) << "the panel shows during " << caption;
      }
      if (queued().empty() && (f1().Panel1.Visible || f2().mode.Caption == "normal")) break;
    }
    return shown;
  }

  static Lines captions(const std::vector<Shown>& shown) {
    Lines out;
    for (const Shown& s : shown) out.push_back(s.caption);
    return out;
  }

  void press(int line) {
    const int y = 400 + 8 + 16 * (line - 1) + 6;
    g().desktop.mouseDown(ui::MouseButton::Left, 20, y);
    g().desktop.mouseUp(ui::MouseButton::Left, 20, y);
  }
};

TEST_F(DialogConversation, FranzIsAskedWhatHeNeedsAndKroxlTakesHisLeave) {
  f2().Memo1.assign({"open dialog", "say", "Franz", "Na, Kroxl? Was gibt's?"});
  EXPECT_EQ(captions(speak()), (Lines{"Franz: \"Na, Kroxl? Was gibt's?\""}));
  EXPECT_EQ(f2().mode.Caption, "dialog");
  EXPECT_TRUE(f1().Panel1.Visible);
  EXPECT_EQ(f1().line1.Caption, "Welche Dinge benötigen Sie?");
  EXPECT_EQ(f1().Line2.Caption, "Ich geh dann!");

  press(1);
  const std::vector<Shown> list = speak();
  ASSERT_EQ(list.size(), 7u);
  EXPECT_EQ(list.front().caption, "Kroxl: \"Welche Dinge benötigen Sie?\"");
  EXPECT_EQ(list.back().caption, "Franz: \"Das wärs dann schon.\"");
  // In dialogue mode every line waits for the one before: each stays its
  // full time, its number of characters plus ten ticks.
  for (const Shown& s : list) {
    const size_t open = s.caption.find('"') + 1;
    const std::string text = s.caption.substr(open, s.caption.size() - open - 1);
    EXPECT_EQ(s.ticks, static_cast<int>(sys::utf8Length(text)) + 10) << s.caption;
  }
  // The panel comes back with the follow-up in the reply's place; Zweistein
  // has learnt the drawing request.
  EXPECT_TRUE(f1().Panel1.Visible);
  EXPECT_EQ(f1().line1.Caption, "Welche Dinge benötigen Sie noch?");
  EXPECT_EQ(f1().Line2.Caption, "Ich geh dann!");
  EXPECT_EQ(f2().Memo5.get(11),
            "Könnten Sie mir vielleicht eine Zeichnung für eine Reihe von Geldscheinen für "
            "ein neues Wirtschaftssystem gestalten?");
  EXPECT_EQ(f2().kroxl.Caption, "bad");

  press(1);
  EXPECT_EQ(captions(speak()),
            (Lines{"Kroxl: \"Welche Dinge benötigen Sie noch?\"", "Franz: \"Ich benötige noch\"",
                   "Franz: \"das Maschinenbuch\"", "Franz: \"Werkzeug zum Basteln\"",
                   "Franz: \"die Geldscheinvorlagen\"", "Franz: \"und einen Gartenschlauch.\""}));
  EXPECT_EQ(f1().line1.Caption, "Welche Dinge benötigen Sie noch?");

  press(2);
  EXPECT_EQ(captions(speak()), (Lines{"Kroxl: \"Ich geh dann!\"", "Franz: \"Bis dann.\""}));
  EXPECT_EQ(f2().mode.Caption, "normal");
  EXPECT_FALSE(f1().Panel1.Visible);
  EXPECT_TRUE(queued().empty());
}

}  // namespace
