#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "gfx/Color.h"
#include "gfx/Font.h"
#include "ui/Keys.h"

namespace ui {

class Desktop;
class Form;

// The base of every window and control. Properties are plain fields named as
// the game addresses them; the desktop reads them whenever it draws or routes
// input, so changing a field is all it takes. Properties whose change has
// side effects (a timer's Enabled, a check box's Checked) are methods of the
// classes that own them.
//
// A control is a member of its form (or of another control) and registers
// with its parent when constructed; parents must be constructed first.
class Control {
 public:
  Control(Control* parent, std::string name);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string Name;
  int Left = 0, Top = 0, Width = 0, Height = 0;
  int Tag = 0;
  std::string Caption;
  std::string Hint;
  bool ShowHint = false;
  bool Visible = true;
  bool Enabled = true;
  gfx::TColor Color = gfx::clBtnFace;
  gfx::Font Font;
  int Cursor = crDefault;
  // Paint with the parent's colour instead of Color (check boxes, radio
  // buttons, group boxes and track bars start so, to blend into their form).
  bool ParentColor = false;

  void setBounds(int left, int top, int width, int height);
  gfx::Rect boundsRect() const { return gfx::Rect::xywh(Left, Top, Width, Height); }
  // The colour the control paints its face with: Color, or the parent's
  // when ParentColor is set.
  gfx::TColor faceColor() const;

  Control* parent() const { return parent_; }
  const std::vector<Control*>& children() const { return children_; }
  virtual Form* form();
  Desktop* desktop();

  // The top-left corner of the control's client area on the desktop, where
  // its children's coordinates start.
  virtual gfx::Point clientOrigin() const;
  // The control's outer rectangle and its client area, on the desktop.
  virtual gfx::Rect screenRect() const;
  virtual gfx::Rect clientScreenRect() const { return screenRect(); }
  gfx::Point toLocal(int desktopX, int desktopY) const;
  // Visible and every parent visible.
  bool showing() const;
  // Enabled and every parent enabled.
  bool enabledInTree() const;

  // Events, bound by the forms to their handlers.
  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  std::function<void()> OnChange;
  std::function<void(MouseButton, Shift, int x, int y)> OnMouseDown;
  std::function<void(MouseButton, Shift, int x, int y)> OnMouseUp;
  std::function<void(Shift, int x, int y)> OnMouseMove;
  std::function<void()> OnMouseLeave;  // the pointer is no longer over the control
  std::function<void(int& key, Shift)> OnKeyDown;
  std::function<void(int& key, Shift)> OnKeyUp;
  std::function<void(char32_t& ch)> OnKeyPress;
  std::function<void()> OnEnter;  // the control received the focus
  std::function<void()> OnExit;   // the control lost the focus

  // What the desktop calls; controls add their own behaviour and then fire
  // the events above.
  virtual void mouseDown(MouseButton button, Shift shift, int x, int y);
  virtual void mouseUp(MouseButton button, Shift shift, int x, int y);
  virtual void mouseMove(Shift shift, int x, int y);
  virtual void click();
  virtual void dblClick();
  virtual void keyDown(int& key, Shift shift);
  virtual void keyUp(int& key, Shift shift);
  virtual void keyPress(char32_t ch);
  // The user clicked: a left press and release inside the control. Most
  // controls simply click(); a check box toggles, a list box has already
  // chosen its item on the press.
  virtual void userClick() { click(); }
  // The pointer came over the control or left it.
  virtual void mouseEnter() {}
  virtual void mouseLeave() {
    if (OnMouseLeave) OnMouseLeave();
  }
  // The control had the mouse captured and lost it before the release (its
  // form was hidden, disabled or shut out by a modal form).
  virtual void captureLost() {}
  // The control received or lost the keyboard focus; fires OnEnter/OnExit.
  virtual void focusEnter();
  virtual void focusExit();
  // Enter or Escape that the focused control left alone, offered to every
  // control of the form: a default or cancel button clicks and takes it.
  virtual bool dialogKey(int /*key*/) { return false; }
  virtual bool canFocus() const { return false; }
  // A focusable kind that is showing and enabled.
  bool canTakeFocus() const;
  bool focused() const;

  // The child at a point in client coordinates that takes mouse input:
  // visible and enabled, topmost first; this control if none.
  Control* controlAt(int x, int y);

  // Paints the control and its children onto the desktop framebuffer.
  void paintTree(gfx::Canvas& screen, const gfx::Rect& clip);
  // The control's own look: screen is clipped to it, r is its desktop rectangle.
  virtual void paint(gfx::Canvas& screen, const gfx::Rect& r);

  // A canvas over the control: what is drawn on it shows on top of the
  // control's look until the control next repaints itself (its caption,
  // colour, font or size changes). Images override this with their picture.
  virtual gfx::Canvas& canvas();

 protected:
  void removeChild(Control* child);
  // Fires OnKeyPress and returns the character the handler left; 0 means the
  // handler swallowed it.
  char32_t fireKeyPress(char32_t ch);

 private:
  friend class Desktop;
  void paintScribble(gfx::Canvas& screen, const gfx::Rect& r);
  bool scribbleOutdated() const;
  void resetScribble();

  Control* parent_;
  std::vector<Control*> children_;

  struct Scribble {
    gfx::Bitmap pixels;  // transparent (alpha 0) where nothing was drawn
    std::unique_ptr<gfx::Canvas> canvas;
    std::string caption;
    gfx::TColor color = 0;
    gfx::Font font;
    int width = 0, height = 0;
    bool used = false;
  };
  std::unique_ptr<Scribble> scribble_;
};

}  // namespace ui
