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

namespace ui::look {

using namespace gfx;

void checkBox(Canvas& c, int x, int y, bool checked, bool enabled, bool pressed) {
  sunkenFrame(c, Rect::xywh(x, y, 13, 13), enabled && !pressed ? clWindow : clBtnFace);
  if (!checked) return;
  // The tick, seven pixels wide, three high at every column.
  static constexpr int kTop[7] = {2, 3, 4, 3, 2, 1, 0};
  const TColor ink = enabled ? clWindowText : clGrayText;
  for (int i = 0; i < 7; ++i)
    for (int k = 0; k < 3; ++k) c.setPixel(x + 3 + i, y + 3 + kTop[i] + k, ink);
}

void radioCircle(Canvas& c, int x, int y, bool checked, bool enabled, bool pressed) {
  // S shadow, D dark shadow, H highlight, F face, W the field.
  static constexpr const char* kRing[12] = {
      "....SSSS....", "..SSDDDDSS..", ".SDDWWWWDDH.", ".SDWWWWWWFH.", "SDWWWWWWWWFH", "SDWWWWWWWWFH",
      "SDWWWWWWWWFH", "SDWWWWWWWWFH", ".SFWWWWWWFH.", ".SFFWWWWFFH.", "..HHFFFFHH..", "....HHHH....",
  };
  const TColor field = enabled && !pressed ? clWindow : clBtnFace;
  for (int row = 0; row < 12; ++row)
    for (int col = 0; col < 12; ++col) {
      switch (kRing[row][col]) {
        case 'S':
          c.setPixel(x + col, y + row, clBtnShadow);
          break;
        case 'D':
          c.setPixel(x + col, y + row, clBtnDkShadow);
          break;
        case 'H':
          c.setPixel(x + col, y + row, clBtnHighlight);
          break;
        case 'F':
          c.setPixel(x + col, y + row, clBtnFace);
          break;
        case 'W':
          c.setPixel(x + col, y + row, field);
          break;
        default:
          break;
      }
    }
  if (!checked) return;
  const TColor ink = enabled ? clWindowText : clGrayText;
  c.fillRect(Rect::xywh(x + 5, y + 4, 2, 4), ink);
  c.fillRect(Rect::xywh(x + 4, y + 5, 4, 2), ink);
}

void arrow(Canvas& c, const Rect& r, Arrow direction, TColor color) {
  const int cx = r.left + r.width() / 2, cy = r.top + r.height() / 2;
  for (int i = 0; i < 4; ++i) {
    switch (direction) {
      case Arrow::Down:
        c.line(cx - 3 + i, cy - 2 + i, cx + 4 - i, cy - 2 + i, color);
        break;
      case Arrow::Up:
        c.line(cx - 3 + i, cy + 1 - i, cx + 4 - i, cy + 1 - i, color);
        break;
      case Arrow::Right:
        c.line(cx - 2 + i, cy - 3 + i, cx - 2 + i, cy + 4 - i, color);
        break;
      case Arrow::Left:
        c.line(cx + 1 - i, cy - 3 + i, cx + 1 - i, cy + 4 - i, color);
        break;
    }
  }
}

void arrowButton(Canvas& c, const Rect& r, Arrow direction, bool enabled, bool pressed) {
  if (pressed)
    pressedFrame(c, r, clBtnFace);
  else
    raisedFrame(c, r, clBtnFace);
  const int shift = pressed ? 1 : 0;
  if (enabled) {
    arrow(c, r.offset(shift, shift), direction, clBlack);
  } else {
    arrow(c, r.offset(1, 1), direction, clBtnHighlight);
    arrow(c, r, direction, clGrayText);
  }
}

void disabledText(Canvas& c, const Rect& box, const std::string& text, Font font, Align align) {
  font.Color = clBtnHighlight;
  c.Font = font;
  c.textBox(box.offset(1, 1), text, align, false);
  font.Color = clGrayText;
  c.Font = font;
  c.textBox(box, text, align, false);
}

}  // namespace ui::look
