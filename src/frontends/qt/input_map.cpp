#include "frontends/qt/input_map.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <array>

namespace qtfe {

namespace {

struct NamedKey {
  Qt::Key QtKey;
  ui::KeyCode Code;
};

// Keys without a key-code range of their own. Codes not named in keys.h are the window system's
// virtual-key values.
constexpr std::array<NamedKey, 20> kNamedKeys = {{
    {Qt::Key_Backspace, ui::key::Back},
    {Qt::Key_Tab, ui::key::Tab},
    {Qt::Key_Backtab, ui::key::Tab},
    {Qt::Key_Return, ui::key::Return},
    {Qt::Key_Enter, ui::key::Return},
    {Qt::Key_Shift, ui::key::Shift},
    {Qt::Key_Control, ui::key::Control},
    {Qt::Key_Alt, ui::key::Menu},
    {Qt::Key_Escape, ui::key::Escape},
    {Qt::Key_Space, ui::key::Space},
    {Qt::Key_PageUp, 0x21},
    {Qt::Key_PageDown, 0x22},
    {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},
    {Qt::Key_Left, ui::key::Left},
    {Qt::Key_Up, ui::key::Up},
    {Qt::Key_Right, ui::key::Right},
    {Qt::Key_Down, ui::key::Down},
    {Qt::Key_Insert, 0x2D},
    {Qt::Key_Delete, ui::key::Delete},
}};

// The keypad's operator keys, told apart from the main keyboard's by KeypadModifier.
constexpr std::array<NamedKey, 5> kKeypadOperators = {{
    {Qt::Key_Asterisk, 0x6A},
    {Qt::Key_Plus, 0x6B},
    {Qt::Key_Minus, 0x6D},
    {Qt::Key_Period, 0x6E},
    {Qt::Key_Slash, 0x6F},
}};

constexpr int kFunctionKeys = 12;
constexpr ui::ShortCut kShortCutKeyMask = 0x1FFF;

bool IsModifierKey(ui::KeyCode code) {
  return code == ui::key::Shift || code == ui::key::Control || code == ui::key::Menu;
}

}  // namespace

ui::KeyCode KeyCodeFor(int qt_key, Qt::KeyboardModifiers modifiers) {
  const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
  if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) {
    const int digit = qt_key - Qt::Key_0;
    return keypad ? ui::key::Numpad(digit) : static_cast<ui::KeyCode>('0' + digit);
  }
  if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return static_cast<ui::KeyCode>('A' + (qt_key - Qt::Key_A));
  if (qt_key >= Qt::Key_F1 && qt_key < Qt::Key_F1 + kFunctionKeys) return ui::key::F(qt_key - Qt::Key_F1 + 1);
  if (keypad) {
    for (const NamedKey& k : kKeypadOperators)
      if (k.QtKey == qt_key) return k.Code;
  }
  for (const NamedKey& k : kNamedKeys)
    if (k.QtKey == qt_key) return k.Code;
  return 0;
}

ui::KeyCode KeyCodeFor(const QKeyEvent& event) { return KeyCodeFor(event.key(), event.modifiers()); }

ui::ShiftState ShiftStateFor(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  ui::ShiftState state = 0;
  if (modifiers.testFlag(Qt::ShiftModifier)) state |= ui::ssShift;
  if (modifiers.testFlag(Qt::ControlModifier)) state |= ui::ssCtrl;
  if (modifiers.testFlag(Qt::AltModifier)) state |= ui::ssAlt;
  if (buttons.testFlag(Qt::LeftButton)) state |= ui::ssLeft;
  if (buttons.testFlag(Qt::RightButton)) state |= ui::ssRight;
  if (buttons.testFlag(Qt::MiddleButton)) state |= ui::ssMiddle;
  return state;
}

ui::ShortCut ShortCutFor(const QKeyEvent& event) {
  const ui::KeyCode code = KeyCodeFor(event);
  if (code == 0 || IsModifierKey(code)) return 0;
  ui::ShortCut shortcut = code;
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (modifiers.testFlag(Qt::ShiftModifier)) shortcut |= ui::kShortCutShift;
  if (modifiers.testFlag(Qt::ControlModifier)) shortcut |= ui::kShortCutCtrl;
  if (modifiers.testFlag(Qt::AltModifier)) shortcut |= ui::kShortCutAlt;
  return shortcut;
}

std::optional<ui::MouseButton> MouseButtonFor(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return ui::MouseButton::Left;
    case Qt::RightButton:
      return ui::MouseButton::Right;
    case Qt::MiddleButton:
      return ui::MouseButton::Middle;
    default:
      return std::nullopt;
  }
}

QString ShortCutText(ui::ShortCut shortcut) {
  const ui::KeyCode code = static_cast<ui::KeyCode>(shortcut & kShortCutKeyMask);
  if (code == 0) return {};
  Qt::KeyboardModifiers modifiers;
  if (shortcut & ui::kShortCutShift) modifiers |= Qt::ShiftModifier;
  if (shortcut & ui::kShortCutCtrl) modifiers |= Qt::ControlModifier;
  if (shortcut & ui::kShortCutAlt) modifiers |= Qt::AltModifier;

  int key = 0;
  if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) {
    key = code;  // Qt's codes for these are their ASCII codes too
  } else if (code >= ui::key::F1 && code < ui::key::F1 + kFunctionKeys) {
    key = Qt::Key_F1 + (code - ui::key::F1);
  } else if (code >= ui::key::Numpad0 && code <= ui::key::Numpad(9)) {
    key = Qt::Key_0 + (code - ui::key::Numpad0);
    modifiers |= Qt::KeypadModifier;
  } else {
    for (const NamedKey& k : kNamedKeys)
      if (k.Code == code) {
        key = k.QtKey;
        break;
      }
  }
  if (key == 0) return {};
  return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key))).toString(QKeySequence::NativeText);
}

}  // namespace qtfe
