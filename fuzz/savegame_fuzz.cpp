// A saved game as a hostile player hands it over, loaded the way the player
// loads one: the in-game menu's load entry, the load screen with the save's
// thumbnail, the version question answered yes, then the loading pictures,
// the saved room and what the save queued. The input is the .kvt file and,
// after a marker, its .kvt.bmp thumbnail. Whatever the file holds, the game
// must go on: a save never ends it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "support/FuzzGame.h"
#include "support/FuzzRoot.h"
#include "ui/Keys.h"

namespace {

constexpr std::string_view kThumbnailMarker("\0KVT.BMP\0", 9);

// The load screen's first saved game and its OK button (the load screen lies
// centred); the answers go to the version question and a warning after it.
constexpr const char* kLoadScreenInput =
    "answer yes\n"
    "answer ok\n"
    "click left 122 158\n"
    "click left 388 351\n";

constexpr int kLoadEntryX = 320, kLoadEntryY = 220;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t marker = input.find(kThumbnailMarker);

  fuzzsupport::FuzzGame g(kLoadScreenInput);
  g.startUp();
  fuzzsupport::FuzzRoot& root = fuzzsupport::FuzzRoot::get();
  root.put("savegames/fuzz.kvt", input.substr(0, marker));
  if (marker != std::string_view::npos)
    root.put("savegames/fuzz.kvt.bmp", input.substr(marker + kThumbnailMarker.size()));

  g.key(ui::vk::Escape);
  g.click(kLoadEntryX, kLoadEntryY);
  g.runnerTicks(100);
  fuzzsupport::require(!g.ended(), "a saved game never ends the game");
  return 0;
}
