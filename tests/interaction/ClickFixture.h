#pragma once
#include <string>
#include <vector>

#include "core/TForm1.h"
#include "core/TForm5.h"
#include "gfx/Bmp.h"
#include "state/TForm2.h"
#include "support/GameFixture.h"

namespace clicktest {

// A fresh game in normal play whose data root is the test's directory: the
// tests lay down the scripts a click may load and set the hover results by
// hand, as the pointer would have left them.
class ClickTest : public testsupport::GameTest {
 protected:
  ClickTest() { reset(); }

  // A fresh game with the walk strip and limits of a plain 640-pixel room.
  void reset() {
    createGame();
    f1().zone.setBounds(0, 200, 640, 280);
    f2().Grenze.Left = 0;
    f2().Grenze.Width = 640;
    // The settings screen shows an error sign whenever its list grows.
    dir.write("graphic/error.bmp", gfx::encodeBmp(gfx::Bitmap(8, 8)));
  }

  // A script whose only line names it, so a test sees which one was loaded.
  void script(const std::string& name) { script(name, {"from " + name}); }
  void script(const std::string& name, std::initializer_list<std::string> lines) {
    dir.write("source/scripts/" + name, testsupport::gameText(lines));
  }

  // The pointer rests on hot spot `number` of `room`, whose scripts start with
  // `prefix`.
  void pointAt(int room, const std::string& prefix, int number) {
    f1().build.Tag = room;
    f2().Label2.Caption = prefix;
    f2().Label2.Tag = number;
  }

  void left(int x = 300) { f1().zoneMouseDown(ui::MouseButton::Left, x); }
  void right(int x = 300) { f1().zoneMouseDown(ui::MouseButton::Right, x); }

  std::vector<std::string> queue() { return f2().Memo1.lines(); }
  const sys::TextList& errors() { return g().Form5->Memo1.Lines; }
};

}  // namespace clicktest
