#pragma once
#include <string>
#include <vector>

#include "core/TForm1.h"
#include "core/TForm5.h"
#include "gfx/Bmp.h"
#include "rooms/RoomEvents.h"
#include "state/TForm2.h"
#include "support/GameFixture.h"

namespace roomtest {

// A fresh game whose data root is the test's own directory: tests lay down
// exactly the pictures and tables a room needs, in colours they can check.
class RoomTest : public testsupport::GameTest {
 protected:
  // Writes a one-coloured picture below the data root.
  void picture(const std::string& gamePath, gfx::TColor color, int width = 640, int height = 400) {
    dir.write(relativePath(gamePath), gfx::encodeBmp(gfx::Bitmap(width, height, gfx::toPixel(color))));
  }

  // Writes a text file (a table or a script) below the data root.
  void text(const std::string& gamePath, std::initializer_list<std::string> lines) {
    dir.write(relativePath(gamePath), testsupport::gameText(lines));
  }

  static std::string relativePath(const std::string& gamePath) {
    std::string relative = gamePath.substr(1);
    for (char& c : relative)
      if (c == '\\') c = '/';
    return relative;
  }

  // Builds a room the way "goto room" and start-up do: by the builder's Tag.
  void enter(int room) {
    f1().build.Tag = room;
    f1().build.setEnabled(true);
    f1().buildTimer();
  }

  gfx::TColor pixel(int x, int y) { return gfx::toColor(f1().schirm.Picture.pixel(x, y)); }
  gfx::TColor stripPixel(int x, int y) { return gfx::toColor(f1().Image2.Picture.pixel(x, y)); }

  // The protocol lines written from line `from` on.
  std::vector<std::string> protocolFrom(int from) {
    const auto& lines = f2().Memo2.lines();
    return {lines.begin() + std::min<size_t>(from, lines.size()), lines.end()};
  }

  const sys::TextList& errors() { return g().Form5->Memo1.Lines; }

  ui::Label& slot(int number) { return *game::rooms::hotSpotSlots(f1())[number - 1]; }
  // A slot exists for the player while its rectangle reaches onto the picture.
  bool present(int number) {
    const ui::Label& s = slot(number);
    return s.Left + s.Width > 0 && s.Left < 640 && s.Top + s.Height > 0 && s.Top < 400;
  }
};

}  // namespace roomtest
