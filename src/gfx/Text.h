#pragma once
#include <string>

#include "gfx/Bitmap.h"
#include "gfx/Font.h"

namespace gfx {

struct TextSize {
  int width = 0;
  int height = 0;
};

enum class Align { Left, Center, Right };

// Text drawing through SDL_ttf. Rendered lines are cached by font, colour and
// text, since the same captions are drawn frame after frame.
namespace text {

TextSize measure(const std::string& utf8, const Font& font);
int lineHeight(const Font& font);

// Draws one line with its top-left corner at (x, y), blended onto the bitmap.
void draw(Bitmap& target, int x, int y, const std::string& utf8, const Font& font,
          const Rect& clip);

// Draws text inside a box: word-wrapped when wrap is set, each line aligned.
void drawBox(Bitmap& target, const Rect& box, const std::string& utf8, const Font& font,
             Align align, bool wrap, const Rect& clip);

}  // namespace text
}  // namespace gfx
