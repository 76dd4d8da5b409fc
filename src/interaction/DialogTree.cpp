// The dialogue trees: what follows each reply the protagonist can choose.
// The routine only queues the exchange and edits the option table and the
// task list; the runner speaks the lines one after another.
#include "interaction/DialogTree.h"

#include <utility>

#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm13.h"
#include "interaction/People.h"
#include "state/TForm2.h"

namespace game {
namespace dialogue {
namespace {

void carryOut(Conversation& c, const Step& step) {
  switch (step.kind) {
    case Step::Kind::Say:
      for (const std::string& text : step.lines) {
        c.queue.add("say");
        c.queue.add(step.speaker);
        c.queue.add(text);
      }
      break;
    case Step::Kind::Command:
      for (const std::string& line : step.lines) c.queue.add(line);
      break;
    case Step::Kind::DeleteReply:
      c.options.remove(c.index);
      break;
    case Step::Kind::InsertReply:
      c.options.insert(c.index, step.lines.front());
      break;
    case Step::Kind::ClearQueue:
      c.queue.clear();
      break;
    case Step::Kind::AddTask:
      c.f1.game.Form13->addTask(step.lines.front());
      break;
    case Step::Kind::TickTask:
      c.f1.game.Form13->tickTask(step.lines.front());
      break;
    case Step::Kind::Direct:
      step.direct(c);
      break;
  }
}

}  // namespace

void Conversation::insertOption(int at, const std::string& line) {
  options.insert(at, line);
  if (at <= index) ++index;
}

int insertAfterHeaders(Conversation& c, const std::vector<std::string>& headers, const std::string& line) {
  int inserted = 0;
  const int positions = c.options.Count();
  for (int i = 0; i < positions; ++i) {
    const std::string current = c.options.get(i);
    for (const std::string& header : headers) {
      if (current != header) continue;
      c.insertOption(i + 1, line);
      ++inserted;
      break;
    }
  }
  return inserted;
}

Step say(std::string speaker, std::vector<std::string> lines) {
  return {Step::Kind::Say, std::move(speaker), std::move(lines), {}};
}
Step cmd(std::vector<std::string> lines) {
  return {Step::Kind::Command, {}, std::move(lines), {}};
}
Step deleteReply() {
  return {Step::Kind::DeleteReply, {}, {}, {}};
}
Step insertReply(std::string reply) {
  return {Step::Kind::InsertReply, {}, {std::move(reply)}, {}};
}
Step clearQueue() {
  return {Step::Kind::ClearQueue, {}, {}, {}};
}
Step task(std::string text) {
  return {Step::Kind::AddTask, {}, {std::move(text)}, {}};
}
Step tick(std::string text) {
  return {Step::Kind::TickTask, {}, {std::move(text)}, {}};
}
Step direct(std::function<void(Conversation&)> change) {
  return {Step::Kind::Direct, {}, {}, std::move(change)};
}

std::vector<std::pair<std::string, std::string>> everyDialogueLine() {
  std::vector<std::pair<std::string, std::string>> lines;
  for (const Person& person : people()) {
    if (!person.talksInDialogues()) continue;
    for (const Row& row : person.rows()) {
      lines.emplace_back("Kroxl", row.reply);
      for (const Step& step : row.steps)
        if (step.kind == Step::Kind::Say)
          for (const std::string& text : step.lines) lines.emplace_back(step.speaker, text);
    }
  }
  for (const std::string& text : franzListLines()) lines.emplace_back("Franz", text);
  return lines;
}

Condition schreibtischIs(int stage) {
  return [stage](const TForm2& s) { return s.Schreibtisch.Tag == stage; };
}
Condition schreibtischIsNot(int stage) {
  return [stage](const TForm2& s) { return s.Schreibtisch.Tag != stage; };
}
Condition kaffeeIs(int stage) {
  return [stage](const TForm2& s) { return s.kaffee.Tag == stage; };
}

}  // namespace dialogue

// The protagonist always speaks the chosen reply first. Every row of the
// person's table that knows the reply is carried out, top to bottom; a reply
// no row knows leaves just the spoken reply. An empty reply (an empty line
// answered by the single-reply rule) clears the queue again.
void TForm1::dialogTree(const std::string& person, const std::string& reply, int index) {
  TForm2& f2 = *game.Form2;
  dialogue::Conversation c{*this, f2, f2.Memo1, f2.Memo5, index};
  c.queue.add("say");
  c.queue.add("Kroxl");
  c.queue.add(reply);

  if (const Person* p = findConversationPartner(person)) {
    for (const dialogue::Row& row : p->rows()) {
      if (row.reply != reply) continue;
      // Conditions are read when the row is reached: an earlier row may have
      // changed the state directly.
      if (row.when && !row.when(f2)) continue;
      for (const dialogue::Step& step : row.steps) dialogue::carryOut(c, step);
    }
  }

  if (reply.empty()) c.queue.clear();
}

}  // namespace game
