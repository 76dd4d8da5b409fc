#pragma once
#include <functional>
#include <string>

#include "ui/Control.h"
#include "ui/Platform.h"

namespace ui {

// Single: a plain frame (an edit's border; a form treats it like Dialog).
enum class TBorderStyle { None, Dialog, Single };
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
  // Moves the keyboard focus (null: the form itself); the old control's
  // OnExit runs, then the new one's OnEnter.
  void SetFocus(Control* control);
  // The control that keys go to now. A focused control that was hidden or
  // disabled hands the focus on to the next one that can take it; with none
  // left the keys go to the form.
  Control* focusedControl();
  // Tab and Shift+Tab: the next or previous control that can take the focus.
  void selectNext(bool forward);
  // Offers Enter or Escape to the form's buttons (default and cancel).
  bool dialogKey(int key) override;
  bool isModal() const { return modal_; }

  Form* form() override { return this; }
  Desktop& desktopRef() { return desktop_; }
  gfx::Point clientOrigin() const override;
  gfx::Rect screenRect() const override { return boundsRect(); }
  gfx::Rect clientScreenRect() const override;
  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;

  bool hasFrame() const { return BorderStyle != TBorderStyle::None; }
  // The part of the window a point lies in, in desktop coordinates.
  enum class Area { Outside, Client, TitleBar, CloseButton, Frame };
  Area areaAt(int x, int y) const;
  gfx::Rect closeButtonRect() const;

 private:
  // Every control of the form of a kind that takes the focus, depth first
  // in creation order: the tab order.
  std::vector<Control*> focusableKinds();
  void paintFrame(gfx::Canvas& screen, const gfx::Rect& r);

  Desktop& desktop_;
  bool modal_ = false;
};

}  // namespace ui
