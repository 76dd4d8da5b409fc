#include "backend/headless/SoakInput.h"

#include <array>

namespace backend {
namespace {

// Where clicks go: anywhere on the screen, the band of spoken lines,
// inventory and dialogue choices, and the in-game menu's entries.
struct Area {
  int left, top, right, bottom;  // inclusive
  int weight;
};
constexpr std::array<Area, 3> kAreas{
    {{0, 0, 639, 479, 60}, {0, 400, 639, 479, 25}, {230, 190, 430, 350, 15}}};

// Keys: Enter and Escape skip scenes and open or close the menu, so they come
// most often; the rest reach the developer keys and the text fields.
constexpr std::array<const char*, 12> kCommonKeys{"Enter", "Escape", "Enter", "Escape", "Space", "Backspace",
                                                  "Tab",   "F1",     "F5",    "F11",    "F12",   "Y"};

struct Weighted {
  ReplayAction::Kind kind;
  int weight;
};
constexpr std::array<Weighted, 8> kKinds{{{ReplayAction::Kind::Move, 25},
                                          {ReplayAction::Kind::Click, 30},
                                          {ReplayAction::Kind::DblClick, 4},
                                          {ReplayAction::Kind::Key, 12},
                                          {ReplayAction::Kind::Type, 3},
                                          {ReplayAction::Kind::Answer, 3},
                                          {ReplayAction::Kind::Wait, 20},
                                          {ReplayAction::Kind::Ticks, 3}}};

template <typename T, size_t N>
const T& pick(const std::array<T, N>& table, int roll) {
  for (const T& entry : table) {
    if (roll < entry.weight) return entry;
    roll -= entry.weight;
  }
  return table.back();
}

template <typename T, size_t N>
int totalWeight(const std::array<T, N>& table) {
  int total = 0;
  for (const T& entry : table) total += entry.weight;
  return total;
}

}  // namespace

void SoakInput::randomPoint(ReplayAction& a) {
  const Area& area = pick(kAreas, below(totalWeight(kAreas)));
  a.x = between(area.left, area.right);
  a.y = between(area.top, area.bottom);
}

ReplayAction SoakInput::next() {
  ReplayAction a;
  a.kind = pick(kKinds, below(totalWeight(kKinds))).kind;
  switch (a.kind) {
    case ReplayAction::Kind::Move:
    case ReplayAction::Kind::DblClick:
      randomPoint(a);
      break;
    case ReplayAction::Kind::Click:
      randomPoint(a);
      a.button = below(4) == 0 ? ui::MouseButton::Right : ui::MouseButton::Left;
      break;
    case ReplayAction::Kind::Key: {
      // Half the keys from the common list, the others any letter or digit.
      static constexpr char kLettersAndDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
      a.text = below(2) == 0 ? std::string(kCommonKeys[static_cast<size_t>(below(kCommonKeys.size()))])
                             : std::string(1, kLettersAndDigits[below(36)]);
      a.key = keyCodeFromName(a.text);
      break;
    }
    case ReplayAction::Kind::Type: {
      static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789 .";
      const int length = between(1, 8);
      for (int i = 0; i < length; ++i) a.text += kChars[below(38)];
      break;
    }
    case ReplayAction::Kind::Answer: {
      static constexpr std::array<const char*, 4> kAnswers{"yes", "no", "ok", "cancel"};
      a.text = kAnswers[static_cast<size_t>(below(4))];
      break;
    }
    case ReplayAction::Kind::Wait:
      // Mostly short pauses, now and then long enough for a scene to play.
      a.amount = below(10) == 0 ? between(1000, 20000) : between(1, 400);
      break;
    default:
      a.kind = ReplayAction::Kind::Ticks;
      a.amount = between(1, 200);
      break;
  }
  return a;
}

std::string SoakInput::describe(const ReplayAction& a) {
  const std::string at = std::to_string(a.x) + " " + std::to_string(a.y);
  switch (a.kind) {
    case ReplayAction::Kind::Move:
      return "move " + at;
    case ReplayAction::Kind::Click:
      return std::string("click ") + (a.button == ui::MouseButton::Right ? "right " : "left ") + at;
    case ReplayAction::Kind::DblClick:
      return "dblclick " + at;
    case ReplayAction::Kind::Key:
      return "key " + a.text;
    case ReplayAction::Kind::Type:
      return "type " + a.text;
    case ReplayAction::Kind::Answer:
      return "answer " + a.text;
    case ReplayAction::Kind::Wait:
      return "wait " + std::to_string(a.amount);
    case ReplayAction::Kind::Ticks:
      return "ticks " + std::to_string(a.amount);
    default:
      return "# ?";
  }
}

}  // namespace backend
