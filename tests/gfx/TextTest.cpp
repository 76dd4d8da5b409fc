// Text drawn through the stand-in fonts lands in its measured box, in the
// font's colour, and stays inside the clip.
#include <gtest/gtest.h>

#include "gfx/Canvas.h"

namespace {

using gfx::Bitmap;
using gfx::Canvas;
using gfx::Rect;

constexpr gfx::Pixel kPaper = 0xFFFFFFFFu;

struct Ink {
  Rect bounds{1 << 20, 1 << 20, -(1 << 20), -(1 << 20)};  // of every changed pixel
  int fullColour = 0;                                     // pixels exactly in the font colour
};

Ink inkOn(const Bitmap& b, gfx::Pixel colour) {
  Ink ink;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) {
      const gfx::Pixel p = b.pixel(x, y);
      if (p == kPaper) continue;
      ink.bounds = {std::min(ink.bounds.left, x), std::min(ink.bounds.top, y),
                    std::max(ink.bounds.right, x + 1), std::max(ink.bounds.bottom, y + 1)};
      if (p == colour) ++ink.fullColour;
    }
  return ink;
}

Bitmap written(const std::string& face, const std::string& text, Rect* box) {
  Bitmap b(240, 80, kPaper);
  Canvas canvas(b);
  canvas.Font.Name = face;
  canvas.Font.Height = 24;
  canvas.Font.Color = gfx::clRed;
  canvas.BrushClear = true;
  const gfx::TextSize size = canvas.textExtent(text);
  *box = Rect::xywh(10, 8, size.width, size.height);
  canvas.textOut(10, 8, text);
  return b;
}

TEST(Text, EachStandInFontWritesInsideItsBoxInTheFontColour) {
  std::vector<Bitmap> renderings;
  for (const char* face : {"Comic Sans MS", "Arial", "MS Serif"}) {
    Rect box;
    renderings.push_back(written(face, "Kroxl gähnt", &box));
    const Ink ink = inkOn(renderings.back(), 0xFFFF0000u);
    EXPECT_GT(box.width(), 60) << face;
    EXPECT_GE(box.height(), 20) << face;
    EXPECT_GT(ink.fullColour, 50) << face;
    EXPECT_TRUE(box.contains(ink.bounds.left, ink.bounds.top) &&
                box.contains(ink.bounds.right - 1, ink.bounds.bottom - 1))
        << face << ": ink reaches " << ink.bounds.left << "," << ink.bounds.top << " to " << ink.bounds.right
        << "," << ink.bounds.bottom;
    EXPECT_GT(ink.bounds.width(), box.width() / 2) << face;
  }
  EXPECT_FALSE(renderings[0] == renderings[1]);
  EXPECT_FALSE(renderings[1] == renderings[2]);
  EXPECT_FALSE(renderings[0] == renderings[2]);
}

TEST(Text, FacesMapToTheirStandInFiles) {
  EXPECT_NE(gfx::fontFileFor("Comic Sans MS", false).find("ComicNeue-Regular"), std::string::npos);
  EXPECT_NE(gfx::fontFileFor("Comic Sans MS", true).find("ComicNeue-Bold"), std::string::npos);
  EXPECT_NE(gfx::fontFileFor("Arial", false).find("LiberationSans-Regular"), std::string::npos);
  EXPECT_NE(gfx::fontFileFor("MS Serif", false).find("LiberationSerif-Regular"), std::string::npos);
  EXPECT_NE(gfx::fontFileFor("MS Sans Serif", false).find("LiberationSans"), std::string::npos);
}

TEST(Text, OpaqueTextFillsItsBoxAndTheClipHoldsBack) {
  Bitmap b(200, 60, kPaper);
  Canvas canvas(b);
  canvas.Font.Name = "Arial";
  canvas.Font.Height = 20;
  canvas.BrushColor = gfx::clYellow;
  const gfx::TextSize size = canvas.textExtent("Hallo");
  canvas.setClip({0, 0, 30, 60});
  canvas.textOut(20, 10, "Hallo");
  EXPECT_EQ(b.pixel(20, 10), 0xFFFFFF00u);  // box corner, no glyph there
  for (int y = 0; y < 60; ++y)
    for (int x = 30; x < 200; ++x)
      ASSERT_EQ(b.pixel(x, y), kPaper) << "drawn outside the clip at " << x << "," << y;
  EXPECT_GT(size.width, 10);
}

