// Pixels of the composed desktop: what lies on top, where a dialog's client
// area starts, and how long drawings on a control's canvas last.
#include <gtest/gtest.h>

#include "gfx/Bitmap.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/SpeedButton.h"
#include "ui/support/FakePlatform.h"

namespace {

constexpr gfx::TColor kRed = gfx::rgb(255, 0, 0);
constexpr gfx::TColor kGreen = gfx::rgb(0, 160, 0);
constexpr gfx::TColor kBlue = gfx::rgb(0, 0, 255);

struct Drawing : uitest::TestDesktop {
  gfx::Bitmap screen;
  gfx::TColor at(int x, int y) {
    desktop.compose(screen);
    return gfx::toColor(screen.pixel(x, y));
  }
};

void colour(ui::Form& f, gfx::TColor c, int left, int top, int width, int height) {
  f.Color = c;
  f.setBounds(left, top, width, height);
  f.Show();
}

TEST(Drawing, LaterAndStayOnTopFormsCoverTheOthers) {
  Drawing t;
  ui::Form onTop(t.desktop, "onTop"), a(t.desktop, "a"), b(t.desktop, "b");
  onTop.FormStyle = ui::TFormStyle::StayOnTop;
  colour(onTop, kBlue, 0, 0, 20, 20);
  colour(a, kRed, 0, 0, 100, 100);
  colour(b, kGreen, 50, 50, 100, 100);
  EXPECT_EQ(t.at(60, 60), kGreen);
  EXPECT_EQ(t.at(10, 10), kBlue);
  a.BringToFront();
  EXPECT_EQ(t.at(60, 60), kRed);
  EXPECT_EQ(t.at(10, 10), kBlue);
  EXPECT_EQ(t.at(300, 300), gfx::clBlack);  // the bare desktop
}

TEST(Drawing, DialogBorderMovesTheClientAreaByFrameAndTitleBar) {
  Drawing t;
  ui::Form dialog(t.desktop, "dialog");
  dialog.BorderStyle = ui::TBorderStyle::Dialog;
  ui::Panel corner(&dialog, "corner");
  corner.Caption = "";
  corner.BevelOuter = ui::Bevel::None;
  corner.Color = kRed;
  corner.setBounds(0, 0, 10, 10);
  dialog.setClientSize(200, 100);
  colour(dialog, kGreen, 100, 100, dialog.Width, dialog.Height);
  const int x0 = 100 + ui::Form::kFrame, y0 = 100 + ui::Form::kFrame + ui::Form::kTitleBar;
  EXPECT_EQ(t.at(x0, y0), kRed);
  EXPECT_EQ(t.at(x0 + 9, y0 + 9), kRed);
  EXPECT_EQ(t.at(x0 + 10, y0), kGreen);
  EXPECT_EQ(t.at(x0 - 1, y0 - 1), gfx::clBtnFace);  // the frame
  EXPECT_EQ(t.at(x0 + 20, y0 - 10), gfx::clActiveCaption);
  EXPECT_EQ(dialog.ClientWidth(), 200);
  EXPECT_EQ(t.at(x0 + 199, y0 + 99), kGreen);
}

TEST(Drawing, LabelCanvasIsWipedWhenTheCaptionChanges) {
  Drawing t;
  ui::Form f(t.desktop, "f");
  colour(f, kGreen, 0, 0, 200, 200);
  ui::Label label(&f, "label");
  label.Caption = "";
  label.Color = kBlue;
  label.setBounds(10, 10, 60, 20);
  label.canvas().fillRect(gfx::Rect::xywh(40, 5, 4, 4), kRed);
  EXPECT_EQ(t.at(51, 16), kRed);
  EXPECT_EQ(t.at(51, 16), kRed);  // composing again keeps it
  label.Caption = " ";
  EXPECT_EQ(t.at(51, 16), kBlue);
  label.Caption = "";
  EXPECT_EQ(t.at(51, 16), kBlue);  // gone for good, not merely hidden
}

TEST(Drawing, ImageCanvasDrawsOnThePictureAndStays) {
  Drawing t;
  ui::Form f(t.desktop, "f");
  colour(f, kGreen, 0, 0, 640, 480);
  ui::Image schirm(&f, "schirm");
  schirm.setBounds(0, 0, 640, 400);
  schirm.canvas().fillRect(gfx::Rect::xywh(0, 0, 640, 400), kBlue);
  schirm.canvas().setPixel(320, 200, kRed);
  EXPECT_EQ(t.at(320, 200), kRed);
  schirm.Caption = "anything";
  schirm.Color = kGreen;
  EXPECT_EQ(t.at(320, 200), kRed);
  EXPECT_EQ(t.at(321, 200), kBlue);
  EXPECT_EQ(t.at(320, 420), kGreen);
}

TEST(Drawing, OpenDropDownListLiesAboveLaterForms) {
  Drawing t;
  ui::Form f(t.desktop, "f"), onTop(t.desktop, "onTop");
  colour(f, kGreen, 0, 0, 640, 480);
  ui::ComboBox box(&f, "box");
  box.setBounds(10, 10, 100, 17);
  box.Items.add("eins");
  box.Items.add("zwei");
  t.click(20, 15);
  onTop.FormStyle = ui::TFormStyle::StayOnTop;
  colour(onTop, kRed, 0, 27, 200, 100);
  const gfx::Rect list = box.list().screenRect();
  EXPECT_EQ(t.at(list.left, list.top), gfx::clBlack);  // its frame
  EXPECT_EQ(t.at(list.right - 3, list.bottom - 3), gfx::clWindow);
  EXPECT_EQ(t.at(list.right + 3, list.bottom - 3), kRed);
}

TEST(Drawing, CheckBoxShowsItsTickAndGreysOutWhenDisabled) {
  Drawing t;
  ui::Form f(t.desktop, "f");
  colour(f, kGreen, 0, 0, 200, 200);
  ui::CheckBox box(&f, "box");
  box.setBounds(10, 10, 100, 17);
  const int fieldX = 10 + 3, fieldY = 10 + 2 + 3;  // inside the 13 x 13 box
  EXPECT_EQ(t.at(fieldX, fieldY), gfx::clWindow);
  EXPECT_EQ(t.at(105, 12), kGreen);  // the form's colour shows beside it
  box.setChecked(true);
  EXPECT_EQ(t.at(10 + 3, 10 + 2 + 3 + 2), gfx::clWindowText);  // the tick's first column
  box.Enabled = false;
  EXPECT_EQ(t.at(fieldX + 1, fieldY), gfx::clBtnFace);
}

TEST(Drawing, FlatSpeedButtonShowsAnEdgeOnlyUnderThePointerAndSinksWhileHeld) {
  Drawing t;
  ui::Form f(t.desktop, "f");
  colour(f, kGreen, 0, 0, 300, 200);
  ui::SpeedButton ok(&f, "SpeedButton1", "OK");
  ok.Flat = true;
  ok.setBounds(100, 100, 105, 25);
  int clicks = 0;
  ok.OnClick = [&] { ++clicks; };
  EXPECT_EQ(t.at(100, 110), kGreen);  // flat and idle: the form shows through
  t.desktop.mouseMove(150, 110);
  EXPECT_EQ(t.at(100, 110), gfx::clBtnHighlight);
  t.desktop.mouseDown(ui::MouseButton::Left, 150, 110);
  EXPECT_EQ(t.at(100, 110), gfx::clBtnShadow);
  t.desktop.mouseMove(20, 20);  // dragged off: springs back, no longer hot
  EXPECT_EQ(t.at(100, 110), kGreen);
  t.desktop.mouseMove(150, 111);
  EXPECT_EQ(t.at(100, 110), gfx::clBtnShadow);
  t.desktop.mouseUp(ui::MouseButton::Left, 150, 111);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(t.at(100, 110), gfx::clBtnHighlight);
  t.desktop.mouseMove(20, 20);
  EXPECT_EQ(t.at(100, 110), kGreen);
}

}  // namespace
