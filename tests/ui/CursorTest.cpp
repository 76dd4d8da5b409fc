// Which pointer shows: the first cursor number up the parent chain; a number
// without a registered picture shows the arrow; crNone hides the pointer.
#include <gtest/gtest.h>

#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/support/FakePlatform.h"

namespace {

struct Cursors : uitest::TestDesktop {
  ui::Form form{desktop, "form"};
  ui::Panel panel{&form, "panel"};
  ui::Label label{&panel, "label"};

  Cursors() {
    form.setBounds(0, 0, 640, 480);
    panel.setBounds(0, 400, 640, 80);
    label.setBounds(8, 8, 100, 16);
    desktop.registerCursor(2, ui::CursorImage{gfx::Bitmap(32, 32), 0, 0});
    form.Show();
  }
  int at(int x, int y) {
    desktop.mouseMove(x, y);
    return desktop.cursorAtPointer();
  }
};

TEST(Cursors, ControlInheritsTheCursorOfItsParents) {
  Cursors t;
  EXPECT_EQ(t.at(20, 410), ui::crDefault);
  t.panel.Cursor = 2;
  EXPECT_EQ(t.at(20, 410), 2);  // over the label, which has none of its own
  t.form.Cursor = ui::crNone;
  EXPECT_EQ(t.at(20, 100), ui::crNone);
  EXPECT_EQ(t.at(300, 450), 2);
}

TEST(Cursors, NumberWithoutAPictureShowsTheArrow) {
  Cursors t;
  t.panel.Cursor = 2;
  t.label.Cursor = 5;  // never registered
  EXPECT_EQ(t.at(20, 410), ui::crDefault);
  EXPECT_EQ(t.at(300, 450), 2);
}

TEST(Cursors, CapturedControlKeepsItsCursorOutsideItself) {
  Cursors t;
  t.label.Cursor = 2;
  t.desktop.mouseDown(ui::MouseButton::Left, 20, 410);
  EXPECT_EQ(t.at(300, 100), 2);
  t.desktop.mouseUp(ui::MouseButton::Left, 300, 100);
  EXPECT_EQ(t.at(300, 101), ui::crDefault);
}

}  // namespace
