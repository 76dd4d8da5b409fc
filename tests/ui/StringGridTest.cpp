// The grid's cells as the voice table uses them.
#include <gtest/gtest.h>

#include "ui/Form.h"
#include "ui/StringGrid.h"
#include "ui/support/FakePlatform.h"

namespace {

TEST(StringGrid, CellsHoldTextByColumnAndRowAndUnwrittenCellsAreEmpty) {
  uitest::TestDesktop t;
  ui::Form form(t.desktop, "form");
  ui::StringGrid grid(&form, "StringGrid1");
  grid.ColCount = 3;
  grid.RowCount = 300;
  grid.FixedCols = 0;
  grid.Cells[0][0] = "in Deutsch";
  grid.Cells[2][299] = "voice299.wav";
  EXPECT_EQ(grid.Cells[0][0], "in Deutsch");
  EXPECT_EQ(grid.Cells.get(2, 299), "voice299.wav");
  EXPECT_EQ(grid.Cells.get(1, 5), "");
  EXPECT_EQ(grid.Cells[1][5], "");
}

TEST(StringGrid, BadIndexesReadEmptyAndDropWrites) {
  uitest::TestDesktop t;
  ui::Form form(t.desktop, "form");
  ui::StringGrid grid(&form, "grid");
  grid.Cells[-1][0] = "lost";
  grid.Cells[0][1 << 30] = "lost";
  EXPECT_EQ(grid.Cells[-1][0], "");
  EXPECT_EQ(grid.Cells.get(0, 1 << 30), "");
}

TEST(StringGrid, KeysMoveTheSelectedCellOutsideTheHeadingsAndScroll) {
  uitest::TestDesktop t;
  ui::Form form(t.desktop, "form");
  ui::StringGrid grid(&form, "grid");
  grid.setBounds(0, 0, 200, 4 + 5 * 24);  // headings and four rows in view
  grid.ColCount = 3;
  grid.RowCount = 20;
  grid.FixedCols = 0;
  form.setBounds(0, 0, 300, 300);
  form.Show();
  t.key(ui::vk::Up);
  EXPECT_EQ(grid.Row(), 1);  // the heading row cannot be selected
  t.key(ui::vk::End);
  EXPECT_EQ(grid.Row(), 19);
  EXPECT_EQ(grid.TopRow(), 16);
  t.key(ui::vk::Left);
  EXPECT_EQ(grid.Col(), 0);
  // A press on a shown row selects its cell.
  t.click(70, 4 + 24 + 12);
  EXPECT_EQ(grid.Row(), 16);
  EXPECT_EQ(grid.Col(), 1);
}

}  // namespace
