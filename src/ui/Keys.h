#pragma once

namespace ui {

enum class MouseButton { Left, Right, Middle };

// Modifier keys and buttons held during an event; Double marks the second
// press of a double click.
struct Shift {
  bool shift = false, ctrl = false, alt = false;
  bool Double = false;
};

// Windows virtual-key codes: letters and digits are their ASCII capitals.
namespace vk {
inline constexpr int Back = 8;
inline constexpr int Tab = 9;
inline constexpr int Return = 13;
inline constexpr int Shift = 16;
inline constexpr int Control = 17;
inline constexpr int Menu = 18;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Prior = 33;  // Page Up
inline constexpr int Next = 34;   // Page Down
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Delete = 46;
inline constexpr int F1 = 112;         // F2..F12 follow
inline constexpr int OemPeriod = 190;  // the full stop
}  // namespace vk

// Cursor numbers: 0 shows the default arrow, -1 no pointer at all; positive
// numbers name cursors registered with the desktop.
inline constexpr int crDefault = 0;
inline constexpr int crNone = -1;

}  // namespace ui
