// The runner's tick: how the queue's first line is recognised, when the
// following commands run, and how waits, walking and failures behave.
#include <gtest/gtest.h>

#include "core/TForm1.h"
#include "core/TForm5.h"
#include "state/TForm2.h"
#include "support/GameFixture.h"

namespace {

class RunnerTest : public testsupport::GameTest {
 protected:
  void SetUp() override {
    startRunner();
    runnerTicks(1);  // the first tick only retires the empty spoken line
  }
  void queue(std::vector<std::string> lines) { f2().Memo1.assign(std::move(lines)); }
  std::vector<std::string> queued() { return f2().Memo1.lines(); }
  const std::string& lastProtocolLine() { return f2().Memo2.last(); }
  const sys::TextList& errors() { return g().Form5->Memo1.Lines; }
};

TEST_F(RunnerTest, AKeywordWithATrailingBlankIsAnUnknownCommandThatIsLoggedListedAndRemoved) {
  queue({"walking to ", "300"});
  runnerTicks(1);
  EXPECT_EQ(queued(), (std::vector<std::string>{"300"}));
  EXPECT_EQ(lastProtocolLine(), " + ERROR: Scripterror: \"walking to \"");
  EXPECT_EQ(errors().last(),
            "ERROR! Unkown Command: \"walking to \" [" + std::to_string(f2().Memo2.Count()) + "]");
}

TEST_F(RunnerTest, AfterInventarSubTheLaterTestsSeeTheNextCommandInTheSameTick) {
  queue({"inventar sub", "Taschentuch", "say", "Kroxl", "Hallo"});
  runnerTicks(1);
  EXPECT_TRUE(queued().empty());
  EXPECT_EQ(f1().say.Caption, "Kroxl: \"Hallo\"");
  EXPECT_EQ(f2().inventar.lines(), (std::vector<std::string>{"Auftragsmappe"}));

  // A command the remaining tests no longer reach waits for the next tick.
  queue({"inventar sub", "Auftragsmappe", "walking to", "300"});
  runnerTicks(1);
  EXPECT_EQ(queued(), (std::vector<std::string>{"walking to", "300"}));
  EXPECT_TRUE(errors().empty());
}

TEST_F(RunnerTest, ExitLetsTheFollowingTestsRunAndEndsTheGame) {
  queue({"exit", "say", "Kroxl", "Tschüss"});
  runnerTicks(1);
  EXPECT_TRUE(g().desktop.terminated());
  EXPECT_FALSE(f1().Visible);
}

TEST_F(RunnerTest, InventarSubRemovesTheLastEntryOfThatName) {
  f2().inventar.assign({"Plan", "Kaffee", "Plan"});
  queue({"inventar sub", "Plan", "inventar sub", "Schlauch"});
  runnerTicks(2);
  EXPECT_EQ(f2().inventar.lines(), (std::vector<std::string>{"Plan", "Kaffee"}));
}

TEST_F(RunnerTest, WaitZeroEndsInTheSameTick) {
  queue({"wait", "0", "look left"});
  runnerTicks(1);
  EXPECT_EQ(queued(), (std::vector<std::string>{"look left"}));
  EXPECT_EQ(f2().Label13.Tag, -1);
  EXPECT_EQ(f2().Label13.Caption, "waiting mode: off");
}

TEST_F(RunnerTest, WaitHoldsTheQueueForItsTicks) {
  queue({"wait", "3", "look left"});
  runnerTicks(2);
  EXPECT_EQ(queued(), (std::vector<std::string>{"wait for wait", "wait for wait", "look left"}));
  runnerTicks(1);
  EXPECT_EQ(queued(), (std::vector<std::string>{"look left"}));
}

TEST_F(RunnerTest, StoppingLinesStayAndKeepTheScriptMode) {
  for (const char* stop : {"#", "", " "}) {
    queue({stop, "look left"});
    runnerTicks(3);
    EXPECT_EQ(queued(), (std::vector<std::string>{stop, "look left"}));
    EXPECT_EQ(f2().mode.Caption, "KI Script working ...");
    EXPECT_EQ(f1().Cursor, 1);
  }
}

TEST_F(RunnerTest, TheScriptModeEndsWhenTheQueueRunsEmpty) {
  queue({"look left"});
  runnerTicks(1);
  EXPECT_EQ(f2().mode.Caption, "normal");
  EXPECT_EQ(f2().Label10.Caption, "nothing");
  EXPECT_EQ(f1().helpline.Color, 9724929u);
}

TEST_F(RunnerTest, WalkingToLogsTheOldTargetAndWaitsForTheArrival) {
  f2().posit.Tag = 100;
  f1().block.Left = 100;
  queue({"walking to", "160", "look right"});
  runnerTicks(1);
  EXPECT_EQ(lastProtocolLine(), "walking to 100");
  EXPECT_EQ(f1().block.Left, 160);
  EXPECT_EQ(queued(), (std::vector<std::string>{"wait for stop", "wait for stop", "look right"}));
  runnerTicks(20);
  // He counts as arrived within 11 pixels; the look then stops him where he is.
  EXPECT_EQ(f2().posit.Tag, 154);
  EXPECT_EQ(f1().block.Left, 154);
  EXPECT_TRUE(queued().empty());
  EXPECT_EQ(f2().sonsti.Caption, "right");
}

TEST_F(RunnerTest, AWalkComesToRestWithinSixPixels) {
  // Six pixels a tick, first down then up: from 100 toward 103 he steps to
  // 106, and every later tick takes him to 100 and back to 106.
  f2().posit.Tag = 100;
  f1().block.Left = 103;
  std::vector<int> positions;
  for (int i = 0; i < 3; ++i) {
    runnerTicks(1);
    positions.push_back(f2().posit.Tag);
  }
  EXPECT_EQ(positions, (std::vector<int>{106, 106, 106}));
  EXPECT_EQ(f2().posit.Caption, "Kroxl: standing");

  f2().posit.Tag = 100;
  f1().block.Left = 97;
  runnerTicks(1);
  EXPECT_EQ(f2().posit.Tag, 100);
}

TEST_F(RunnerTest, ADoubleClickDuringAScriptedWalkPutsHimAtTheTarget) {
  f2().posit.Tag = 100;
  f1().block.Left = 100;
  queue({"walking to", "500", "look left"});
  runnerTicks(1);
  f1().clickCountdown = -55;
  runnerTicks(1);
  EXPECT_EQ(f2().posit.Tag, 500);
  EXPECT_EQ(f1().clickCountdown, 0);
  EXPECT_EQ(queued(), (std::vector<std::string>{"look left"}));
}

TEST_F(RunnerTest, AFailureInsideATickStopsTheRunnerAndEndsTheGame) {
  queue({"wait", "viele"});
  runnerTicks(1);
  EXPECT_FALSE(f1().Runner.Enabled());
  EXPECT_TRUE(g().desktop.terminated());
  EXPECT_NE(lastProtocolLine().find("'viele' is not a valid integer value"), std::string::npos);
}

TEST_F(RunnerTest, GotoRoomHandsOverToTheRoomBuilder) {
  queue({"goto room", "103", "jump to", "200"});
  runnerTicks(1);
  EXPECT_FALSE(f1().Runner.Enabled());
  EXPECT_TRUE(f1().build.Enabled() || f1().build.Tag == 103);
  EXPECT_EQ(f1().build.Tag, 103);
  EXPECT_EQ(queued(), (std::vector<std::string>{"jump to", "200"}));
}

TEST_F(RunnerTest, ExecuteScriptReplacesTheQueueOrReportsTheMissingFile) {
  dir.write("source/scripts/probe.smx", testsupport::gameText({"look behind", "look left"}));
  queue({"execute script", "\\source\\scripts\\probe.smx", "say", "Kroxl", "verloren"});
  runnerTicks(1);
  EXPECT_EQ(queued(), (std::vector<std::string>{"look behind", "look left"}));

  queue({"execute script", "\\source\\scripts\\fehlt.smx", "look right"});
  runnerTicks(1);
  EXPECT_EQ(queued(), (std::vector<std::string>{"look right"}));
  EXPECT_EQ(errors().last(), "ERROR: scipt not found: " + f1().dataPath("\\source\\scripts\\fehlt.smx"));
}

}  // namespace
