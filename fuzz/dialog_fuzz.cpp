// The dialogue source as the start-up loads it into the option table. The
// first line of the input is the number of the room to talk in, the rest is
// the file; there the game opens a dialogue and the player chooses the
// first, second, third and fourth reply in turn, which the dialogue trees
// answer by editing the table.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "rooms/RoomTable.h"
#include "state/TForm2.h"
#include "support/FuzzGame.h"
#include "support/FuzzRoot.h"

namespace {

// The choice panel's reply lines lie 16 pixels apart under the room picture.
constexpr int kReplyX = 20, kFirstReplyY = 416, kReplySpacing = 16;
// How long the game may speak an exchange before the next reply is chosen.
constexpr int kTicksPerReply = 150;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t end = input.find('\n');
  const std::string first(input.substr(0, end == std::string_view::npos ? 0 : end));
  const int room = game::rooms::findRoom(std::atoi(first.c_str())) ? std::atoi(first.c_str()) : 2;

  fuzzsupport::FuzzGame g;
  fuzzsupport::FuzzRoot::get().put("source/dialogs/dialogs.sou",
                                   end == std::string_view::npos ? input : input.substr(end + 1));
  g.startUp();
  game::TForm2& state = g.f2();
  state.Memo1.assign({"goto room", std::to_string(room), "open dialog"});
  for (int reply = 0; reply < 4; ++reply) {
    g.runUntil([&] { return state.Memo1.empty() && state.inMode(game::Mode::Dialog); }, kTicksPerReply);
    g.click(kReplyX, kFirstReplyY + reply * kReplySpacing);
  }
  g.runnerTicks(60);
  return 0;
}
