#pragma once
// Translation of Qt input into the component layer's terms: key codes, shortcuts, modifier and button
// states, and the text a menu shows for a shortcut.
#include <QString>
#include <Qt>
#include <optional>

#include "platform/ui/keys.h"

class QKeyEvent;

namespace qtfe {

// The key code of a Qt key; keypad keys (KeypadModifier set) get their own codes. 0 when the key has
// none the logic knows.
ui::KeyCode KeyCodeFor(int qt_key, Qt::KeyboardModifiers modifiers);
ui::KeyCode KeyCodeFor(const QKeyEvent& event);

// The modifier keys and the mouse buttons held.
ui::ShiftState ShiftStateFor(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);

// The menu shortcut a key press stands for; 0 when the key has no code.
ui::ShortCut ShortCutFor(const QKeyEvent& event);

std::optional<ui::MouseButton> MouseButtonFor(Qt::MouseButton button);

// How a menu shows the shortcut ("Ctrl+Q", "F12"); empty for none.
QString ShortCutText(ui::ShortCut shortcut);

}  // namespace qtfe
