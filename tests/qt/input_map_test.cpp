// Qt keys in the component layer's terms, and shortcut texts for the menus.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include "frontends/qt/input_map.h"
#include "qt/qstring_print.h"

namespace qttest {
namespace {

TEST(InputMapTest, KeyCodes) {
  for (int n = 1; n <= 12; ++n) EXPECT_EQ(qtfe::KeyCodeFor(Qt::Key_F1 + n - 1, {}), 0x70 + n - 1) << "F" << n;
  EXPECT_EQ(qtfe::KeyCodeFor(Qt::Key_F13, {}), 0);
  EXPECT_EQ(qtfe::KeyCodeFor(Qt::Key_A, {}), 'A');
  EXPECT_EQ(qtfe::KeyCodeFor(Qt::Key_Z, Qt::ShiftModifier), 'Z');
  EXPECT_EQ(qtfe::KeyCodeFor(Qt::Key_0, {}), '0');
  EXPECT_EQ(qtfe::KeyCodeFor(Qt::Key_9, Qt::KeypadModifier), 0x69);
  EXPECT_EQ(qtfe::KeyCodeFor(Qt::Key_Plus, Qt::KeypadModifier), 0x6B);
  EXPECT_EQ(qtfe::KeyCodeFor(Qt::Key_Plus, {}), 0);
  EXPECT_EQ(qtfe::KeyCodeFor(Qt::Key_Enter, Qt::KeypadModifier), ui::key::Return);
  EXPECT_EQ(qtfe::KeyCodeFor(Qt::Key_Return, {}), ui::key::Return);
  EXPECT_EQ(qtfe::KeyCodeFor(Qt::Key_Escape, {}), ui::key::Escape);
  EXPECT_EQ(qtfe::KeyCodeFor(Qt::Key_Left, {}), ui::key::Left);
  EXPECT_EQ(qtfe::KeyCodeFor(Qt::Key_Down, {}), ui::key::Down);
  EXPECT_EQ(qtfe::KeyCodeFor(Qt::Key_Delete, {}), ui::key::Delete);
  EXPECT_EQ(qtfe::KeyCodeFor(Qt::Key_Backtab, Qt::ShiftModifier), ui::key::Tab);
}

TEST(InputMapTest, ShortCutsFromKeyPresses) {
  const QKeyEvent ctrl_q(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(qtfe::ShortCutFor(ctrl_q), ui::CtrlKey('Q'));
  const QKeyEvent all(QEvent::KeyPress, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
  EXPECT_EQ(qtfe::ShortCutFor(all), ui::key::F(12) | ui::kShortCutCtrl | ui::kShortCutShift | ui::kShortCutAlt);
  // A modifier on its own, or a key without a code, is no shortcut.
  const QKeyEvent ctrl(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
  EXPECT_EQ(qtfe::ShortCutFor(ctrl), 0);
  const QKeyEvent unknown(QEvent::KeyPress, Qt::Key_Launch0, Qt::ControlModifier);
  EXPECT_EQ(qtfe::ShortCutFor(unknown), 0);
}

TEST(InputMapTest, ShortCutTexts) {
  EXPECT_EQ(qtfe::ShortCutText(ui::CtrlKey('Q')), QStringLiteral("Ctrl+Q"));
  EXPECT_EQ(qtfe::ShortCutText(ui::key::F(11)), QStringLiteral("F11"));
  EXPECT_EQ(qtfe::ShortCutText(static_cast<ui::ShortCut>(ui::kShortCutShift | ui::kShortCutAlt | 'B')),
            QStringLiteral("Alt+Shift+B"));
  EXPECT_EQ(qtfe::ShortCutText(0), QString());
  EXPECT_EQ(qtfe::ShortCutText(0x7F), QString());  // no key Qt can name
}

}  // namespace
}  // namespace qttest
