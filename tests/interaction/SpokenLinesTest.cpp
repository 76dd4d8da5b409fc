// The program's own lines, which the data build records: whatever a
// conversation puts into a "say" must be among them, also the lines a row
// composes itself, or it would play unvoiced.
#include <gtest/gtest.h>

#include <set>

#include "interaction/DialogFixture.h"
#include "interaction/DialogTree.h"
#include "interaction/SpokenLines.h"

namespace {

using dialogtest::Lines;

class SpokenLines : public dialogtest::DialogTest {
 protected:
  std::set<std::string> listed() {
    std::set<std::string> keys;
    for (const game::SpokenLine& line : game::builtInSpokenLines()) keys.insert(line.key());
    return keys;
  }

  // The keys of the lines the queue would speak, as the "say" command shows them.
  Lines spokenKeys() {
    Lines keys;
    const Lines q = queued();
    for (size_t i = 0; i + 2 < q.size(); ++i)
      if (q[i] == "say") {
        if (q[i + 2].find_first_not_of(' ') != std::string::npos)
          keys.push_back(q[i + 1] + ": \"" + q[i + 2] + "\"");
        i += 2;
      }
    return keys;
  }
};

TEST_F(SpokenLines, EveryLineAConversationCanQueueIsListed) {
  const std::set<std::string> keys = listed();
  const std::pair<const char*, const std::vector<game::dialogue::Row>& (*)()> people[] = {
      {"Archivar", game::dialogue::archivarRows}, {"Franz", game::dialogue::franzRows},
      {"Tägl", game::dialogue::toeglRows},        {"Corinna", game::dialogue::corinnaRows},
      {"Motty", game::dialogue::mottyRows},       {"Putzfrau", game::dialogue::putzfrauRows},
      {"Hubert", game::dialogue::hubertRows},     {"Zweistein", game::dialogue::zweisteinRows}};
  // Rows depend on the desk, the coffee and what Franz still needs.
  const Lines franzLists[] = {{"Maschinenbuch", "Werkzeug", "Geldscheinvorlage", "Gartenschlauch"},
                              {"Gartenschlauch"}};
  int checked = 0;
  for (const auto& [person, rows] : people)
    for (const game::dialogue::Row& row : rows())
      for (int schreibtisch : {0, 3})
        for (int kaffee : {0, 1, 2})
          for (const Lines& needs : franzLists) {
            f2().Schreibtisch.Tag = schreibtisch;
            f2().kaffee.Tag = kaffee;
            f2().franzinventar.assign(needs);
            f2().Memo1.clear();
            options({std::string(person) + ":", row.reply, "", "", ""});
            choose(person, row.reply, 1);
            for (const std::string& key : spokenKeys()) {
              EXPECT_TRUE(keys.count(key)) << key;
              ++checked;
            }
          }
  EXPECT_GT(checked, 100);
}

}  // namespace
