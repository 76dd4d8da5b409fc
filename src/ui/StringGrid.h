#pragma once
#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/ScrollBar.h"

namespace ui {

// The texts of a grid, addressed Cells[col][row] as the game does. A cell
// never written reads as empty text. Indexes outside 0..kMaxIndex read as
// empty and drop writes, so a bad index can neither crash nor eat memory.
class GridCells {
 public:
  static constexpr int kMaxIndex = 65535;

  class Column {
   public:
    std::string& operator[](int row) { return cells_.at(col_, row); }

   private:
    friend class GridCells;
    Column(GridCells& cells, int col) : cells_(cells), col_(col) {}
    GridCells& cells_;
    int col_;
  };

  Column operator[](int col) { return Column(*this, col); }
  std::string get(int col, int row) const;
  void clear() { columns_.clear(); }

 private:
  std::string& at(int col, int row);
  std::vector<std::vector<std::string>> columns_;
  std::string scratch_;
};

// A table of text cells. The first FixedRows rows (the headings) and
// FixedCols columns stay in place and look like buttons; the other rows
// scroll. A press or the arrow keys select a cell.
class StringGrid : public Control {
 public:
  StringGrid(Control* parent, std::string name);

  int ColCount = 5, RowCount = 5;
  int FixedCols = 1, FixedRows = 1;
  int DefaultColWidth = 64, DefaultRowHeight = 24;
  // Widths of the first columns; the others are DefaultColWidth wide.
  std::vector<int> ColWidths;
  GridCells Cells;

  int Col() const { return col_; }
  int Row() const { return row_; }
  // Selects a cell outside the fixed ones and scrolls its row into view.
  void select(int col, int row);
  int TopRow() const { return topRow_; }  // the first scrolling row in view
  void setTopRow(int row);
  // The cell at a point of the control, or false.
  bool cellAt(int x, int y, int& col, int& row) const;

  void mouseDown(MouseButton button, Shift shift, int x, int y) override;
  void mouseMove(Shift shift, int x, int y) override;
  void mouseUp(MouseButton button, Shift shift, int x, int y) override;
  void captureLost() override { thumbGrab_ = -1; }
  void keyDown(int& key, Shift shift) override;
  bool canFocus() const override { return true; }
  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;

 private:
  int colWidth(int col) const;
  int rowHeight() const;
  int scrollingRowsInView() const;
  bool hasScrollBar() const;
  ScrollBar scrollBar(gfx::Point origin = {}) const;
  void paintCell(gfx::Canvas& screen, const gfx::Rect& cell, int col, int row);

  int col_ = 1, row_ = 1;
  int topRow_ = 1;
  int thumbGrab_ = -1;
};

}  // namespace ui
