#pragma once

namespace game {

// What the game is doing. The state store keeps it as the caption of its slot
// `mode`, which the dump and the developer view show, so each mode is tied to
// its caption.
enum class Mode {
  Normal,  // "normal": the player has control
  Script,  // "KI Script working ...": the command queue is being worked off
  Dialog,  // "dialog": a conversation, with the choice panel when the queue is empty
  Menu,    // "menu": the in-game menu is open
};

constexpr const char* captionOf(Mode mode) {
  switch (mode) {
    case Mode::Normal:
      return "normal";
    case Mode::Script:
      return "KI Script working ...";
    case Mode::Dialog:
      return "dialog";
    case Mode::Menu:
      break;
  }
  return "menu";
}

}  // namespace game
