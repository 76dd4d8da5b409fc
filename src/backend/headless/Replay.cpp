#include "backend/headless/Replay.h"

#include <sstream>

#include "sys/FileIo.h"

namespace backend {
namespace {

std::string trimRight(std::string s) {
  while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t')) s.pop_back();
  return s;
}

}  // namespace

bool parseReplayNumber(const std::string& word, int64_t& value) {
  if (word.empty()) return false;
  size_t used = 0;
  try {
    value = std::stoll(word, &used);
  } catch (...) {
    return false;
  }
  return used == word.size();
}

sys::Result<ReplayScript> parseReplay(const std::string& text) {
  ReplayScript script;
  std::istringstream in(text);
  std::string raw;
  int lineNumber = 0;
  auto fail = [&](const std::string& why) {
    return sys::Error{"line " + std::to_string(lineNumber) + ": " + why + ": \"" + trimRight(raw) + "\""};
  };
  while (std::getline(in, raw)) {
    ++lineNumber;
    const std::string line = trimRight(raw);
    size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#') continue;
    std::istringstream words(line.substr(start));
    std::string command;
    words >> command;
    std::vector<std::string> args;
    for (std::string w; words >> w;) args.push_back(w);

    ReplayAction a;
    a.lineNumber = lineNumber;
    auto numbers = [&](size_t from, size_t count, std::vector<int64_t>& out) {
      if (args.size() != from + count) return false;
      for (size_t i = from; i < args.size(); ++i) {
        int64_t v = 0;
        if (!parseReplayNumber(args[i], v)) return false;
        out.push_back(v);
      }
      return true;
    };
    std::vector<int64_t> n;
    if (command == "wait" || command == "ticks" || command == "idle") {
      if (!numbers(0, 1, n) || n[0] < 0) return fail("expected one non-negative number");
      a.kind = command == "wait"    ? ReplayAction::Kind::Wait
               : command == "ticks" ? ReplayAction::Kind::Ticks
                                    : ReplayAction::Kind::Idle;
      a.amount = n[0];
    } else if ((command == "move" && args.size() <= 2) || command == "dblclick") {
      if (!numbers(0, 2, n)) return fail("expected X Y");
      a.kind = command == "move" ? ReplayAction::Kind::Move : ReplayAction::Kind::DblClick;
      a.x = static_cast<int>(n[0]);
      a.y = static_cast<int>(n[1]);
    } else if (command == "click") {
      if (args.empty() || !numbers(1, 2, n)) return fail("expected left|right|middle X Y");
      if (args[0] == "left")
        a.button = ui::MouseButton::Left;
      else if (args[0] == "right")
        a.button = ui::MouseButton::Right;
      else if (args[0] == "middle")
        a.button = ui::MouseButton::Middle;
      else
        return fail("unknown mouse button");
      a.kind = ReplayAction::Kind::Click;
      a.x = static_cast<int>(n[0]);
      a.y = static_cast<int>(n[1]);
    } else if (command == "key") {
      if (args.size() != 1 || keyCodeFromName(args[0]) == 0) return fail("unknown key");
      a.kind = ReplayAction::Kind::Key;
      a.key = keyCodeFromName(args[0]);
    } else if (command == "type") {
      a.kind = ReplayAction::Kind::Type;
      const size_t at = line.find("type", start) + 4;
      a.text = at < line.size() ? line.substr(at + 1) : "";
    } else if (command == "answer") {
      if (args.size() != 1 || (args[0] != "yes" && args[0] != "no" && args[0] != "ok" && args[0] != "cancel"))
        return fail("expected yes|no|ok|cancel");
      a.kind = ReplayAction::Kind::Answer;
      a.text = args[0];
    } else if (command == "screenshot") {
      if (args.size() != 1) return fail("expected a file name");
      a.kind = ReplayAction::Kind::Screenshot;
      a.text = args[0];
    } else {
      std::string why;
      const RecordedLine use = parseRecordedLine(command, args, line.substr(start), a, script, why);
      if (use == RecordedLine::Unknown) return fail("unknown command");
      if (!why.empty()) return fail(why);
      if (use == RecordedLine::Setting) continue;
    }
    script.actions.push_back(a);
  }
  return script;
}

sys::Result<ReplayScript> loadReplay(const std::string& path) {
  const sys::Result<std::string> text = sys::readFile(path, size_t{16} << 20);
  if (!text) return text.error();
  return parseReplay(*text);
}

}  // namespace backend
