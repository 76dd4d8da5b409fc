// A command script as a click or an item loads it: any bytes, read as the
// game's text file, replace the command queue of a running game in the
// corridor, and the runner carries them out for a bounded number of ticks.
// A runner tick may fail and end the game, as the game's rules say; it must
// never crash, hang or run out of memory.
#include <cstdint>
#include <string_view>

#include "script/Commands.h"
#include "support/FuzzGame.h"
#include "support/FuzzRoot.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzsupport::FuzzGame g;
  g.startUp();
  fuzzsupport::FuzzRoot::get().put("source/scripts/fuzz.smx",
                                   std::string_view(reinterpret_cast<const char*>(data), size));
  game::script::loadScript(g.f1(), "\\source\\scripts\\fuzz.smx");
  g.runnerTicks(200);
  return 0;
}
