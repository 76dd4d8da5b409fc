#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "TempDir.h"
#include "sys/TextList.h"

using sys::TextList;
using sys_test::readAll;
using sys_test::TempDir;

namespace {

TEST(TextList, ReadsOutsideTheListGiveEmptyText) {
  const TextList list{"eins", "zwei"};
  EXPECT_EQ(list[0], "eins");
  EXPECT_EQ(list.get(1), "zwei");
  for (int outside : {2, 3, 1000, -1, -1000}) EXPECT_EQ(list[outside], "") << outside;
  EXPECT_EQ(TextList().last(), "");
}

TEST(TextList, EditsKeepOrderAndIgnoreMissingLines) {
  TextList list{"a", "b"};
  int changes = 0;
  list.OnChange = [&] { ++changes; };

  list.insert(list.Count(), "c");  // at Count: appends
  list.insert(0, "start");
  list.insert(2, "mid");
  EXPECT_EQ(list.lines(), (std::vector<std::string>{"start", "a", "mid", "b", "c"}));
  EXPECT_EQ(changes, 3);

  list.remove(5);
  list.remove(-1);
  list.set(7, "nowhere");
  EXPECT_EQ(list.Count(), 5);
  EXPECT_EQ(changes, 3) << "nothing changed, so nothing is announced";

  list.remove(0);
  list.set(0, "A");
  list.add("d");
  EXPECT_EQ(list.lines(), (std::vector<std::string>{"A", "mid", "b", "c", "d"}));
  EXPECT_EQ(list.indexOf("c"), 3);
  EXPECT_EQ(list.indexOf("C"), -1);
  list.clear();
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(changes, 7);
}

// The queue takes lines off the front and puts some back there far more
// often than anything else; whatever its storage does, the list must read
// as a plain list of lines would.
TEST(TextList, WorkAtTheFrontReadsLikeAPlainList) {
  TextList list;
  std::vector<std::string> model;
  std::mt19937 random(7);
  for (int i = 0; i < 1500; ++i) model.push_back("a" + std::to_string(i));
  list.assign(model);
  for (int step = 0; step < 20000; ++step) {
    const std::string line = "z" + std::to_string(step);
    const int at = model.empty() ? 0 : static_cast<int>(random() % model.size());
    switch (random() % 10) {
      case 0:
        list.insert(at, line);
        model.insert(model.begin() + at, line);
        break;
      case 1:
        list.remove(at);
        if (!model.empty()) model.erase(model.begin() + at);
        break;
      case 2:
        list.insert(0, line);
        model.insert(model.begin(), line);
        break;
      case 3:
      case 4:
        list.add(line);
        model.push_back(line);
        break;
      case 5:
        list.set(at, line);
        if (!model.empty()) model[static_cast<size_t>(at)] = line;
        break;
      default:
        list.remove(0);
        if (!model.empty()) model.erase(model.begin());
    }
    ASSERT_EQ(list.Count(), static_cast<int>(model.size())) << step;
    ASSERT_EQ(list.get(0), model.empty() ? "" : model.front()) << step;
    ASSERT_EQ(list.last(), model.empty() ? "" : model.back()) << step;
    const int probe = model.empty() ? 0 : static_cast<int>(random() % model.size());
    ASSERT_EQ(list.get(probe), model.empty() ? "" : model[static_cast<size_t>(probe)]) << step;
    if (step % 9973 == 0) {
      ASSERT_EQ(list.lines(), model) << step;
    }
  }
  EXPECT_EQ(list.lines(), model);
  EXPECT_EQ(list.indexOf(model.back()), static_cast<int>(model.size()) - 1);
}

TEST(TextList, AllLineEndsGiveTheSameLines) {
  const std::vector<std::string> expected{"erste Zeile", "", "dritte"};
  TempDir dir;
  for (const char* bytes :
       {"erste Zeile\r\n\r\ndritte\r\n", "erste Zeile\n\ndritte\n", "erste Zeile\r\n\r\ndritte",
        "erste Zeile\n\ndritte", "erste Zeile\r\rdritte\r"}) {
    TextList list;
    ASSERT_TRUE(list.loadFromFile(dir.write("lines.txt", bytes)).ok());
    EXPECT_EQ(list.lines(), expected) << bytes;
  }
  TextList list;
  list.setText("nur eine\r\n");
  EXPECT_EQ(list.Count(), 1) << "a final line end adds no empty line";
  list.setText("");
  EXPECT_EQ(list.Count(), 0);
}

TEST(TextList, UmlautsAndEuroRoundTripAsWindows1252WithCrLf) {
  TempDir dir;
  const std::string bytes =
      "\xE4\xF6\xFC\xDF \xC4\xD6\xDC\r\n5 \x80\r\nGr\xFC\xDF"
      "e\r\n";
  const std::string path = dir.write("umlaute.txt", bytes);
  TextList list;
  ASSERT_TRUE(list.loadFromFile(path).ok());
  EXPECT_EQ(list.lines(), (std::vector<std::string>{"äöüß ÄÖÜ", "5 €", "Grüße"}));

  ASSERT_TRUE(list.saveToFile(dir.file("copy.txt")).ok());
  EXPECT_EQ(readAll(dir.file("copy.txt")), bytes);

  // Written from memory: CR LF after every line, one byte per umlaut.
  const TextList fresh{"Tür", "", "zu"};
  ASSERT_TRUE(fresh.saveToFile(dir.file("fresh.txt")).ok());
  EXPECT_EQ(readAll(dir.file("fresh.txt")), "T\xFCr\r\n\r\nzu\r\n");
}

TEST(TextList, AFailedLoadLeavesTheListAsItWas) {
  TempDir dir;
  TextList list{"bleibt"};
  int changes = 0;
  list.OnChange = [&] { ++changes; };
  // Five megabytes of empty lines would cost some 80 MB as a list.
  const std::string blankLines = dir.write("leer.smx", std::string(5 << 20, '\n'));
  for (const std::string& path : {dir.file("fehlt.txt"), dir.path(), blankLines}) {
    const auto result = list.loadFromFile(path);
    ASSERT_FALSE(result.ok()) << path;
    EXPECT_NE(result.error().message.find(path), std::string::npos) << result.error().message;
  }
  EXPECT_EQ(list.lines(), std::vector<std::string>{"bleibt"});
  EXPECT_EQ(changes, 0);

  EXPECT_FALSE(list.loadFromFile(dir.write("neu.txt", "neu\r\n"), 4).ok()) << "larger than asked for";
  ASSERT_TRUE(list.loadFromFile(dir.file("neu.txt")).ok());
  EXPECT_EQ(list.lines(), std::vector<std::string>{"neu"});
  EXPECT_EQ(changes, 1);
}

TEST(TextList, SavingIntoAMissingDirectoryIsAnError) {
  TempDir dir;
  const auto result = TextList{"x"}.saveToFile(dir.file("nicht/da.txt"));
  ASSERT_FALSE(result.ok());
  EXPECT_FALSE(result.error().message.empty());
}

}  // namespace
