// The room table's rows hang together, and every file they name is in the
// demo game's data root.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "rooms/RoomTable.h"
#include "state/TForm2.h"
#include "support/GameFixture.h"
#include "sys/DataPath.h"

namespace roomtest {
namespace {

using namespace game::rooms;

TEST(RoomTable, EveryRuleBelongsToARoomOfTheTableAndASlotOfSix) {
  std::set<int> numbers;
  for (const Room& room : roomTable()) EXPECT_TRUE(numbers.insert(room.number).second) << room.number;
  for (const HotSpot& h : hotSpots()) {
    EXPECT_TRUE(numbers.count(h.room)) << h.room;
    EXPECT_TRUE(h.slot >= 1 && h.slot <= 6) << h.room << "/" << h.slot;
  }
  for (const HotSpotMove& m : hotSpotMoves()) EXPECT_TRUE(numbers.count(m.room) && m.when) << m.room;
  for (const Overlay& o : overlays()) {
    EXPECT_TRUE(numbers.count(o.room) && o.when) << o.picture;
    EXPECT_TRUE(o.moveSlot >= 0 && o.moveSlot <= 6) << o.picture;
  }
  for (const BackgroundVariant& v : backgroundVariants()) EXPECT_TRUE(numbers.count(v.room) && v.when);
  for (const AnimationNote& n : animationNotes()) {
    ASSERT_NE(findRoom(n.room), nullptr);
    EXPECT_STRNE(findRoom(n.room)->animation, kCleared) << n.line;
  }
  EXPECT_EQ(findRoom(-23552), nullptr);
}

// Two definitions of one slot must exclude each other, or the later one
// would silently win.
TEST(RoomTable, SlotsDefinedTwiceHaveExclusiveConditions) {
  std::map<std::pair<int, int>, int> unconditional;
  for (const HotSpot& h : hotSpots())
    if (!h.when) {
      EXPECT_EQ(++unconditional[std::pair(h.room, h.slot)], 1) << h.room << "/" << h.slot;
    }
  for (const HotSpot& a : hotSpots())
    for (const HotSpot& b : hotSpots())
      if (&a < &b && a.room == b.room && a.slot == b.slot) {
        EXPECT_TRUE(a.when && b.when) << a.room << "/" << a.slot << " " << a.text << " / " << b.text;
      }
}

// A slot may reach past the picture's edges, so that a click on the very edge
// finds it, but part of it must lie on the 640 x 400 picture, where the
// pointer can point at it, and it must say what it is.
TEST(RoomTable, EveryHotSpotLiesPartlyOnThePictureAndHasAHoverText) {
  for (const HotSpot& h : hotSpots()) {
    const bool onPicture = h.width > 0 && h.height > 0 && h.left < 640 && h.left + h.width > 0 &&
                           h.top < 400 && h.top + h.height > 0;
    EXPECT_TRUE(onPicture) << h.room << "/" << h.slot << " " << h.text;
    EXPECT_STRNE(h.text, "") << h.room << "/" << h.slot;
  }
}

class RoomDemoData : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = std::string(KROXL_BINARY_DIR) + "/game";
    if (!std::filesystem::exists(root_ + "/graphic")) GTEST_SKIP() << "no demo data root at " << root_;
  }
  void expectFile(const std::string& gamePath) { EXPECT_GT(sys::fileSize(root_ + gamePath), 0) << gamePath; }
  std::string root_;
};

TEST_F(RoomDemoData, HasEveryFileTheRoomTableNames) {
  for (const Room& room : roomTable()) {
    expectFile(room.background);
    if (room.music != kKeep) expectFile(std::string("\\sound\\music\\") + room.music);
    if (room.animation != kKeep && room.animation != std::string(kCleared))
      expectFile(std::string("\\source\\anim\\") + room.animation);
  }
  for (const BackgroundVariant& v : backgroundVariants()) expectFile(v.background);
  for (const Overlay& o : overlays()) expectFile(o.picture);
  expectFile("\\graphic\\gang\\hintergrund2.bmp");
  expectFile("\\source\\scripts\\intro.smx");
}

}  // namespace
}  // namespace roomtest
