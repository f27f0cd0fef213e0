// Keyboard, mouse and wheel input reaching the form: shortcuts through the menu component (key
// preview), key releases, the rendering panel's mouse events and wheel notches.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <ostream>

#include "frontends/qt/debug_panel.h"
#include "frontends/qt/frame_loop.h"
#include "frontends/qt/render_panel.h"
#include "frontends/qt/status_strip.h"
#include "qt/viewer_fixture.h"

namespace qttest {
namespace {

// Counts the key events that get past the application's filters to one widget.
class KeySpy final : public QObject {
 public:
  explicit KeySpy(QWidget& target) { target.installEventFilter(this); }
  int presses = 0, releases = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) ++presses;
    if (event->type() == QEvent::KeyRelease) ++releases;
    return false;
  }
};

struct KeyRecord {
  ui::KeyCode Key;
  ui::ShiftState Shift;
  bool operator==(const KeyRecord&) const = default;
  friend void PrintTo(const KeyRecord& r, std::ostream* out) { *out << "{0x" << std::hex << r.Key << ", " << r.Shift << std::dec << "}"; }
};

struct MouseRecord {
  char Kind;  // 'D'own, 'M'ove, 'U'p
  ui::MouseButton Button;
  ui::ShiftState Shift;
  int X, Y;
  bool operator==(const MouseRecord&) const = default;
  friend void PrintTo(const MouseRecord& r, std::ostream* out) {
    *out << "{" << r.Kind << " button " << static_cast<int>(r.Button) << " shift 0x" << std::hex << r.Shift << std::dec
         << " at " << r.X << "," << r.Y << "}";
  }
};

struct WheelRecord {
  bool Up;
  int X, Y;
  bool operator==(const WheelRecord&) const = default;
  friend void PrintTo(const WheelRecord& r, std::ostream* out) { *out << "{" << (r.Up ? "up" : "down") << " at " << r.X << "," << r.Y << "}"; }
};

void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button, held, modifiers);
  QApplication::sendEvent(&widget, &event);
}

