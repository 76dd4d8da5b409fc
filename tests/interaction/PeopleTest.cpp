// The table of people hangs together with the rooms and the demo game's
// dialogue source: rules every row must obey, not the rows themselves.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "interaction/People.h"
#include "rooms/RoomTable.h"
#include "sys/Cp1252.h"

namespace {

using game::Person;

TEST(People, NamesRoomsAndHeadersAreUniqueAndEveryConversationHasAll) {
  std::set<std::string> names, headers;
  std::set<int> rooms;
  for (const Person& p : game::people()) {
    EXPECT_TRUE(names.insert(p.name).second) << p.name;
    EXPECT_EQ(game::findSpeaker(p.name), &p);
    EXPECT_TRUE(p.colour || p.bold) << p.name << " would only keep the colour of the line before";
    if (!p.talksInDialogues()) {
      EXPECT_FALSE(p.room || p.headers[0]) << p.name << " has a room or a header but no dialogue tree";
      continue;
    }
    ASSERT_TRUE(p.room && p.headers[0]) << p.name;
    EXPECT_TRUE(rooms.insert(*p.room).second) << p.name;
    for (const char* header : p.headers)
      if (header) {
        EXPECT_TRUE(headers.insert(header).second) << header;
        EXPECT_EQ(std::string(header).back(), ':') << header;
      }
    EXPECT_FALSE(p.rows().empty()) << p.name;
  }
}

// The choice panel finds the person by room and the animation draws them
// there: every conversation's room is a room of the table with an animation
// table of its own.
TEST(People, EveryPersonsRoomHasAnAnimationTable) {
  for (const Person& p : game::people()) {
    if (!p.room) continue;
    const game::rooms::Room* room = game::rooms::findRoom(*p.room);
    ASSERT_NE(room, nullptr) << p.name;
    ASSERT_NE(room->animation, game::rooms::kKeep) << p.name;
    EXPECT_STRNE(room->animation, game::rooms::kCleared) << p.name;
  }
}

TEST(People, DialogueTreesAreFoundWithoutRegardToTheCaseOfAToZ) {
  ASSERT_NE(game::findConversationPartner("tägl"), nullptr);
  EXPECT_STREQ(game::findConversationPartner("tägl")->name, "Tägl");
  EXPECT_EQ(game::findConversationPartner("TÄGL"), nullptr);   // the umlaut is compared as it stands
  EXPECT_EQ(game::findConversationPartner("Kroxl"), nullptr);  // speaks, but has no tree
}

// The demo game's dialogue source has a block for every person one can talk
// with, under one of their headers.
TEST(People, TheDemoDialogueSourceHasABlockForEveryConversation) {
  const std::string path = std::string(KROXL_BINARY_DIR) + "/game/source/dialogs/dialogs.sou";
  if (!std::filesystem::exists(path)) GTEST_SKIP() << "no demo data root";
  std::ifstream file(path, std::ios::binary);
  std::set<std::string> lines;
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.insert(sys::cp1252ToUtf8(line));
  }
  for (const Person& p : game::people()) {
    if (!p.talksInDialogues()) continue;
    EXPECT_TRUE(lines.count(p.headers[0]) || (p.headers[1] && lines.count(p.headers[1]))) << p.name;
  }
}

}  // namespace
