// Names in the queue (from scripts, and from saved games through the load's
// "play music") are paths under the data root; one that climbs out of it
// used to be opened wherever it led.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/TForm1.h"
#include "core/TForm5.h"
#include "state/TForm2.h"
#include "support/GameFixture.h"

namespace {

using Lines = std::vector<std::string>;

class DataRootTest : public testsupport::GameTest {
 protected:
  void SetUp() override {
    startRunner();
    g().Form5->CheckBox5.setChecked(true);
    runnerTicks(1);
    // Real files beside the data root, where a name with ".." finds them.
    const std::filesystem::path demo = demoDataRoot();
    std::filesystem::copy_file(demo / "sound/effects/click.wav", outside.file("geheim.wav"));
    std::filesystem::copy_file(demo / "sound/music/gang.mid", outside.file("geheim.mid"));
    std::filesystem::copy_file(demo / "graphic/error.bmp", outside.file("geheim.bmp"));
    outside.write("geheim.smx", testsupport::gameText({"look right"}));
  }
  std::string climbing(const std::string& file) {
    return "\\..\\" + std::filesystem::path(outside.path()).filename().string() + "\\" + file;
  }
  Lines errors() { return g().Form5->Memo1.Lines.lines(); }

  testsupport::TempDir outside;
};

TEST_F(DataRootTest, ANameThatLeavesTheDataRootIsAnErrorLineAndTheGameGoesOn) {
  f2().sonsti.Caption = "left";
  const gfx::TColor before = f1().schirm.canvas().pixel(10, 10);
  f2().Memo1.assign({"play music", climbing("geheim.mid"), "play wav effect", climbing("geheim.wav"),
                     "bitmap", climbing("geheim.bmp"), "0", "0", "play wav speech", climbing("geheim.wav"),
                     "play video", climbing("geheim.avi"), "execute script", climbing("geheim.smx")});
  runnerTicks(8);

  EXPECT_TRUE(f2().Memo1.empty());
  EXPECT_TRUE(f1().Runner.Enabled());
  EXPECT_EQ(f2().sonsti.Caption, "left") << "the script outside was not run";
  EXPECT_EQ(f1().schirm.canvas().pixel(10, 10), before);
  for (const media::MediaPlayer* player : {f1().MediaPlayer1.get(), f1().MediaPlayer2.get()})
    EXPECT_EQ(player->FileName.find("geheim"), std::string::npos) << player->FileName;
  ASSERT_EQ(errors().size(), 6u);
  EXPECT_EQ(errors()[0], "ERROR! File outside the data directory: \"" + climbing("geheim.mid") + "\"!");
}

}  // namespace