void SendWheel(QWidget& widget, QPoint at, int delta) {
  QWheelEvent event(QPointF(at), widget.mapToGlobal(QPointF(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&widget, &event);
}

class InputTest : public ViewerFixture {};

TEST_F(InputTest, CtrlQClosesTheFormAndEndsTheLoop) {
  StartViewer(false);
  ShowWindow();
  QSignalSpy finished(&Front(), &qtfe::FrontEnd::finished);
  QTest::keyClick(&Window(), Qt::Key_Q, Qt::ControlModifier);

  EXPECT_TRUE(Form().Closed());
  EXPECT_EQ(GetViewer().State.Device, nullptr);
  EXPECT_TRUE(Front().Finished());
  EXPECT_EQ(finished.count(), 1);
  EXPECT_FALSE(Window().isVisible());
  EXPECT_FALSE(Front().Loop().Running());
  EXPECT_FALSE(Front().StatusTimer().isActive());
  EXPECT_TRUE(errors_.empty());
}

TEST_F(InputTest, DevelopShortcutsActEvenForHiddenEntries) {
  StartViewer(true);
  ShowWindow();
  qtfe::RenderPanel& panel = *Window().Panel();
  KeySpy spy(panel);

  // Sent to a child: the form sees the key first and the menu takes it.
  QTest::keyClick(&panel, Qt::Key_F12);
  EXPECT_TRUE(Form().Panel2.Visible);
  EXPECT_FALSE(Window().Debug()->isHidden());
  QTest::keyClick(&panel, Qt::Key_F12);
  EXPECT_FALSE(Form().Panel2.Visible);
  EXPECT_TRUE(Window().Debug()->isHidden());
  EXPECT_EQ(spy.presses, 0);

  // LoadMotion is hidden but answers Ctrl+L; with no model in dir10 the loader says so.
  Form().StatusBar1.Panels[3].Text = "untouched";
  QTest::keyClick(&panel, Qt::Key_L, Qt::ControlModifier);
  EXPECT_EQ(Window().Status()->Section(3)->text(), QStringLiteral("Scene:NULL"));
  EXPECT_EQ(spy.presses, 1);  // only the Ctrl key itself went on to the panel
}

TEST_F(InputTest, DisabledOptionMenuTakesNoShortcuts) {
  StartViewer(false);
  ShowWindow();
  qtfe::RenderPanel& panel = *Window().Panel();
  KeySpy spy(panel);
  Form().StatusBar1.Panels[3].Text = "untouched";

  QTest::keyClick(&panel, Qt::Key_F12);
  QTest::keyClick(&panel, Qt::Key_L, Qt::ControlModifier);
  EXPECT_FALSE(Form().Panel2.Visible);
  EXPECT_TRUE(Window().Debug()->isHidden());
  EXPECT_EQ(Window().Status()->Section(3)->text(), QStringLiteral("untouched"));
  EXPECT_EQ(spy.presses, 3);  // F12, Ctrl and L all went on to the panel
}

TEST_F(InputTest, KeyReleasesReachTheFormOnceWithTheirCodes) {
  StartViewer(false);
  ShowWindow();
  std::vector<KeyRecord> keys;
  Form().OnKeyUp = [&](ui::Component*, ui::KeyCode& key, ui::ShiftState shift) {
    keys.push_back({key, shift});
    if (key == 'C') key = 0;  // taken: the focused widget does not see it
  };
  qtfe::RenderPanel& panel = *Window().Panel();
  KeySpy spy(panel);

  // Through the window, as the window system delivers them.
  QTest::keyClick(Window().windowHandle(), Qt::Key_1, Qt::KeypadModifier);
  QTest::keyClick(Window().windowHandle(), Qt::Key_1);
  // Straight to a child that ignores it: Qt offers it to every parent in turn.
  QTest::keyRelease(&panel, Qt::Key_A);
  // A held key's repeats are not releases.
  QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"), true);
  QApplication::sendEvent(&panel, &repeat);
  const int releases_before = spy.releases;
  QTest::keyRelease(&panel, Qt::Key_C);
  EXPECT_EQ(spy.releases, releases_before);

  EXPECT_EQ(keys, (std::vector<KeyRecord>{{0x61, 0}, {0x31, 0}, {0x41, 0}, {0x43, 0}}));
}

TEST_F(InputTest, PanelMouseEventsCarryButtonsAndModifiers) {
  StartViewer(false);
  ShowWindow();
  std::vector<MouseRecord> events;
  ui::Panel& panel1 = Form().Panel1;
  panel1.OnMouseDown = [&](ui::Component* sender, ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    EXPECT_EQ(sender, &panel1);
    events.push_back({'D', button, shift, x, y});
  };
  panel1.OnMouseMove = [&](ui::Component*, ui::ShiftState shift, int x, int y) {
    events.push_back({'M', ui::MouseButton::Left, shift, x, y});
  };
  panel1.OnMouseUp = [&](ui::Component*, ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    events.push_back({'U', button, shift, x, y});
  };
  qtfe::RenderPanel& panel = *Window().Panel();
  EXPECT_TRUE(panel.hasMouseTracking());

  SendMouse(panel, QEvent::MouseButtonPress, {10, 20}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
  SendMouse(panel, QEvent::MouseMove, {30, 40}, Qt::NoButton, Qt::LeftButton | Qt::RightButton, Qt::ControlModifier);
  SendMouse(panel, QEvent::MouseButtonRelease, {31, 41}, Qt::LeftButton, Qt::NoButton, Qt::AltModifier);
  SendMouse(panel, QEvent::MouseButtonPress, {1, 2}, Qt::MiddleButton, Qt::MiddleButton);
  SendMouse(panel, QEvent::MouseButtonPress, {1, 2}, Qt::RightButton, Qt::RightButton | Qt::MiddleButton);
  SendMouse(panel, QEvent::MouseButtonPress, {1, 2}, Qt::BackButton, Qt::BackButton);  // no such button here

  using B = ui::MouseButton;
  EXPECT_EQ(events, (std::vector<MouseRecord>{
                        {'D', B::Left, ui::ssShift | ui::ssLeft, 10, 20},
                        {'M', B::Left, ui::ssCtrl | ui::ssLeft | ui::ssRight, 30, 40},
                        {'U', B::Left, ui::ssAlt, 31, 41},
                        {'D', B::Middle, ui::ssMiddle, 1, 2},
                        {'D', B::Right, ui::ssRight | ui::ssMiddle, 1, 2},
                    }));
}

TEST_F(InputTest, WheelNotchesReachTheFormInPanelCoordinates) {
  StartViewer(false);
  ShowWindow();
  std::vector<WheelRecord> notches;
  auto record = [&](bool up) {
    return [&notches, up](ui::Component*, ui::ShiftState, int x, int y, bool& handled) {
      notches.push_back({up, x, y});
      handled = true;
    };
  };
  Form().OnMouseWheelUp = record(true);
  Form().OnMouseWheelDown = record(false);

  // Over the status bar, below the panel: positions are still the panel's.
  QWidget& section = *Window().Status()->Section(1);
  const QPoint at = Window().Panel()->mapFromGlobal(section.mapToGlobal(QPoint(3, 4)));
  EXPECT_EQ(at, QPoint(83, 484));
  SendWheel(section, {3, 4}, 60);
  EXPECT_TRUE(notches.empty());  // half a notch
  SendWheel(section, {3, 4}, 60);
  SendWheel(*Window().Panel(), {7, 9}, -240);
  SendWheel(*Window().Panel(), {7, 9}, 1 << 30);  // a bogus delta is bounded

  ASSERT_GE(notches.size(), 3u);
  EXPECT_EQ(notches[0], (WheelRecord{true, 83, 484}));
  EXPECT_EQ(notches[1], (WheelRecord{false, 7, 9}));
  EXPECT_EQ(notches[2], (WheelRecord{false, 7, 9}));
  EXPECT_LE(notches.size(), 3u + 32u);
}

}  // namespace
}  // namespace qttest
