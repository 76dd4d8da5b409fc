// The options file as the game reads it: the start-up sequence takes the
// version, speed, start room, data root and developer switch from it, the
// settings panel its speed and switches; then the player opens the panel
// from the in-game menu and closes it, which writes the file back.
#include <cstdint>
#include <string_view>

#include "support/FuzzGame.h"
#include "support/FuzzRoot.h"
#include "ui/Keys.h"

namespace {

constexpr int kSettingsEntryX = 330, kSettingsEntryY = 300;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzsupport::FuzzGame g;
  fuzzsupport::FuzzRoot::get().put("optionsNT.pre",
                                   std::string_view(reinterpret_cast<const char*>(data), size));
  g.startUp();
  g.key(ui::vk::Escape);
  g.click(kSettingsEntryX, kSettingsEntryY);
  g.key(ui::vk::Escape);
  g.runnerTicks(20);
  return 0;
}
