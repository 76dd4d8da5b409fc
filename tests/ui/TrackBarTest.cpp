// The track bar keeps its position in range and reports every change once.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "ui/Form.h"
#include "ui/TrackBar.h"
#include "ui/support/FakePlatform.h"

namespace {

struct Slider : uitest::TestDesktop {
  ui::Form form{desktop, "form"};
  ui::TrackBar bar{&form, "TrackBar1"};
  std::vector<int> changes;
  Slider() {
    form.setBounds(0, 0, 300, 100);
    bar.setBounds(0, 0, 150, 45);
    bar.setRange(1, 100);
    bar.OnChange = [this] { changes.push_back(bar.Position()); };
    form.Show();
  }
};

TEST(TrackBar, PositionIsClampedToTheRangeAndReportedOnChangeOnly) {
  Slider t;
  EXPECT_EQ(t.bar.Position(), 1);  // pulled into the range when it was set
  t.bar.setPosition(250);
  t.bar.setPosition(100);
  t.bar.setPosition(-3);
  t.bar.setPosition(1);
  EXPECT_EQ(t.changes, (std::vector<int>{100, 1}));
  t.bar.setPosition(50);
  t.bar.setMax(40);  // a smaller range pulls the position along
  EXPECT_EQ(t.bar.Position(), 40);
  EXPECT_EQ(t.changes.back(), 40);
}

TEST(TrackBar, ArrowPageAndEndKeysStepThePosition) {
  Slider t;
  t.bar.PageSize = 10;
  t.key(ui::vk::Right);
  t.key(ui::vk::Next);
  t.key(ui::vk::Left);
  t.key(ui::vk::End);
  t.key(ui::vk::Right);  // already at the end: no change
  t.key(ui::vk::Home);
  EXPECT_EQ(t.changes, (std::vector<int>{2, 12, 11, 100, 1}));
}

TEST(TrackBar, DraggingTheThumbFollowsThePointerAndStaysInRange) {
  Slider t;
  const gfx::Rect thumb = t.bar.thumbRect();
  const int y = thumb.top + 5;
  t.desktop.mouseDown(ui::MouseButton::Left, thumb.left + 5, y);
  t.desktop.mouseMove(149, y);
  EXPECT_GT(t.bar.Position(), 90);
  t.desktop.mouseMove(400, y);  // far past the end
  EXPECT_EQ(t.bar.Position(), 100);
  t.desktop.mouseUp(ui::MouseButton::Left, 400, y);
  t.desktop.mouseMove(0, y);  // released: no longer follows
  EXPECT_EQ(t.bar.Position(), 100);
  // A press beside the thumb moves a page towards the pointer.
  t.bar.PageSize = 5;
  t.platform.virtualClock.advanceBy(1000);
  t.click(20, y);
  EXPECT_EQ(t.bar.Position(), 95);
}

TEST(TrackBar, WholeIntegerRangeNeitherOverflowsNorDrawsTicksForever) {
  Slider t;
  t.bar.setRange(INT_MIN, INT_MAX);
  t.bar.setPosition(INT_MAX);
  t.key(ui::vk::Right);
  EXPECT_EQ(t.bar.Position(), INT_MAX);
  gfx::Bitmap screen;
  t.desktop.compose(screen);
  const gfx::Rect thumb = t.bar.thumbRect();
  t.desktop.mouseDown(ui::MouseButton::Left, thumb.left + 5, thumb.top + 5);
  t.desktop.mouseMove(-50, thumb.top + 5);
  EXPECT_EQ(t.bar.Position(), INT_MIN);
}

}  // namespace
