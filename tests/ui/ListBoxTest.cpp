// List boxes: what the user's selection reports, scrolling, and the file
// list that reads a directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ui/FileListBox.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/support/FakePlatform.h"

namespace {

struct Lists : uitest::TestDesktop {
  ui::Form form{desktop, "form"};
  ui::ListBox list{&form, "list"};
  std::vector<std::string> events;
  Lists() {
    form.setBounds(0, 0, 300, 300);
    list.setBounds(10, 10, 120, 4 * 13 + 4);  // four rows in view
    for (int i = 0; i < 10; ++i) list.Items.add("item " + std::to_string(i));
    list.OnClick = [this] { events.push_back("click " + std::to_string(list.ItemIndex())); };
    list.OnChange = [this] { events.push_back("change " + std::to_string(list.ItemIndex())); };
    list.OnDblClick = [this] { events.push_back("dblclick " + std::to_string(list.ItemIndex())); };
    form.Show();
  }
  // The desktop point of a row in view.
  int rowY(int row) const { return 10 + 2 + row * 13 + 6; }
};

TEST(ListBox, SelectingAnotherItemReportsClickThenChangeOnce) {
  Lists t;
  t.click(30, t.rowY(1));
  t.platform.virtualClock.advanceBy(1000);
  t.click(30, t.rowY(1));  // the same item again: nothing
  t.list.setItemIndex(3);  // by code: nothing
  t.key(ui::vk::Down);
  EXPECT_EQ(t.events, (std::vector<std::string>{"click 1", "change 1", "click 4", "change 4"}));
}

TEST(ListBox, DoubleClickComesAfterTheFirstPressSelected) {
  Lists t;
  t.click(30, t.rowY(2));
  t.click(30, t.rowY(2));
  EXPECT_EQ(t.events, (std::vector<std::string>{"click 2", "change 2", "dblclick 2"}));
}

TEST(ListBox, KeyboardScrollsTheSelectionIntoViewAndStopsAtTheEnds) {
  Lists t;
  t.key(ui::vk::End);
  EXPECT_EQ(t.list.ItemIndex(), 9);
  EXPECT_EQ(t.list.TopIndex(), 6);
  t.key(ui::vk::Down);
  t.key(ui::vk::Home);
  EXPECT_EQ(t.list.TopIndex(), 0);
  t.key(ui::vk::Up);
  EXPECT_EQ(t.events.size(), 4u);  // End and Home changed it; Down and Up at the ends did not
}

TEST(ListBox, ScrollBarArrowScrollsAndRowsFollow) {
  Lists t;
  const int barX = 10 + 120 - 2 - 8;
  t.click(barX, 10 + 2 + 4);  // the up arrow at the top: already there
  EXPECT_EQ(t.list.TopIndex(), 0);
  t.platform.virtualClock.advanceBy(1000);
  t.click(barX, 10 + 4 * 13 + 2 - 4);  // the down arrow
  EXPECT_EQ(t.list.TopIndex(), 1);
  t.platform.virtualClock.advanceBy(1000);
  t.click(30, t.rowY(0));
  EXPECT_EQ(t.list.ItemIndex(), 1);
}

TEST(ListBox, ShrinkingTheItemsDropsASelectionPastTheEnd) {
  Lists t;
  t.list.setItemIndex(8);
  t.list.Items.remove(9);
  EXPECT_EQ(t.list.ItemIndex(), 8);
  t.list.Items.remove(8);
  EXPECT_EQ(t.list.ItemIndex(), -1);
  t.list.Items.clear();
  t.key(ui::vk::Down);  // nothing to select, nothing happens
  EXPECT_TRUE(t.events.empty());
}

class FileListBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("kroxl_ui_files_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_ / "SaveGames" / "sub.kvt");
    for (const char* name :
         {"zeta.kvt", "Abend.KVT", "abend.kvt.bmp", "mitte.kvt", ".hidden.kvt", "notes.txt"})
      std::ofstream(dir_ / "SaveGames" / name) << "x";
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(FileListBoxTest, ListsMatchingFilesSortedWithoutRegardToCase) {
  uitest::TestDesktop t;
  ui::Form form(t.desktop, "form");
  ui::FileListBox files(&form, "FileListBox1");
  files.setMask("*.kvt");
  // A game path with backslashes and a directory name in the wrong case.
  files.setDirectory(dir_.string() + "\\savegames\\");
  EXPECT_EQ(files.Items.lines(), (std::vector<std::string>{"Abend.KVT", "mitte.kvt", "zeta.kvt"}));
  EXPECT_EQ(files.Directory(), dir_.string() + "\\savegames");
  EXPECT_EQ(files.FileName(), "");
  files.setItemIndex(1);
  EXPECT_EQ(files.FileName(), dir_.string() + "\\savegames\\mitte.kvt");

  std::ofstream(dir_ / "SaveGames" / "neu.kvt") << "x";
  files.Update();
  EXPECT_EQ(files.Items.Count(), 4);
  EXPECT_EQ(files.ItemIndex(), -1);
  files.setMask("*.txt;*.bmp");
  EXPECT_EQ(files.Items.lines(), (std::vector<std::string>{"abend.kvt.bmp", "notes.txt"}));
}

TEST_F(FileListBoxTest, MissingDirectoryGivesAnEmptyList) {
  uitest::TestDesktop t;
  ui::Form form(t.desktop, "form");
  ui::FileListBox files(&form, "FileListBox1");
  files.setDirectory(dir_.string() + "/nowhere");
  EXPECT_EQ(files.Items.Count(), 0);
  EXPECT_EQ(files.FileName(), "");
}

}  // namespace