TEST(Text, WrappedTextTakesOneLinePerRow) {
  Bitmap b(120, 100, kPaper);
  Canvas canvas(b);
  canvas.Font.Name = "Arial";
  canvas.Font.Height = 16;
  canvas.Font.Color = gfx::clBlue;
  canvas.textBox({0, 0, 45, 100}, "eins zwei drei vier", gfx::Align::Left, true);  // a word a line
  const int line = gfx::text::lineHeight(canvas.Font);
  const Ink ink = inkOn(b, 0xFF0000FFu);
  EXPECT_GT(ink.bounds.bottom, 3 * line) << "expected four lines";
  EXPECT_LE(ink.bounds.bottom, 4 * line);
  EXPECT_LE(ink.bounds.right, 45);
}

TEST(Text, LinesDoNotBreakBesideALoneSignOrLetter) {
  gfx::Font f;
  f.Name = "MS Serif";
  f.Height = 16;
  const std::string line = "Hubert: \"Der Widerstand ist U / = R mal I, das weiß doch jedes Kind!\"";
  // Every width that breaks the line somewhere keeps the formula whole.
  const int whole = gfx::text::measure(line, f).width;
  const std::string formula = "U / = R mal I,";
  for (int width = whole - 1;
       width > gfx::text::measure("Hubert: \"Der Widerstand ist U / = R mal I,", f).width; width -= 7) {
    const auto lines = gfx::text::wrapLines(line, f, width);
    ASSERT_GT(lines.size(), 1u) << width;
    int holding = 0;
    for (const std::string& l : lines) holding += l.find(formula) != std::string::npos;
    EXPECT_EQ(holding, 1) << "width " << width << ": " << lines[0] << " | " << lines[1];
  }
  // Ordinary words break as before; a piece too wide for any line breaks too.
  EXPECT_EQ(gfx::text::wrapLines("eins zwei drei", f, gfx::text::measure("eins zwei", f).width),
            (std::vector<std::string>{"eins zwei", "drei"}));
  EXPECT_EQ(gfx::text::wrapLines("a = b", f, 1), (std::vector<std::string>{"a", "=", "b"}));
  EXPECT_EQ(gfx::text::wrapLines("oben\nunten\n", f, 400), (std::vector<std::string>{"oben", "unten"}));
}

TEST(Text, FittingShrinksTheFontUntilTheTextFitsAndElidingShortens) {
  gfx::Font f;
  f.Name = "Comic Sans MS";
  f.Height = 13;
  const std::string reply =
      "Könnten Sie mir vielleicht eine Zeichnung für eine Reihe von Geldscheinen gestalten?";
  const int width = gfx::text::measure(reply, f).width - 40;
  const gfx::Font fitted = gfx::text::fitting(reply, f, width, 16, false, 8);
  EXPECT_LT(fitted.Height, 13);
  EXPECT_LE(gfx::text::measure(reply, fitted).width, width);
  gfx::Font larger = fitted;
  ++larger.Height;
  EXPECT_GT(gfx::text::measure(reply, larger).width, width);  // as large as fits
  // Two lines that need three in a low box: smaller until two do.
  const gfx::Font two =
      gfx::text::fitting(reply + " " + reply, f, 400, 2 * gfx::text::lineHeight(f), true, 6);
  EXPECT_LE(static_cast<int>(gfx::text::wrapLines(reply + " " + reply, two, 400).size()) *
                gfx::text::lineHeight(two),
            2 * gfx::text::lineHeight(f));
  // Nothing fits: the smallest height tried.
  EXPECT_EQ(gfx::text::fitting(reply, f, 10, 16, false, 9).Height, 9);

  const std::string shortened = gfx::text::elide(reply, f, 100);
  EXPECT_LE(gfx::text::measure(shortened, f).width, 100);
  EXPECT_EQ(shortened.substr(shortened.size() - 3), "…");
  EXPECT_EQ(reply.rfind(shortened.substr(0, shortened.size() - 3), 0), 0u);
  EXPECT_EQ(gfx::text::elide("Wasser", f, 200), "Wasser");
}

}  // namespace
