// Where mouse input goes: the topmost enabled control under the pointer,
// never past a modal form, and to the capturing control during a drag.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/support/FakePlatform.h"

using ui::MouseButton;

namespace {

struct Routing : uitest::TestDesktop {
  std::vector<std::string> log;

  // Records presses and clicks of a control under its name.
  void record(ui::Control& c) {
    c.OnMouseDown = [this, &c](MouseButton, ui::Shift s, int x, int y) {
      log.push_back(c.Name + (s.Double ? " double down " : " down ") + std::to_string(x) + "," +
                    std::to_string(y));
    };
    c.OnClick = [this, &c] { log.push_back(c.Name + " click"); };
    c.OnDblClick = [this, &c] { log.push_back(c.Name + " dblclick"); };
  }
  void show(ui::Form& f, int left, int top, int width, int height) {
    f.setBounds(left, top, width, height);
    f.Show();
  }
};

TEST(EventRouting, TopmostFormAndControlTakeThePress) {
  Routing t;
  ui::Form back(t.desktop, "back"), front(t.desktop, "front");
  ui::Label a(&back, "a"), b(&front, "b");
  a.setBounds(0, 0, 100, 100);
  b.setBounds(0, 0, 100, 100);
  t.record(a);
  t.record(b);
  t.show(back, 0, 0, 200, 200);
  t.show(front, 50, 50, 200, 200);
  t.click(60, 60);  // both forms cover it; the later shown lies on top
  t.click(10, 10);  // only the back form
  EXPECT_EQ(t.log, (std::vector<std::string>{"b down 10,10", "b click", "a down 10,10", "a click"}));
  // Pressing the back form raised it above the front one.
  t.log.clear();
  t.click(60, 60);
  EXPECT_EQ(t.log.front(), "a down 60,60");
}

TEST(EventRouting, StayOnTopFormStaysAboveARaisedNormalForm) {
  Routing t;
  ui::Form normal(t.desktop, "normal"), onTop(t.desktop, "onTop");
  onTop.FormStyle = ui::TFormStyle::StayOnTop;
  ui::Label a(&normal, "a"), b(&onTop, "b");
  a.setBounds(0, 0, 300, 300);
  b.setBounds(0, 0, 300, 300);
  t.record(a);
  t.record(b);
  t.show(onTop, 100, 100, 100, 100);
  t.show(normal, 0, 0, 300, 300);  // shown later, still below
  normal.BringToFront();
  t.click(150, 150);
  EXPECT_EQ(t.log.front(), "b down 50,50");
  EXPECT_EQ(t.desktop.zOrder().back(), &onTop);
}

TEST(EventRouting, LaterChildLiesOnTopAndInvisibleOrDisabledOnesAreSkipped) {
  Routing t;
  ui::Form f(t.desktop, "f");
  ui::Panel panel(&f, "panel");
  panel.setBounds(10, 10, 100, 100);
  ui::Label under(&panel, "under"), over(&panel, "over");
  under.setBounds(0, 0, 50, 50);
  over.setBounds(0, 0, 50, 50);
  for (ui::Control* c : std::vector<ui::Control*>{&panel, &under, &over}) t.record(*c);
  t.show(f, 0, 0, 200, 200);

  t.click(20, 20);
  over.Visible = false;
  t.click(21, 21);
  under.Enabled = false;  // a disabled control passes the press to what lies below
  t.click(22, 22);
  EXPECT_EQ(t.log, (std::vector<std::string>{"over down 10,10", "over click", "under down 11,11",
                                             "under click", "panel down 12,12", "panel click"}));
}

TEST(EventRouting, DisabledFormGetsNothing) {
  Routing t;
  ui::Form f(t.desktop, "f");
  ui::Label a(&f, "a");
  a.setBounds(0, 0, 100, 100);
  t.record(a);
  t.show(f, 0, 0, 100, 100);
  f.Enabled = false;
  t.click(10, 10);
  t.desktop.mouseMove(20, 20);
  EXPECT_TRUE(t.log.empty());
  EXPECT_EQ(t.desktop.controlAt(10, 10), nullptr);
}

TEST(EventRouting, ModalFormKeepsInputFromTheOthersUntilItCloses) {
  Routing t;
  ui::Form main(t.desktop, "main"), dialog(t.desktop, "dialog");
  ui::Label behind(&main, "behind");
  behind.setBounds(0, 0, 640, 480);
  t.record(behind);
  ui::Button ok(&dialog, "ok");
  ok.setBounds(0, 0, 50, 20);
  ok.ModalResult = ui::TModalResult::Ok;
  t.show(main, 0, 0, 640, 480);
  dialog.setBounds(300, 300, 100, 100);

  std::vector<ui::Control*> seenDuringModal;
  t.platform.steps.push_back([&](ui::Desktop&) {
    t.click(10, 10);  // on the main form, outside the dialog
    seenDuringModal.push_back(t.desktop.controlAt(10, 10));
  });
  t.platform.steps.push_back([&](ui::Desktop&) { t.click(310, 310); });
  EXPECT_EQ(dialog.ShowModal(), ui::TModalResult::Ok);
  EXPECT_TRUE(t.log.empty());
  EXPECT_EQ(seenDuringModal, std::vector<ui::Control*>{nullptr});
  EXPECT_FALSE(dialog.Visible);
  t.click(10, 10);
  EXPECT_EQ(t.log.front(), "behind down 10,10");
}

TEST(EventRouting, CaptureFollowsADragThatLeavesTheControl) {
  Routing t;
  ui::Form f(t.desktop, "f");
  ui::Label source(&f, "source"), other(&f, "other");
  source.setBounds(0, 0, 50, 50);
  other.setBounds(100, 0, 50, 50);
  std::vector<std::string> moves;
  source.OnMouseMove = [&](ui::Shift, int x, int y) {
    moves.push_back(std::to_string(x) + "," + std::to_string(y));
  };
  other.OnMouseMove = [&](ui::Shift, int, int) { moves.push_back("other"); };
  bool released = false;
  source.OnMouseUp = [&](MouseButton, ui::Shift, int, int) { released = true; };
  t.record(source);
  t.show(f, 0, 0, 200, 200);

  t.desktop.mouseDown(MouseButton::Left, 10, 10);
  t.desktop.mouseMove(120, 10);  // over the other control, still to the source
  t.desktop.mouseUp(MouseButton::Left, 120, 10);
  EXPECT_EQ(moves, std::vector<std::string>{"120,10"});
  EXPECT_TRUE(released);
  // Released outside: no click.
  EXPECT_EQ(t.log, std::vector<std::string>{"source down 10,10"});
  t.desktop.mouseMove(121, 10);
  EXPECT_EQ(moves.back(), "other");
}

TEST(EventRouting, ClickComesOnlyWhenReleasedInsideWithTheLeftButton) {
  Routing t;
  ui::Form f(t.desktop, "f");
  ui::Label a(&f, "a");
  a.setBounds(0, 0, 50, 50);
  t.record(a);
  t.show(f, 0, 0, 200, 200);
  t.desktop.mouseDown(MouseButton::Left, 10, 10);
  t.desktop.mouseMove(60, 10);
  t.desktop.mouseMove(20, 10);  // back inside before the release
  t.desktop.mouseUp(MouseButton::Left, 20, 10);
  t.platform.virtualClock.advanceBy(1000);
  t.click(10, 10, MouseButton::Right);
  EXPECT_EQ(t.log, (std::vector<std::string>{"a down 10,10", "a click", "a down 10,10"}));
}

TEST(EventRouting, CaptureEndsWhenTheFormHidesOrIsShutOut) {
  Routing t;
  ui::Form f(t.desktop, "f");
  ui::Label a(&f, "a");
  a.setBounds(0, 0, 50, 50);
  t.record(a);
  int ups = 0;
  a.OnMouseUp = [&](MouseButton, ui::Shift, int, int) { ++ups; };
  t.show(f, 0, 0, 200, 200);

  t.desktop.mouseDown(MouseButton::Left, 10, 10);
  f.Hide();
  EXPECT_EQ(t.desktop.capture(), nullptr);
  f.Show();
  t.desktop.mouseDown(MouseButton::Left, 10, 10);
  f.Enabled = false;  // as a handler does when it opens another screen
  t.desktop.mouseUp(MouseButton::Left, 10, 10);
  EXPECT_EQ(ups, 0);
  EXPECT_EQ(t.log.size(), 2u);  // the two presses, no click
}

TEST(EventRouting, DoubleClickIsASecondPressWithinHalfASecondOnTheSameControl) {
  Routing t;
  ui::Form f(t.desktop, "f");
  ui::Label a(&f, "a"), b(&f, "b");
  a.setBounds(0, 0, 50, 50);
  b.setBounds(50, 0, 50, 50);
  t.record(a);
  t.record(b);
  t.show(f, 0, 0, 200, 200);

  t.click(10, 10);
  t.platform.virtualClock.advanceBy(500);
  t.click(10, 10);
  EXPECT_EQ(t.log, (std::vector<std::string>{"a down 10,10", "a click", "a dblclick", "a double down 10,10",
                                             "a click"}));
  // A third press starts over; a slow second press is no double click.
  t.log.clear();
  t.click(10, 10);
  t.platform.virtualClock.advanceBy(501);
  t.click(10, 10);
  // Another control for the second press: no double click either.
  t.platform.virtualClock.advanceBy(1000);
  t.click(48, 10);
  t.click(51, 10);
  for (const std::string& line : t.log) EXPECT_EQ(line.find("double"), std::string::npos) << line;
}

}  // namespace
