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

}  // namespace ui::look
