#pragma once
#include "gfx/Text.h"
#include "ui/Control.h"

namespace ui {

// A line of text on the parent's surface; invisible labels also serve the
// game as variables (their bounds, Tag, Caption and Hint).
class Label : public Control {
 public:
  Label(Control* parent, std::string name, std::string caption = {});

  gfx::Align Alignment = gfx::Align::Left;
  bool WordWrap = false;
  bool Transparent = false;  // no background fill
  bool Layered = false;      // vertically centred text
  // Room kept free at the left and right edges.
  int Margin = 0;
  // A caption too large for the box is drawn in a smaller font, down to this
  // height; 0 keeps the font as it is.
  int MinFontHeight = 0;
  // The text colour is drawn lightened (or darkened) just enough for this
  // contrast with the label's colour; the Font.Color field keeps its value.
  double MinContrast = 0;

  // The font the caption is drawn in, within a box of that size.
  gfx::Font drawnFont(int width, int height) const;

 private:
  // The last font worked out, kept while caption, font and box stay: the
  // desktop repaints labels far more often than they change.
  struct Drawn {
    std::string caption;
    gfx::Font font, drawn;
    gfx::TColor color = 0;
    int width = -1, height = -1;
  };
  mutable Drawn drawn_;

  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;
};

}  // namespace ui
