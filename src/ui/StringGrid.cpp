#include "ui/StringGrid.h"

#include <algorithm>

#include "gfx/Text.h"
#include "ui/Look.h"

namespace ui {

// ---- cells ----

std::string GridCells::get(int col, int row) const {
  if (col < 0 || row < 0 || static_cast<size_t>(col) >= columns_.size()) return {};
  const auto& column = columns_[static_cast<size_t>(col)];
  return static_cast<size_t>(row) < column.size() ? column[static_cast<size_t>(row)] : std::string{};
}

std::string& GridCells::at(int col, int row) {
  if (col < 0 || row < 0 || col > kMaxIndex || row > kMaxIndex) {
    scratch_.clear();
    return scratch_;
  }
  if (static_cast<size_t>(col) >= columns_.size()) columns_.resize(static_cast<size_t>(col) + 1);
  auto& column = columns_[static_cast<size_t>(col)];
  if (static_cast<size_t>(row) >= column.size()) column.resize(static_cast<size_t>(row) + 1);
  return column[static_cast<size_t>(row)];
}

// ---- grid ----

StringGrid::StringGrid(Control* parent, std::string name) : Control(parent, std::move(name)) {
  Width = 320;
  Height = 120;
  Color = gfx::clWindow;
}

int StringGrid::colWidth(int col) const {
  const int w = col >= 0 && static_cast<size_t>(col) < ColWidths.size() ? ColWidths[static_cast<size_t>(col)]
                                                                        : DefaultColWidth;
  return std::max(1, w);
}

int StringGrid::rowHeight() const {
  return std::max(1, DefaultRowHeight);
}

int StringGrid::scrollingRowsInView() const {
  const int fixedHeight = std::max(0, FixedRows) * rowHeight();
  return std::max(1, (Height - 4 - fixedHeight) / rowHeight());
}

bool StringGrid::hasScrollBar() const {
  return RowCount - std::max(0, FixedRows) > scrollingRowsInView();
}

ScrollBar StringGrid::scrollBar(gfx::Point origin) const {
  const gfx::Rect bar = gfx::Rect::xywh(Width - 2 - ScrollBar::kWidth, 2, ScrollBar::kWidth, Height - 4);
  const int fixed = std::max(0, FixedRows);
  return ScrollBar(bar.offset(origin.x, origin.y), topRow_ - fixed, scrollingRowsInView(), RowCount - fixed);
}

void StringGrid::setTopRow(int row) {
  const int fixed = std::max(0, FixedRows);
  const int last = std::max(fixed, RowCount - scrollingRowsInView());
  topRow_ = std::clamp(row, fixed, last);
}

void StringGrid::select(int col, int row) {
  col_ = std::clamp(col, std::max(0, FixedCols), std::max(std::max(0, FixedCols), ColCount - 1));
  row_ = std::clamp(row, std::max(0, FixedRows), std::max(std::max(0, FixedRows), RowCount - 1));
  if (row_ < topRow_) setTopRow(row_);
  if (row_ >= topRow_ + scrollingRowsInView()) setTopRow(row_ - scrollingRowsInView() + 1);
}

bool StringGrid::cellAt(int x, int y, int& col, int& row) const {
  if (x < 2 || y < 2 || (hasScrollBar() && x >= Width - 2 - ScrollBar::kWidth)) return false;
  int left = 2;
  for (col = 0; col < ColCount && left + colWidth(col) <= x; ++col) left += colWidth(col);
  if (col >= ColCount) return false;
  const int line = (y - 2) / rowHeight();
  row = line < FixedRows ? line : topRow_ + line - std::max(0, FixedRows);
  return row < RowCount;
}

void StringGrid::mouseDown(MouseButton button, Shift shift, int x, int y) {
  if (button == MouseButton::Left) {
    const ScrollBar bar = scrollBar();
    const ScrollBar::Part part = hasScrollBar() ? bar.partAt(x, y) : ScrollBar::Part::None;
    int col = 0, row = 0;
    if (part == ScrollBar::Part::Thumb)
      thumbGrab_ = y - bar.thumb().top;
    else if (part != ScrollBar::Part::None)
      setTopRow(bar.firstAfter(part) + std::max(0, FixedRows));
    else if (cellAt(x, y, col, row) && col >= FixedCols && row >= FixedRows)
      select(col, row);
  }
  Control::mouseDown(button, shift, x, y);
}

void StringGrid::mouseMove(Shift shift, int x, int y) {
  if (thumbGrab_ >= 0) setTopRow(scrollBar().firstForThumbTop(y - thumbGrab_) + std::max(0, FixedRows));
  Control::mouseMove(shift, x, y);
}

void StringGrid::mouseUp(MouseButton button, Shift shift, int x, int y) {
  if (button == MouseButton::Left) thumbGrab_ = -1;
  Control::mouseUp(button, shift, x, y);
}

void StringGrid::keyDown(int& key, Shift shift) {
  Control::keyDown(key, shift);
  const int page = scrollingRowsInView();
  switch (key) {
    case vk::Up:
      select(col_, row_ - 1);
      break;
    case vk::Down:
      select(col_, row_ + 1);
      break;
    case vk::Left:
      select(col_ - 1, row_);
      break;
    case vk::Right:
      select(col_ + 1, row_);
      break;
    case vk::Prior:
      select(col_, row_ - page);
      break;
    case vk::Next:
      select(col_, row_ + page);
      break;
    case vk::Home:
      select(col_, 0);
      break;
    case vk::End:
      select(col_, RowCount - 1);
      break;
    default:
      break;
  }
}

void StringGrid::paintCell(gfx::Canvas& screen, const gfx::Rect& cell, int col, int row) {
  const bool fixed = col < FixedCols || row < FixedRows;
  if (fixed) {
    look::raisedFrame(screen, cell, gfx::clBtnFace);
  } else {
    screen.fillRect(cell, Color);
    screen.line(cell.right - 1, cell.top, cell.right - 1, cell.bottom, gfx::clBtnFace);
    screen.line(cell.left, cell.bottom - 1, cell.right, cell.bottom - 1, gfx::clBtnFace);
  }
  const std::string text = Cells.get(col, row);
  if (!text.empty()) {
    const gfx::Rect clip = screen.clip();
    screen.setClip(gfx::Rect{cell.left + 2, cell.top, cell.right - 2, cell.bottom}.intersect(clip));
    gfx::Font f = Font;
    if (!enabledInTree()) f.Color = gfx::clGrayText;
    screen.Font = f;
    screen.BrushClear = true;
    screen.textOut(cell.left + 2, cell.top + 2, text);
    screen.BrushClear = false;
    screen.setClip(clip);
  }
  if (!fixed && focused() && col == col_ && row == row_)
    look::focusRect(screen, {cell.left + 1, cell.top + 1, cell.right - 2, cell.bottom - 2});
}

void StringGrid::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  look::sunkenFrame(screen, r, Color);
  const gfx::Rect clip = screen.clip();
  if (hasScrollBar()) scrollBar({r.left, r.top}).paint(screen, enabledInTree());
  const int right = r.right - 2 - (hasScrollBar() ? ScrollBar::kWidth : 0);
  screen.setClip(gfx::Rect{r.left + 2, r.top + 2, right, r.bottom - 2}.intersect(clip));
  const int fixedRows = std::min(std::max(0, FixedRows), RowCount);
  std::vector<int> rows;
  for (int row = 0; row < fixedRows; ++row) rows.push_back(row);
  for (int row = topRow_; row < RowCount && static_cast<int>(rows.size()) * rowHeight() < r.height(); ++row)
    rows.push_back(row);
  int y = r.top + 2;
  for (int row : rows) {
    int x = r.left + 2;
    for (int col = 0; col < ColCount && x < right; ++col) {
      paintCell(screen, gfx::Rect::xywh(x, y, colWidth(col), rowHeight()), col, row);
      x += colWidth(col);
    }
    y += rowHeight();
  }
}

}  // namespace ui
