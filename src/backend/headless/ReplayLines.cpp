// The replay lines of the window's own input, one event at a time, as
// --record writes them, the session's settings, and the key names.
#include <cstdint>
#include <cstdio>
#include <utility>

#include "backend/headless/Replay.h"
#include "ui/Desktop.h"

namespace backend {
namespace {

using Kind = ReplayAction::Kind;

// Named keys beyond letters, digits and F1-F12.
const std::pair<const char*, int> kKeyNames[] = {
    {"Enter", ui::vk::Return},   {"Escape", ui::vk::Escape}, {"Space", ui::vk::Space},
    {"Backspace", ui::vk::Back}, {"Tab", ui::vk::Tab},       {"Period", ui::vk::OemPeriod},
    {"PageUp", ui::vk::Prior},   {"PageDown", ui::vk::Next}, {"Home", ui::vk::Home},
    {"End", ui::vk::End},        {"Left", ui::vk::Left},     {"Right", ui::vk::Right},
    {"Up", ui::vk::Up},          {"Down", ui::vk::Down},     {"Delete", ui::vk::Delete},
    {"Shift", ui::vk::Shift},    {"Ctrl", ui::vk::Control},  {"Alt", ui::vk::Menu},
    {"Return", ui::vk::Return}};

const char* const kButtonNames[] = {"left", "right", "middle"};

// The modifier words after the fixed arguments: shift, ctrl, alt.
bool parseModifiers(const std::vector<std::string>& args, size_t from, ui::Shift& shift) {
  for (size_t i = from; i < args.size(); ++i) {
    if (args[i] == "shift")
      shift.shift = true;
    else if (args[i] == "ctrl")
      shift.ctrl = true;
    else if (args[i] == "alt")
      shift.alt = true;
    else
      return false;
  }
  return true;
}

std::string modifiers(const ui::Shift& s) {
  return std::string(s.shift ? " shift" : "") + (s.ctrl ? " ctrl" : "") + (s.alt ? " alt" : "");
}

// Typed text that a "type" line would not carry as it is: blanks at its end
// are cut from every line, control characters would break it.
bool needsHex(const std::string& text) {
  if (text.empty() || text.back() == ' ' || text.back() == '\t') return true;
  for (unsigned char c : text)
    if (c < 0x20 || c == 0x7F) return true;
  return false;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

int keyCodeFromName(const std::string& name) {
  for (const auto& [keyName, code] : kKeyNames)
    if (name == keyName) return code;
  if (name.size() == 1 && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9')))
    return name[0];
  int64_t n = 0;
  if (name.size() >= 2 && name[0] == 'F' && parseReplayNumber(name.substr(1), n) && n >= 1 && n <= 12)
    return ui::vk::F1 + static_cast<int>(n) - 1;
  return 0;
}

std::string keyNameFromCode(int code) {
  for (const auto& [keyName, keyCode] : kKeyNames)
    if (code == keyCode) return keyName;
  if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
    return std::string(1, static_cast<char>(code));
  if (code >= ui::vk::F1 && code < ui::vk::F1 + 12) return "F" + std::to_string(code - ui::vk::F1 + 1);
  return "";
}

RecordedLine parseRecordedLine(const std::string& command, const std::vector<std::string>& args,
                               const std::string& line, ReplayAction& a, ReplayScript& script,
                               std::string& why) {
  int64_t x = 0, y = 0;
  if (command == "seed") {
    if (args.size() != 1 || !parseReplayNumber(args[0], x) || x < 0 || x > UINT32_MAX)
      why = "expected a seed";
    script.seed = static_cast<uint32_t>(x);
    return RecordedLine::Setting;
  }
  if (command == "display") {
    int w = 0, h = 0;
    char tail = 0;
    if (args.size() != 1 || std::sscanf(args[0].c_str(), "%dx%d%c", &w, &h, &tail) != 2 || w < 1 || h < 1)
      why = "expected WIDTHxHEIGHT";
    script.displayWidth = w;
    script.displayHeight = h;
    return RecordedLine::Setting;
  }
  if (command == "depth") {
    if (args.size() != 1 || !parseReplayNumber(args[0], x) || x < 1 || x > 64)
      why = "expected bits per pixel";
    script.depth = static_cast<int>(x);
    return RecordedLine::Setting;
  }
  if (command == "leave") {
    if (!args.empty()) why = "expected nothing after leave";
    a.kind = Kind::Leave;
    return RecordedLine::Action;
  }
  if (command == "typehex") {
    a.kind = Kind::Type;
    const std::string hex = args.size() == 1 ? args[0] : "";
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
      const int hi = hexDigit(hex[i]), lo = hexDigit(hex[i + 1]);
      if (hi < 0 || lo < 0) break;
      a.text += static_cast<char>(hi * 16 + lo);
    }
    if (hex.empty() || a.text.size() * 2 != hex.size()) why = "expected the bytes of the text in hex";
    return RecordedLine::Action;
  }
  if (command == "down" || command == "up") {
    a.kind = command == "down" ? Kind::Down : Kind::Up;
    size_t b = 0;
    while (b < 3 && (args.empty() || args[0] != kButtonNames[b])) ++b;
    if (b == 3 || args.size() < 3 || !parseReplayNumber(args[1], x) || !parseReplayNumber(args[2], y) ||
        !parseModifiers(args, 3, a.shift))
      why = "expected left|right|middle X Y and modifiers";
    a.button = static_cast<ui::MouseButton>(b % 3);
    a.x = static_cast<int>(x);
    a.y = static_cast<int>(y);
    return RecordedLine::Action;
  }
  if (command == "keydown" || command == "keyup") {
    a.kind = command == "keydown" ? Kind::KeyDown : Kind::KeyUp;
    a.key = args.empty() ? 0 : keyCodeFromName(args[0]);
    if (a.key == 0 || !parseModifiers(args, 1, a.shift)) why = "expected a key name and modifiers";
    return RecordedLine::Action;
  }
  // "move X Y" is the replay's own; with modifier words after it, it is ours.
  if (command == "move" && args.size() > 2) {
    a.kind = Kind::Move;
    if (!parseReplayNumber(args[0], x) || !parseReplayNumber(args[1], y) || !parseModifiers(args, 2, a.shift))
      why = "expected X Y and modifiers";
    a.x = static_cast<int>(x);
    a.y = static_cast<int>(y);
    return RecordedLine::Action;
  }
  (void)line;
  return RecordedLine::Unknown;
}

std::string replayLine(const ReplayAction& a) {
  const std::string at = " " + std::to_string(a.x) + " " + std::to_string(a.y);
  const std::string button = kButtonNames[static_cast<int>(a.button)];
  switch (a.kind) {
    case Kind::Wait:
      return "wait " + std::to_string(a.amount);
    case Kind::Ticks:
      return "ticks " + std::to_string(a.amount);
    case Kind::Idle:
      return "idle " + std::to_string(a.amount);
    case Kind::Move:
      return "move" + at + modifiers(a.shift);
    case Kind::Click:
      return "click " + button + at;
    case Kind::DblClick:
      return "dblclick" + at;
    case Kind::Down:
    case Kind::Up:
      return std::string(a.kind == Kind::Down ? "down " : "up ") + button + at + modifiers(a.shift);
    case Kind::Key:
      return "key " + keyNameFromCode(a.key);
    case Kind::KeyDown:
    case Kind::KeyUp:
      return std::string(a.kind == Kind::KeyDown ? "keydown " : "keyup ") + keyNameFromCode(a.key) +
             modifiers(a.shift);
    case Kind::Type: {
      if (!needsHex(a.text)) return "type " + a.text;
      std::string hex;
      char byte[3];
      for (unsigned char c : a.text) {
        std::snprintf(byte, sizeof byte, "%02x", c);
        hex += byte;
      }
      return "typehex " + hex;
    }
    case Kind::Answer:
      return "answer " + a.text;
    case Kind::Screenshot:
      return "screenshot " + a.text;
    case Kind::Leave:
      return "leave";
  }
  return "";
}

void applyInput(ui::Desktop& desktop, const ReplayAction& a) {
  switch (a.kind) {
    case Kind::Move:
      desktop.mouseMove(a.x, a.y, a.shift);
      break;
    case Kind::Click:
      desktop.mouseMove(a.x, a.y);
      desktop.mouseDown(a.button, a.x, a.y);
      desktop.mouseUp(a.button, a.x, a.y);
      break;
    case Kind::DblClick:
      desktop.mouseMove(a.x, a.y);
      for (int i = 0; i < 2; ++i) {
        desktop.mouseDown(ui::MouseButton::Left, a.x, a.y);
        desktop.mouseUp(ui::MouseButton::Left, a.x, a.y);
      }
      break;
    case Kind::Down:
      desktop.mouseDown(a.button, a.x, a.y, a.shift);
      break;
    case Kind::Up:
      desktop.mouseUp(a.button, a.x, a.y, a.shift);
      break;
    case Kind::Key:
      desktop.keyDown(a.key);
      desktop.keyUp(a.key);
      break;
    case Kind::KeyDown:
      desktop.keyDown(a.key, a.shift);
      break;
    case Kind::KeyUp:
      desktop.keyUp(a.key, a.shift);
      break;
    case Kind::Type:
      desktop.textInput(a.text);
      break;
    case Kind::Leave:
      desktop.pointerLeft();
      break;
    case Kind::Wait:
    case Kind::Ticks:
    case Kind::Idle:
    case Kind::Answer:
    case Kind::Screenshot:
      break;
  }
}

}  // namespace backend
