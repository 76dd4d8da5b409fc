// The window for reading a text: wrapped lines, and keys that scroll it
// rather than press its button.
#include <gtest/gtest.h>

#include <string>

#include "ui/TextViewer.h"
#include "ui/support/FakePlatform.h"

namespace {

TEST(TextViewer, KeysScrollTheWrappedLinesAndTheButtonCloses) {
  uitest::TestDesktop t;
  std::string text;
  for (int i = 0; i < 100; ++i) text += "Zeile " + std::to_string(i) + "\r\n";
  text += std::string(300, 'x') + " Ende";  // wider than the window
  ui::TextViewer viewer(t.desktop, "Hilfe", text);
  viewer.Show();
  ui::ListBox& lines = viewer.lines();
  EXPECT_EQ(lines.Items.get(0), "Zeile 0");
  EXPECT_EQ(lines.Items.get(lines.Items.Count() - 1), "Ende");
  t.key(ui::vk::Down);
  t.key(ui::vk::Down);
  t.key(ui::vk::Up);
  EXPECT_EQ(lines.TopIndex(), 1);
  t.key(ui::vk::Space);
  EXPECT_EQ(lines.TopIndex(), lines.visibleItems());
  t.key(ui::vk::End);
  EXPECT_EQ(lines.TopIndex() + lines.visibleItems(), lines.Items.Count());
  EXPECT_TRUE(viewer.Visible);  // Space scrolled, it did not press the button
  const gfx::Rect b = viewer.closeButton().screenRect();
  t.click(b.left + 5, b.top + 5);
  EXPECT_FALSE(viewer.Visible);
}

}  // namespace
