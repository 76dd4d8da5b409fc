#pragma once
#include <map>
#include <string>

#include "core/TForm1.h"
#include "core/TForm5.h"
#include "gfx/Bmp.h"
#include "state/TForm2.h"
#include "support/GameFixture.h"

namespace animtest {

// A fresh game with its animation running and a black room; the tests lay
// down the people's pictures, each in a colour of its own, and then ask which
// picture shows at a point of the room picture or of the clean walk strip.
class AnimationTest : public testsupport::GameTest {
 protected:
  AnimationTest() {
    f2().background.Tag = 0;
    f1().zone.setBounds(0, 200, 640, 280);
    f1().Image2.setBounds(400, 481, 640, 280);
    // The settings screen shows an error sign whenever its list grows.
    pictures({"\\graphic\\error.bmp"});
    clear();
  }

  // Small pictures, so that neighbouring ones do not cover each other.
  void pictures(std::initializer_list<std::string> gamePaths) {
    for (const std::string& path : gamePaths) {
      const gfx::TColor color = 0x101010 + 0x000101 * static_cast<gfx::TColor>(names_.size() + 1);
      names_[color] = path;
      std::string relative = path.substr(1);
      for (char& c : relative)
        if (c == '\\') c = '/';
      dir.write(relative, gfx::encodeBmp(gfx::Bitmap(8, 8, gfx::toPixel(color))));
    }
  }

  // The picture whose colour shows at a point; "" for none of ours.
  std::string shownAt(int x, int y) { return nameOf(f1().schirm.Picture.pixel(x, y)); }
  std::string inStripAt(int x, int y) { return nameOf(f1().Image2.Picture.pixel(x, y - f1().zone.Top)); }

  void clear() {
    f1().schirm.canvas().fillRect({0, 0, 640, 400}, gfx::clBlack);
    f1().Image2.canvas().fillRect({0, 0, 640, 280}, gfx::clBlack);
  }

  // One step of the room on a freshly cleared picture, with `code` as the
  // frame code and the mouth held at its current frame.
  void stepWith(int room, const std::string& code) {
    f2().Memo4.assign({"-", code});
    f2().Memo4.Tag = 0;
    f2().talking.Left = 0;
    clear();
    f1().personAnimation(room);
  }

  void speaker(const std::string& name, int mouth = 0) {
    f2().talking.Caption = "talking: " + name;
    f2().talking.Tag = mouth;
  }

  const sys::TextList& errors() { return g().Form5->Memo1.Lines; }

 private:
  std::string nameOf(gfx::Pixel pixel) {
    const auto it = names_.find(gfx::toColor(pixel));
    return it == names_.end() ? "" : it->second;
  }
  std::map<gfx::TColor, std::string> names_;
};

}  // namespace animtest
