#pragma once
#include <functional>
#include <string>

#include "ui/Control.h"
#include "ui/Platform.h"

namespace ui {

enum class TBorderStyle { None, Dialog };
enum class TFormStyle { Normal, StayOnTop };
enum class TCloseAction { None, Hide };
enum class TPosition { Designed, ScreenCenter };

// A top-level window of the desktop. Left, Top, Width and Height are its outer
// bounds; its controls lie in the client area, which a dialog border shrinks
// by the frame and the title bar.
class Form : public Control {
 public:
  static constexpr int kFrame = 3;
  static constexpr int kTitleBar = 18;

  Form(Desktop& desktop, std::string name);
  ~Form() override;

  TBorderStyle BorderStyle = TBorderStyle::None;
  TFormStyle FormStyle = TFormStyle::Normal;
  TPosition Position = TPosition::Designed;
  // Keys reach the form's OnKeyDown/OnKeyUp before the focused control.
  bool KeyPreview = false;
  // The title bar's close button (a greyed-out Close item disables it).
  bool CloseEnabled = true;
  Control* ActiveControl = nullptr;
  TModalResult ModalResult = TModalResult::None;

  std::function<void(TCloseAction&)> OnClose;
  std::function<void()> OnShow;
  std::function<void()> OnHide;

  int ClientWidth() const;
  int ClientHeight() const;
  void setClientSize(int width, int height);

  // Shows the form on top of its kind and makes it the active window.
  void Show();
  void Hide();
  // Asks OnClose (default: hide). Closing the application's main form ends
  // the application; closing a modal form ends its modal loop.
  void Close();
  // Shows the form and runs the event loop until it closes or sets a
  // ModalResult; other forms get no input meanwhile. Timers keep running.
  ui::TModalResult ShowModal();
  void BringToFront();
  void SetFocus(Control* control);
  bool isModal() const { return modal_; }

  Form* form() override { return this; }
  Desktop& desktopRef() { return desktop_; }
  gfx::Point clientOrigin() const override;
  gfx::Rect screenRect() const override { return boundsRect(); }
  gfx::Rect clientScreenRect() const override;
  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;

  // The part of the window a point lies in, in desktop coordinates.
  enum class Area { Outside, Client, TitleBar, CloseButton, Frame };
  Area areaAt(int x, int y) const;
  gfx::Rect closeButtonRect() const;

 private:
  void paintFrame(gfx::Canvas& screen, const gfx::Rect& r);

  Desktop& desktop_;
  bool modal_ = false;
};

}  // namespace ui
