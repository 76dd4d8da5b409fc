#include "ui/TrackBar.h"

#include <algorithm>

#include "ui/Look.h"

namespace ui {

TrackBar::TrackBar(Control* parent, std::string name) : Control(parent, std::move(name)) {
  Width = 150;
  Height = 45;
  ParentColor = true;
}

void TrackBar::setMin(int min) {
  setRange(min, std::max(min, max_));
}
void TrackBar::setMax(int max) {
  setRange(std::min(min_, max), max);
}

void TrackBar::setRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  setPosition(position_);
}

void TrackBar::setPosition(int position) {
  position = std::clamp(position, min_, max_);
  if (position == position_) return;
  position_ = position;
  if (OnChange) OnChange();
}

void TrackBar::stepBy(int64_t delta) {
  setPosition(static_cast<int>(std::clamp<int64_t>(int64_t{position_} + delta, min_, max_)));
}

int TrackBar::channelLeft() const {
  return kMargin + kThumbWidth / 2;
}
int TrackBar::channelRight() const {
  return std::max(channelLeft(), Width - kMargin - kThumbWidth / 2 - 1);
}

int TrackBar::xOf(int position) const {
  if (max_ == min_) return channelLeft();
  const int64_t span = channelRight() - channelLeft();
  return channelLeft() + static_cast<int>(span * (int64_t{position} - min_) / (int64_t{max_} - min_));
}

int TrackBar::positionAt(int x) const {
  const int span = channelRight() - channelLeft();
  if (span <= 0) return min_;
  const int64_t offset = std::clamp(x - channelLeft(), 0, span);
  // Round to the nearest position.
  return static_cast<int>(min_ + (offset * (int64_t{max_} - min_) + span / 2) / span);
}

gfx::Rect TrackBar::thumbRect() const {
  return gfx::Rect::xywh(xOf(position_) - kThumbWidth / 2, kMargin, kThumbWidth, kThumbHeight);
}

void TrackBar::mouseDown(MouseButton button, Shift shift, int x, int y) {
  Control::mouseDown(button, shift, x, y);
  if (button != MouseButton::Left) return;
  if (thumbRect().contains(x, y)) {
    dragOffset_ = x - xOf(position_);
  } else {
    stepBy(x < xOf(position_) ? -int64_t{PageSize} : int64_t{PageSize});
  }
}

void TrackBar::mouseMove(Shift shift, int x, int y) {
  Control::mouseMove(shift, x, y);
  if (dragOffset_ != kNotDragging) setPosition(positionAt(x - dragOffset_));
}

void TrackBar::mouseUp(MouseButton button, Shift shift, int x, int y) {
  if (button == MouseButton::Left) dragOffset_ = kNotDragging;
  Control::mouseUp(button, shift, x, y);
}

void TrackBar::keyDown(int& key, Shift shift) {
  Control::keyDown(key, shift);
  switch (key) {
    case vk::Left:
    case vk::Up:
      stepBy(-int64_t{LineSize});
      break;
    case vk::Right:
    case vk::Down:
      stepBy(LineSize);
      break;
    case vk::Prior:
      stepBy(-int64_t{PageSize});
      break;
    case vk::Next:
      stepBy(PageSize);
      break;
    case vk::Home:
      setPosition(min_);
      break;
    case vk::End:
      setPosition(max_);
      break;
    default:
      break;
  }
}

void TrackBar::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  screen.fillRect(r, faceColor());
  const int ox = r.left, oy = r.top;
  // The channel: a sunken groove through the middle of the thumb.
  const int grooveTop = oy + kMargin + kThumbHeight / 2 - 2;
  look::sunkenFrame(screen, {ox + kMargin, grooveTop, ox + Width - kMargin, grooveTop + 4}, gfx::clWindow);
  if (TickStyle == TTickStyle::Auto && max_ > min_) {
    const int tickTop = oy + kMargin + kThumbHeight + 2;
    const int64_t step = std::max(1, Frequency);
    const int64_t ticks = (int64_t{max_} - min_) / step;
    if (ticks > channelRight() - channelLeft()) {
      // More ticks than pixels: they merge into a bar.
      screen.fillRect({ox + channelLeft(), tickTop, ox + channelRight() + 1, tickTop + 3}, gfx::clBlack);
    } else {
      for (int64_t k = 0; k <= ticks; ++k) {
        const int x = ox + xOf(static_cast<int>(min_ + k * step));
        screen.line(x, tickTop, x, tickTop + 3, gfx::clBlack);
      }
    }
    screen.line(ox + xOf(max_), tickTop, ox + xOf(max_), tickTop + 4, gfx::clBlack);
  }
  const gfx::Rect thumb = thumbRect().offset(ox, oy);
  if (TickStyle == TTickStyle::Auto) {
    // A thumb that points down at the ticks.
    const int body = kThumbHeight - kThumbWidth / 2;
    look::raisedFrame(screen, {thumb.left, thumb.top, thumb.right, thumb.top + body}, gfx::clBtnFace);
    for (int i = 0; i <= kThumbWidth / 2; ++i) {
      const int y = thumb.top + body - 2 + i;
      screen.line(thumb.left + i, y, thumb.right - i, y, gfx::clBtnFace);
      screen.setPixel(thumb.left + i, y, gfx::clBtnHighlight);
      screen.setPixel(thumb.right - 1 - i, y, gfx::clBtnDkShadow);
    }
  } else {
    look::raisedFrame(screen, thumb, gfx::clBtnFace);
  }
  if (focused()) look::focusRect(screen, r);
}

}  // namespace ui
