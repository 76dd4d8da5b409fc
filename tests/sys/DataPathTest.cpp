#include <gtest/gtest.h>
#include <unistd.h>

#include "TempDir.h"
#include "sys/DataPath.h"

using sys_test::TempDir;

namespace {

// A data root whose names come in mixed case, as the game's data set does.
class DataPathTest : public testing::Test {
 protected:
  DataPathTest() {
    dir.write("Sound/Effects/Würg1.WAV", std::string(1234, 'x'));
    dir.write("Sound/Effects/none.wav", "");
    dir.write("GRAPHIC/gang/Eye1.bmp", std::string(77, 'x'));
    dir.write("GRAPHIC/gang/eye2.BMP", std::string(5, 'x'));
    dir.mkdir("savegames");
    root = dir.path();
  }

  TempDir dir;
  std::string root;
};

TEST_F(DataPathTest, ResolvesBackslashesAndLetterCase) {
  EXPECT_EQ(sys::resolvePath(root + "\\graphic\\GANG\\eye1.BMP"), root + "/GRAPHIC/gang/Eye1.bmp");
  EXPECT_EQ(sys::resolvePath(root + "\\sound\\effects\\WÜRG1.wav"), root + "/Sound/Effects/Würg1.WAV");
  EXPECT_EQ(sys::resolvePath(root + "\\\\Sound//Effects\\none.wav"), root + "/Sound/Effects/none.wav");
  // Parts that match nothing stay as written, so the error names them.
  EXPECT_EQ(sys::resolvePath(root + "\\sound\\music\\Fehlt.mid"), root + "/Sound/music/Fehlt.mid");
}

TEST_F(DataPathTest, ResolvesRelativePathsFromTheCurrentDirectory) {
  const std::string before = sys::currentDirectory();
  ASSERT_EQ(::chdir(root.c_str()), 0);
  EXPECT_EQ(sys::currentDirectory(), root);
  EXPECT_EQ(sys::resolvePath("graphic\\gang\\EYE2.bmp"), root + "/GRAPHIC/gang/eye2.BMP");
  EXPECT_EQ(sys::fileSize("graphic\\gang\\eye2.bmp"), 5);
  ASSERT_EQ(::chdir(before.c_str()), 0);
}

TEST_F(DataPathTest, FileSizeOfFilesDirectoriesAndNothing) {
  EXPECT_EQ(sys::fileSize(root + "\\sound\\effects\\würg1.wav"), 1234);
  EXPECT_EQ(sys::fileSize(root + "\\SOUND\\EFFECTS\\NONE.WAV"), 0);
  EXPECT_EQ(sys::fileSize(root + "\\savegames"), 0);
  EXPECT_EQ(sys::fileSize(root + "\\savegames\\"), 0);
  EXPECT_EQ(sys::fileSize(root + "\\sound\\effects\\fehlt.wav"), -1);
  EXPECT_EQ(sys::fileSize(root + "\\nirgends\\eye1.bmp"), -1);
  EXPECT_EQ(sys::fileSize(""), -1);
  EXPECT_TRUE(sys::fileExists(root + "\\graphic\\gang\\eye1.bmp"));
  EXPECT_FALSE(sys::fileExists(root + "\\sound\\effects\\none.wav")) << "an empty file counts as missing";
}

TEST_F(DataPathTest, FileSizeHonoursWildcardsInTheLastPart) {
  EXPECT_EQ(sys::fileSize(root + "\\graphic\\gang\\eye?.bmp"), 77) << "the first match in name order";
  EXPECT_EQ(sys::fileSize(root + "\\graphic\\gang\\*2.bmp"), 5);
  EXPECT_EQ(sys::fileSize(root + "\\sound\\effects\\w*"), 1234);
  EXPECT_EQ(sys::fileSize(root + "\\sound\\effects\\*.mid"), -1);
  EXPECT_EQ(sys::fileSize(root + "\\savegames\\*.kvt"), -1);
  EXPECT_EQ(sys::fileSize(root + "\\graphic\\gang\\eye??.bmp"), -1);
}

// Operands a hostile save can hand the file-size query: each must be answered
// at once (before, 40 stars took hours and a megabyte of parts minutes).
TEST_F(DataPathTest, HostileOperandsAreAnsweredAtOnce) {
  dir.write("sound/music/" + std::string(200, 'a') + ".mid", "MThd");
  const std::string stars(40, '*');
  EXPECT_EQ(sys::fileSize(root + "\\sound\\music\\" + stars + "x"), -1);
  EXPECT_EQ(sys::fileSize(root + "\\sound\\music\\" + stars + "d"), 4);
  EXPECT_FALSE(sys::wildcardMatch(stars + "b" + stars, std::string(250, 'a')));
  std::string manyStarPieces;
  for (int i = 0; i < 100000; ++i) manyStarPieces += "*a";
  EXPECT_FALSE(sys::wildcardMatch(manyStarPieces + "*b", std::string(250, 'a')));

  std::string deep = root;
  for (int i = 0; i < 200000; ++i) deep += "\\sound";
  EXPECT_EQ(sys::fileSize(deep + "\\x.mid"), -1);
  EXPECT_EQ(sys::resolvePath(deep).size(), deep.size());
  EXPECT_EQ(sys::fileSize(root + "\\" + std::string(1 << 20, 'n')), -1);
}

TEST(DataPath, WildcardsMatchLikeADirectorySearch) {
  EXPECT_TRUE(sys::wildcardMatch("*", ""));
  EXPECT_TRUE(sys::wildcardMatch("**a**", "a"));
  EXPECT_TRUE(sys::wildcardMatch("a*b*c", "aXbYbZc"));
  EXPECT_TRUE(sys::wildcardMatch("a*bc*bc", "abcbcbc"));
  EXPECT_FALSE(sys::wildcardMatch("a*bc*bc", "abcb"));
  EXPECT_TRUE(sys::wildcardMatch("?*?", "ab"));
  EXPECT_FALSE(sys::wildcardMatch("?*?", "a"));
  EXPECT_FALSE(sys::wildcardMatch("ab*ba", "aba")) << "the two ends may not share a character";
  EXPECT_TRUE(sys::wildcardMatch("*?x", "yx"));
  EXPECT_FALSE(sys::wildcardMatch("abc", "ab"));
}

TEST(DataPath, NamesStayInsideTheirRootUnlessTheyClimbAboveIt) {
  for (const char* inside :
       {"\\sound\\music\\gang.mid", "\\sound\\..\\graphic\\x.bmp", "\\.\\x", "\\a\\b\\..\\.."})
    EXPECT_TRUE(sys::staysInside(inside)) << inside;
  for (const char* outside : {"\\..\\x", "\\a\\..\\..\\x", "/../x", "\\a\\..\\..\\a\\x"})
    EXPECT_FALSE(sys::staysInside(outside)) << outside;
  EXPECT_FALSE(sys::staysInside(std::string("\\a\\..\\..\0x", 10))) << "cut short by its NUL, it climbs";
  EXPECT_EQ(sys::confinedName("\\sound\\..\\graphic\\x.bmp"), "\\sound\\..\\graphic\\x.bmp");
  EXPECT_EQ(sys::confinedName("\\..\\..\\..\\..\\etc\\passwd"), "\\etc\\passwd");
  EXPECT_EQ(sys::confinedName("\\a\\..\\..\\b\\.\\c"), "\\b\\c");
}

TEST(DataPath, NamesCompareWithoutLetterCase) {
  EXPECT_TRUE(sys::sameNameIgnoringCase("Würg1.WAV", "WÜRG1.wav"));
  EXPECT_TRUE(sys::sameNameIgnoringCase("ÄÖÜ.txt", "äöü.TXT"));
  EXPECT_FALSE(sys::sameNameIgnoringCase("eye1.bmp", "eye1.bmp.bak"));
  EXPECT_FALSE(sys::sameNameIgnoringCase("Wurg1.wav", "Würg1.wav"));
  EXPECT_TRUE(sys::wildcardMatch("*.KVT", "spiel 1.kvt"));
  EXPECT_FALSE(sys::wildcardMatch("*.kvt", "spiel 1.kvt.bmp"));
  EXPECT_TRUE(sys::wildcardMatch("t?r.*", "Tür.bmp")) << "? stands for one character, not one byte";
}

}  // namespace
