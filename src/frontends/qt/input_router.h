#pragma once
// Routes the main window's keyboard and wheel input to the form before its widgets see it ("key
// preview"), and reports every event for the front end's windows so the parked idle loop resumes.
// It filters the whole application, since key events reach the focused child, not the window.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/ui/keys.h"

class QKeyEvent;
class QWheelEvent;

namespace qtfe {

class InputRouter final : public QObject {
 public:
  struct Handlers {
    // A key press as a menu shortcut; true when the menu took it.
    std::function<bool(ui::ShortCut shortcut)> ShortCut;
    // A key release; true when the handler consumed the key.
    std::function<bool(ui::KeyCode key, ui::ShiftState shift)> KeyUp;
    // One wheel notch (120 units) at a screen position; true when handled.
    std::function<bool(bool up, ui::ShiftState shift, QPoint global)> Wheel;
    // Any input, paint or timer event for the window or its menus.
    std::function<void()> Activity;
  };

  // Installs itself on the application; removed when destroyed.
  InputRouter(QWidget& window, Handlers handlers, QObject* parent);

  // Menu shortcuts typed in another of the application's windows (the editor) reach the main menu too,
  // as long as the main window takes input (no modal box is open).
  void TakeShortCutsFrom(QWidget& window) { shortcut_window_ = &window; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The identity of one delivery of an input event. Qt hands an event the receiver ignored on to its
  // parents, through this filter again: those repeats must not reach the form twice.
  struct Delivery {
    const QEvent* Event = nullptr;
    int Type = 0;
    quint64 Timestamp = 0;
    int Detail = 0;  // the key, or the wheel's vertical angle
    QPointer<QWidget> Receiver;
  };

  bool BelongsToWindow(const QWidget* widget) const;
  bool IsRepeatedDelivery(QWidget* receiver, const QEvent* event, quint64 timestamp, int detail);
  bool RouteKeyPress(const QKeyEvent& event);
  bool RouteKeyRelease(const QKeyEvent& event);
  bool RouteWheel(const QWheelEvent& event);

  QWidget& window_;
  QPointer<QWidget> shortcut_window_;
  Handlers handlers_;
  Delivery last_;
  int wheel_accumulator_ = 0;
};

}  // namespace qtfe
