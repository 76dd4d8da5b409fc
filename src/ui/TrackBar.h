#pragma once
#include <cstdint>

#include "ui/Control.h"

namespace ui {

enum class TTickStyle { None, Auto };

// A horizontal slider over a range of whole numbers. The position always
// lies within Min..Max; OnChange runs whenever it changes, by dragging the
// thumb, clicking beside it (a page step towards the pointer), the arrow,
// Page and Home/End keys, or setPosition.
class TrackBar : public Control {
 public:
  TrackBar(Control* parent, std::string name);

  TTickStyle TickStyle = TTickStyle::Auto;
  int Frequency = 1;  // a tick mark every this many positions
  int LineSize = 1;   // the step of an arrow key
  int PageSize = 2;   // the step of Page Up/Down and of a click beside the thumb

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  // Changing the range pulls the position into it (which reports a change).
  void setMin(int min);
  void setMax(int max);
  void setRange(int min, int max);
  void setPosition(int position);

  void mouseDown(MouseButton button, Shift shift, int x, int y) override;
  void mouseMove(Shift shift, int x, int y) override;
  void mouseUp(MouseButton button, Shift shift, int x, int y) override;
  void captureLost() override { dragOffset_ = kNotDragging; }
  void keyDown(int& key, Shift shift) override;
  bool canFocus() const override { return true; }
  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;

  // The thumb's rectangle in the control's own coordinates.
  gfx::Rect thumbRect() const;

 private:
  static constexpr int kNotDragging = -1000000;
  static constexpr int kThumbWidth = 11, kThumbHeight = 20, kMargin = 8;
  void stepBy(int64_t delta);
  int channelLeft() const;
  int channelRight() const;
  int xOf(int position) const;
  int positionAt(int x) const;

  int min_ = 0, max_ = 10, position_ = 0;
  int dragOffset_ = kNotDragging;  // pointer x minus thumb centre while dragging
};

}  // namespace ui
