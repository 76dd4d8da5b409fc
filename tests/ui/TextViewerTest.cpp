// The window for reading a text: wrapped lines, keys that scroll, and the
// ways to close it.
#include <gtest/gtest.h>

#include <string>

#include "ui/TextViewer.h"
#include "ui/support/FakePlatform.h"

namespace {

struct Viewer : uitest::TestDesktop {
  std::string text;
  std::unique_ptr<ui::TextViewer> viewer;
  Viewer() {
    for (int i = 0; i < 100; ++i) text += "Zeile " + std::to_string(i) + "\r\n";
    text += std::string(300, 'x') + " Ende";  // wider than the window: wrapped
    viewer = std::make_unique<ui::TextViewer>(desktop, "Hilfe", text);
    viewer->Show();
  }
  int top() { return viewer->lines().TopIndex(); }
};

TEST(TextViewer, KeysScrollAndTheLastLineIsWrapped) {
  Viewer t;
  const sys::TextList& items = t.viewer->lines().Items;
  EXPECT_EQ(items.get(0), "Zeile 0");
  EXPECT_EQ(items.get(items.Count() - 1), "Ende");
  t.key(ui::vk::Down);
  t.key(ui::vk::Down);
  EXPECT_EQ(t.top(), 2);
  t.key(ui::vk::Up);
  EXPECT_EQ(t.top(), 1);
  t.key(ui::vk::Space);
  EXPECT_EQ(t.top(), t.viewer->lines().visibleItems());
  t.key(ui::vk::End);
  EXPECT_EQ(t.top() + t.viewer->lines().visibleItems(), items.Count());
  t.key(ui::vk::Home);
  EXPECT_EQ(t.top(), 0);
  EXPECT_TRUE(t.viewer->Visible);  // Space scrolled, it did not press the button
}

TEST(TextViewer, EscapeEnterOrTheButtonCloseIt) {
  for (int way = 0; way < 3; ++way) {
    Viewer t;
    if (way == 0) t.key(ui::vk::Escape);
    if (way == 1) t.key(ui::vk::Return);
    if (way == 2) {
      const gfx::Rect b = t.viewer->closeButton().screenRect();
      t.click(b.left + 5, b.top + 5);
    }
    EXPECT_FALSE(t.viewer->Visible) << way;
  }
}

}  // namespace
