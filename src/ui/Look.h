#pragma once
#include "gfx/Canvas.h"

// The plain late-1990s look the controls share: grey faces, white and dark
// bevels, sunken white fields.
namespace ui::look {

void raisedFrame(gfx::Canvas& c, const gfx::Rect& r, gfx::TColor face);
void sunkenFrame(gfx::Canvas& c, const gfx::Rect& r, gfx::TColor field);
void pressedFrame(gfx::Canvas& c, const gfx::Rect& r, gfx::TColor face);
void etchedFrame(gfx::Canvas& c, const gfx::Rect& r);
void focusRect(gfx::Canvas& c, const gfx::Rect& r);

// The 13 x 13 box of a check box with its tick, top-left at (x, y). The
// field turns grey while pressed or disabled.
void checkBox(gfx::Canvas& c, int x, int y, bool checked, bool enabled, bool pressed);
// The 12 x 12 round button of a radio button with its dot.
void radioCircle(gfx::Canvas& c, int x, int y, bool checked, bool enabled, bool pressed);

enum class Arrow { Up, Down, Left, Right };
// A small solid triangle centred in r.
void arrow(gfx::Canvas& c, const gfx::Rect& r, Arrow direction, gfx::TColor color);
// A raised (or pressed) button face with an arrow, as scroll bars and drop
// buttons have.
void arrowButton(gfx::Canvas& c, const gfx::Rect& r, Arrow direction, bool enabled, bool pressed);
// Text in the face colour with a white shadow: the engraved look of a
// disabled caption.
void disabledText(gfx::Canvas& c, const gfx::Rect& box, const std::string& text, gfx::Font font,
                  gfx::Align align);

}  // namespace ui::look
