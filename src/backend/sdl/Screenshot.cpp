#include "backend/sdl/Screenshot.h"

#include <ctime>
#include <filesystem>

#include "gfx/Canvas.h"
#include "gfx/Png.h"

namespace backend {

ScreenshotResult saveScreenshot(const gfx::Bitmap& picture, const std::string& dir) {
  ScreenshotResult result;
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (error) {
    result.error = dir + ": " + error.message();
    return result;
  }
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  const std::string base = dir + "/kroxl-" + stamp;
  result.path = base + ".png";
  for (int n = 2; std::filesystem::exists(result.path, error); ++n)
    result.path = base + "-" + std::to_string(n) + ".png";
  if (const sys::Result<void> written = gfx::savePng(result.path, picture); !written)
    result.error = written.error().message;
  return result;
}

void drawScreenshotNote(gfx::Bitmap& frame, const std::string& text) {
  gfx::Canvas canvas(frame);
  canvas.Font.Name = "Arial";
  canvas.Font.Height = 13;
  canvas.Font.Color = gfx::clWhite;
  canvas.BrushColor = gfx::clBlack;
  const gfx::TextSize size = canvas.textExtent(text);
  canvas.fillRect({0, 0, size.width + 12, size.height + 8}, gfx::clBlack);
  canvas.textOut(6, 4, text);
}

}  // namespace backend
