#pragma once
#include <string>

#include "gfx/Bitmap.h"

namespace backend {

struct ScreenshotResult {
  std::string path;  // the file written
  std::string error;
  bool ok() const { return error.empty(); }
};

// Writes the game's picture as DIR/kroxl-YYYYMMDD-HHMMSS.png (local time;
// -2, -3 ... after it for more shots in the same second), making DIR first.
ScreenshotResult saveScreenshot(const gfx::Bitmap& picture, const std::string& dir);

// Draws a one-line note in the picture's top left corner, white on black: the
// front end's own word, never part of the game's picture.
void drawScreenshotNote(gfx::Bitmap& frame, const std::string& text);

}  // namespace backend
