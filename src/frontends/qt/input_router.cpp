#include "frontends/qt/input_router.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <algorithm>

#include "frontends/qt/input_map.h"

namespace qtfe {

namespace {

constexpr int kWheelNotch = 120;
// More notches than any wheel turns between two events: a bogus delta cannot flood the form.
constexpr int kMaxWheelDelta = 32 * kWheelNotch;

bool IsActivity(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::Paint:
    case QEvent::Timer:
      return true;
    default:
      return false;
  }
}

}  // namespace

InputRouter::InputRouter(QWidget& window, Handlers handlers, QObject* parent)
    : QObject(parent), window_(window), handlers_(std::move(handlers)) {
  qApp->installEventFilter(this);
}

bool InputRouter::BelongsToWindow(const QWidget* widget) const {
  // Across window boundaries too: the menus' pop-ups are windows whose parent is the menu bar.
  for (; widget; widget = widget->parentWidget())
    if (widget == &window_) return true;
  return false;
}

bool InputRouter::IsRepeatedDelivery(QWidget* receiver, const QEvent* event, quint64 timestamp, int detail) {
  const bool repeated = last_.Event == event && last_.Type == event->type() && last_.Timestamp == timestamp &&
                        last_.Detail == detail && last_.Receiver && last_.Receiver != receiver &&
                        receiver->isAncestorOf(last_.Receiver);
  if (!repeated) last_ = {event, event->type(), timestamp, detail, receiver};
  return repeated;
}

bool InputRouter::eventFilter(QObject* watched, QEvent* event) {
  if (!watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress && shortcut_window_ && widget->window() == shortcut_window_) {
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (!window_.isEnabled() || IsRepeatedDelivery(widget, event, key.timestamp(), key.key())) return false;
    return RouteKeyPress(key);
  }
  if (!IsActivity(type) || !BelongsToWindow(widget)) return false;
  if (handlers_.Activity) handlers_.Activity();

  // Input goes to the form only from the window itself: not from its open menus.
  if (widget->window() != &window_) return false;
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      const auto& key = static_cast<const QKeyEvent&>(*event);
      if (IsRepeatedDelivery(widget, event, key.timestamp(), key.key())) return false;
      return type == QEvent::KeyPress ? RouteKeyPress(key) : RouteKeyRelease(key);
    }
    case QEvent::Wheel: {
      const auto& wheel = static_cast<const QWheelEvent&>(*event);
      if (IsRepeatedDelivery(widget, event, wheel.timestamp(), wheel.angleDelta().y())) return false;
      return RouteWheel(wheel);
    }
    default:
      return false;
  }
}

bool InputRouter::RouteKeyPress(const QKeyEvent& event) {
  const ui::ShortCut shortcut = ShortCutFor(event);
  return shortcut != 0 && handlers_.ShortCut && handlers_.ShortCut(shortcut);
}

bool InputRouter::RouteKeyRelease(const QKeyEvent& event) {
  // The window system repeats a held key as release-press pairs; only the real release counts.
  if (event.isAutoRepeat()) return false;
  const ui::KeyCode key = KeyCodeFor(event);
  if (key == 0 || !handlers_.KeyUp) return false;
  return handlers_.KeyUp(key, ShiftStateFor(event.modifiers(), QApplication::mouseButtons()));
}

bool InputRouter::RouteWheel(const QWheelEvent& event) {
  if (!handlers_.Wheel) return false;
  const int delta = std::clamp(event.angleDelta().y(), -kMaxWheelDelta, kMaxWheelDelta);
  if (delta == 0) return false;
  // Fine-grained wheels send parts of a notch; the form hears of whole notches only.
  wheel_accumulator_ += delta;
  const ui::ShiftState shift = ShiftStateFor(event.modifiers(), event.buttons());
  const QPoint global = event.globalPosition().toPoint();
  bool handled = false;
  while (wheel_accumulator_ >= kWheelNotch || wheel_accumulator_ <= -kWheelNotch) {
    const bool up = wheel_accumulator_ > 0;
    wheel_accumulator_ += up ? -kWheelNotch : kWheelNotch;
    if (handlers_.Wheel(up, shift, global)) handled = true;
  }
  return handled;
}

}  // namespace qtfe
