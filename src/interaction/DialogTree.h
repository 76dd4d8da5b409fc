#pragma once
// The dialogue trees as data: for every person a table of rows, each row a
// reply the protagonist can choose, an optional condition on the story state
// and the steps that follow, in the order they are carried out. The tables
// live in DialogTree<Person>.cpp; DialogTree.cpp carries the steps out.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "sys/TextList.h"

namespace game {

class TForm1;
class TForm2;

namespace dialogue {

// One call of the tree: the windows and the position of the chosen reply in
// the option table. Steps that insert lines above that position move it, so
// that a later delete still hits the chosen reply.
struct Conversation {
  TForm1& f1;
  TForm2& store;
  sys::TextList& queue;
  sys::TextList& options;
  int index;

  // Inserts a line into the option table and keeps `index` on the chosen reply.
  void insertOption(int at, const std::string& line);
};

struct Step {
  enum class Kind {
    Say,          // append a "say" command per line, all by `speaker`
    Command,      // append `lines` to the queue as they stand
    DeleteReply,  // remove the option at the index (the chosen reply)
    InsertReply,  // insert lines[0] at the index
    ClearQueue,   // empty the whole queue
    AddTask,      // add lines[0] to the task list
    TickTask,     // tick lines[0] in the task list
    Direct,       // change the state at once
  };
  Kind kind;
  std::string speaker;
  std::vector<std::string> lines;
  std::function<void(Conversation&)> direct;
};

using Condition = std::function<bool(const TForm2&)>;

struct Row {
  std::string reply;
  Condition when;  // empty: the row always applies
  std::vector<Step> steps;
};

// Builders, so that a table reads like the script it queues.
Step say(std::string speaker, std::vector<std::string> lines);
Step cmd(std::vector<std::string> lines);
Step deleteReply();
Step insertReply(std::string reply);
Step clearQueue();
Step task(std::string text);
Step tick(std::string text);
Step direct(std::function<void(Conversation&)> change);

// Story conditions the rows test.
Condition schreibtischIs(int stage);
Condition schreibtischIsNot(int stage);
Condition kaffeeIs(int stage);

// Inserts `line` directly after every header of `headers` found among the
// positions the option table had before the first insertion. Returns how
// many lines were inserted.
int insertAfterHeaders(Conversation& c, const std::vector<std::string>& headers, const std::string& line);

// The persons' tables.
const std::vector<Row>& archivarRows();
const std::vector<Row>& franzRows();
const std::vector<Row>& toeglRows();
const std::vector<Row>& corinnaRows();
const std::vector<Row>& mottyRows();
const std::vector<Row>& putzfrauRows();
const std::vector<Row>& hubertRows();
const std::vector<Row>& zweisteinRows();

// Every line Franz can say while he names what he still needs (the rows'
// direct step composes them from his list).
std::vector<std::string> franzListLines();

// Every line a conversation can speak, as (speaker, text): each reply the
// protagonist can choose, each line of the rows and Franz's list lines.
std::vector<std::pair<std::string, std::string>> everyDialogueLine();

}  // namespace dialogue
}  // namespace game
