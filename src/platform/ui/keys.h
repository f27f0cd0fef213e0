#pragma once
// Key codes and modifier states as the window system reports them to handlers.
#include <cstdint>

namespace ui {

using KeyCode = std::uint16_t;

namespace key {
inline constexpr KeyCode Back = 0x08, Tab = 0x09, Return = 0x0D, Shift = 0x10, Control = 0x11,
                         Menu = 0x12, Escape = 0x1B, Space = 0x20, Left = 0x25, Up = 0x26,
                         Right = 0x27, Down = 0x28, Delete = 0x2E;
// '0'..'9' and 'A'..'Z' are their ASCII codes.
inline constexpr KeyCode Numpad0 = 0x60;  // Numpad0 + n for the keypad digit n
inline constexpr KeyCode F1 = 0x70;       // F1 + n - 1 for Fn, up to F12
inline constexpr KeyCode Numpad(int n) { return static_cast<KeyCode>(Numpad0 + n); }
inline constexpr KeyCode F(int n) { return static_cast<KeyCode>(F1 + n - 1); }
}  // namespace key

// A menu shortcut: the key code, plus kShortCutCtrl / kShortCutShift / kShortCutAlt.
using ShortCut = std::uint16_t;
inline constexpr ShortCut kShortCutShift = 0x2000, kShortCutCtrl = 0x4000, kShortCutAlt = 0x8000;
inline constexpr ShortCut CtrlKey(char letter) {
  return static_cast<ShortCut>(kShortCutCtrl | static_cast<ShortCut>(letter));
}

// Modifier keys and mouse buttons held during an event.
enum ShiftFlag : unsigned {
  ssShift = 1u << 0,
  ssAlt = 1u << 1,
  ssCtrl = 1u << 2,
  ssLeft = 1u << 3,
  ssRight = 1u << 4,
  ssMiddle = 1u << 5,
};
using ShiftState = unsigned;

enum class MouseButton { Left, Right, Middle };

}  // namespace ui
