// An animation table as a room with people loads it. The first line of the
// input is the room's number, the rest is the table that room's file holds;
// the game goes there and the people play the table for a while.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "rooms/RoomTable.h"
#include "state/TForm2.h"
#include "support/FuzzGame.h"
#include "support/FuzzRoot.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t end = input.find('\n');
  const std::string first(input.substr(0, end == std::string_view::npos ? 0 : end));
  const std::string_view table = end == std::string_view::npos ? input : input.substr(end + 1);

  const game::rooms::Room* row = game::rooms::findRoom(std::atoi(first.c_str()));
  if (!row || !row->animation || !*row->animation) row = game::rooms::findRoom(2);

  fuzzsupport::FuzzGame g;
  fuzzsupport::FuzzRoot::get().put(std::string("source/anim/") + row->animation, table);
  g.startUp();
  g.f2().Memo1.assign({"goto room", std::to_string(row->number)});
  g.runnerTicks(100);
  return 0;
}
