// `kroxl --vocabulary`: the game's own tables as the data check reads them,
// one record a line, fields separated by a tab (docs/vocabulary.md).
#include "script/Vocabulary.h"

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "interaction/ItemTable.h"
#include "interaction/People.h"
#include "program/Listings.h"
#include "rooms/RoomTable.h"

namespace program {
namespace {

using game::script::Ends;
using game::script::Operand;

const char* operandName(Operand operand) {
  switch (operand) {
    case Operand::Number:
      return "number";
    case Operand::Text:
      return "text";
    case Operand::File:
      return "file";
    case Operand::SubCommand:
      return "sub-command";
    case Operand::None:
      break;
  }
  return "";
}

const char* endsName(Ends ends) {
  switch (ends) {
    case Ends::Check:
      return "check";
    case Ends::Finish:
      return "finish";
    case Ends::Next:
      return "next";
    case Ends::CheckOrFinish:
      break;
  }
  return "check/finish";
}

using Fields = std::vector<std::string>;

// One record: its kind, then its fields, each after a tab.
void record(const char* kind, const Fields& fields) {
  std::string line = kind;
  for (const std::string& field : fields) line += '\t' + field;
  std::printf("%s\n", line.c_str());
}

void listCommands() {
  for (const game::script::CommandRow& c : game::script::commandTable()) {
    Fields fields = {c.keyword, endsName(c.ends)};
    for (int i = 0; i < c.operandCount(); ++i)
      fields.push_back(operandName(c.operands[static_cast<size_t>(i)]));
    record("command", fields);
  }
  for (const game::script::SubCommandRow& s : game::script::subCommandTable()) {
    Fields fields = {s.keyword};
    if (s.operand != Operand::None) fields.push_back(operandName(s.operand));
    record("change", fields);
  }
}

void listPeople() {
  for (const game::Person& p : game::people())
    record("speaker", {p.name, p.colour ? std::to_string(*p.colour) : "", p.bold ? "bold" : "regular"});
  for (const game::Person& p : game::people()) {
    if (!p.talksInDialogues()) continue;
    Fields fields = {p.name, std::to_string(*p.room)};
    for (const char* header : p.headers)
      if (header) fields.push_back(header);
    record("person", fields);
  }
}

void listRoomsAndItems() {
  for (const game::rooms::Room& room : game::rooms::roomTable()) {
    std::set<int> slots;
    for (const game::rooms::HotSpot& spot : game::rooms::hotSpots())
      if (spot.room == room.number) slots.insert(spot.slot);
    Fields fields = {std::to_string(room.number), room.name ? room.name : ""};
    for (int slot : slots) fields.push_back(std::to_string(slot));
    record("room", fields);
  }
  for (const game::Item& item : game::allItems()) record("item", {item.name});
}

}  // namespace

int listVocabulary() {
  listCommands();
  listPeople();
  listRoomsAndItems();
  return 0;
}

}  // namespace program
