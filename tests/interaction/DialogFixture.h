#pragma once
#include <string>
#include <vector>

#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm13.h"
#include "state/TForm2.h"
#include "support/GameFixture.h"

namespace dialogtest {

using Lines = std::vector<std::string>;

// A fresh game whose option table and queue the tests fill by hand.
class DialogTest : public testsupport::GameTest {
 protected:
  void options(Lines lines) { f2().Memo5.assign(std::move(lines)); }
  Lines optionLines() { return f2().Memo5.lines(); }
  Lines queued() { return f2().Memo1.lines(); }
  Lines tasks() { return g().Form13->liste.lines(); }

  void choose(const std::string& person, const std::string& reply, int index) {
    f1().dialogTree(person, reply, index);
  }

  // The spoken lines in the queue, in order, as "Speaker: text".
  Lines spoken() {
    Lines out;
    const Lines q = queued();
    for (size_t i = 0; i + 2 < q.size(); ++i)
      if (q[i] == "say") {
        out.push_back(q[i + 1] + ": " + q[i + 2]);
        i += 2;
      }
    return out;
  }

  // The queue's lines that belong to no "say" command.
  Lines commands() {
    Lines out;
    const Lines q = queued();
    for (size_t i = 0; i < q.size(); ++i) {
      if (q[i] == "say") {
        i += 2;
        continue;
      }
      out.push_back(q[i]);
    }
    return out;
  }
};

}  // namespace dialogtest
