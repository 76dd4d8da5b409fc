#include "ui/Look.h"

namespace ui::look {

using namespace gfx;

void raisedFrame(Canvas& c, const Rect& r, TColor face) {
  c.fillRect(r, face);
  c.line(r.left, r.top, r.right - 1, r.top, clBtnFace);
  c.line(r.left, r.top, r.left, r.bottom - 1, clBtnFace);
  c.line(r.left + 1, r.top + 1, r.right - 2, r.top + 1, clBtnHighlight);
  c.line(r.left + 1, r.top + 1, r.left + 1, r.bottom - 2, clBtnHighlight);
  c.line(r.left, r.bottom - 1, r.right, r.bottom - 1, clBtnDkShadow);
  c.line(r.right - 1, r.top, r.right - 1, r.bottom, clBtnDkShadow);
  c.line(r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 2, clBtnShadow);
  c.line(r.right - 2, r.top + 1, r.right - 2, r.bottom - 1, clBtnShadow);
}

void sunkenFrame(Canvas& c, const Rect& r, TColor field) {
  c.fillRect(r, field);
  c.line(r.left, r.top, r.right - 1, r.top, clBtnShadow);
  c.line(r.left, r.top, r.left, r.bottom - 1, clBtnShadow);
  c.line(r.left + 1, r.top + 1, r.right - 2, r.top + 1, clBtnDkShadow);
  c.line(r.left + 1, r.top + 1, r.left + 1, r.bottom - 2, clBtnDkShadow);
  c.line(r.left, r.bottom - 1, r.right, r.bottom - 1, clBtnHighlight);
  c.line(r.right - 1, r.top, r.right - 1, r.bottom, clBtnHighlight);
  c.line(r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 2, clBtnFace);
  c.line(r.right - 2, r.top + 1, r.right - 2, r.bottom - 1, clBtnFace);
}

void pressedFrame(Canvas& c, const Rect& r, TColor face) {
  c.fillRect(r, face);
  c.frameRect(r, clBtnDkShadow);
  c.frameRect({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, clBtnShadow);
}

void etchedFrame(Canvas& c, const Rect& r) {
  c.frameRect({r.left, r.top, r.right - 1, r.bottom - 1}, clBtnShadow);
  c.frameRect({r.left + 1, r.top + 1, r.right, r.bottom}, clBtnHighlight);
}

void focusRect(Canvas& c, const Rect& r) {
  for (int x = r.left; x < r.right; x += 2) {
    c.setPixel(x, r.top, clBlack);
    c.setPixel(x, r.bottom - 1, clBlack);
  }
  for (int y = r.top; y < r.bottom; y += 2) {
    c.setPixel(r.left, y, clBlack);
    c.setPixel(r.right - 1, y, clBlack);
  }
}

}  // namespace ui::look
