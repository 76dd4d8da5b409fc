#pragma once
#include <string>
#include <vector>

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
void draw(Bitmap& target, int x, int y, const std::string& utf8, const Font& font, const Rect& clip);

// Draws text inside a box: word-wrapped when wrap is set, each line aligned.
void drawBox(Bitmap& target, const Rect& box, const std::string& utf8, const Font& font, Align align,
             bool wrap, const Rect& clip);

// The lines text is wrapped into for a width. Lines break at blanks, but
// not at a blank beside a lone sign or letter, so that a formula such as
// "U / = R mal I" stays in one piece; a piece wider than the width breaks
// at its blanks after all. Line feeds always break.
std::vector<std::string> wrapLines(const std::string& utf8, const Font& font, int width);

// The font, made smaller step by step down to minHeight, at which the text
// fits a box of width x height (one line, or wrapped); the smallest tried
// when none does.
Font fitting(const std::string& utf8, const Font& font, int width, int height, bool wrap, int minHeight);

// The text, shortened with a trailing "…" where it is wider than width.
std::string elide(const std::string& utf8, const Font& font, int width);

}  // namespace text
}  // namespace gfx
