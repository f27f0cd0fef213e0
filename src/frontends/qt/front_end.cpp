#include "frontends/qt/front_end.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

#include "app/Unit1.h"
#include "app/viewer.h"
#include "environment/Unit2.h"
#include "frontends/qt/editor_window.h"
#include "frontends/qt/frame_loop.h"
#include "frontends/qt/input_router.h"
#include "frontends/qt/main_window.h"
#include "frontends/qt/render_panel.h"

namespace qtfe {

namespace {

TForm1& FormOf(Viewer& viewer) {
  if (!viewer.Form1) throw std::invalid_argument("the viewer has no main window: Start it first");
  return *viewer.Form1;
}

int TimerInterval(unsigned ms) { return static_cast<int>(std::min<unsigned>(ms, INT_MAX)); }

}  // namespace

FrontEnd::FrontEnd(Viewer& viewer) : viewer_(viewer), form_(FormOf(viewer)) {
  window_ = std::make_unique<MainWindow>(form_, [this](ui::MenuItem& item) { Run([&item] { item.Click(); }); });
  if (viewer.Form2) editor_ = std::make_unique<EditorWindow>(*viewer.Form2, [this](const std::function<void()>& handler) { Run(handler); });
  ConnectPanel();
  ConnectInput();

  timer1_.setInterval(TimerInterval(form_.Timer1.Interval));
  connect(&timer1_, &QTimer::timeout, this, [this] {
    Run([this] { form_.Timer1.Tick(); });
    loop_->Wake();  // a timer message is an event like any other for the idle loop
  });
  loop_ = new FrameLoop([this] { return IdlePass(); }, this);

  if (form_.Closed()) Finish();
}

FrontEnd::~FrontEnd() {
  // The application-wide filter goes first, so that no event of the window being torn down reaches it.
  delete router_;
  router_ = nullptr;
}

void FrontEnd::ConnectPanel() {
  RenderPanel& panel = *window_->Panel();
  ui::Panel& component = form_.Panel1;
  panel.OnMouseDown([this, &component](ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    if (component.OnMouseDown) Run([&] { component.OnMouseDown(&component, button, shift, x, y); });
  });
  panel.OnMouseUp([this, &component](ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    if (component.OnMouseUp) Run([&] { component.OnMouseUp(&component, button, shift, x, y); });
  });
  panel.OnMouseMove([this, &component](ui::ShiftState shift, int x, int y) {
    if (component.OnMouseMove) Run([&] { component.OnMouseMove(&component, shift, x, y); });
  });
}

void FrontEnd::ConnectInput() {
  InputRouter::Handlers handlers;
  handlers.ShortCut = [this](ui::ShortCut shortcut) {
    if (finished_) return false;
    bool handled = false;
    const bool ok = Run([&] { handled = form_.MainMenu1.DispatchShortCut(shortcut); });
    // A handler that failed was found for the key: it is taken all the same.
    return handled || !ok;
  };
  handlers.KeyUp = [this](ui::KeyCode key, ui::ShiftState shift) {
    if (!form_.OnKeyUp || finished_) return false;
    ui::KeyCode code = key;
    Run([&] { form_.OnKeyUp(&form_, code, shift); });
    return code == 0;  // a handler clears the key to keep it from the focused widget
  };
  handlers.Wheel = [this](bool up, ui::ShiftState shift, QPoint global) {
    ui::WheelEvent& handler = up ? form_.OnMouseWheelUp : form_.OnMouseWheelDown;
    if (!handler || finished_) return false;
    const QPoint at = window_->Panel()->mapFromGlobal(global);
    bool handled = false;
    Run([&] { handler(&form_, shift, at.x(), at.y(), handled); });
    return handled;
  };
  handlers.Activity = [this] { loop_->Wake(); };
  router_ = new InputRouter(*window_, std::move(handlers), this);
  if (editor_) router_->TakeShortCutsFrom(*editor_);
}

void FrontEnd::Show() {
  if (finished_) return;
  window_->Sync();
  window_->show();
  timer1_.start();
  loop_->Start();
}

void FrontEnd::Guarded(const std::function<void()>& body) {
  try {
    body();
  } catch (...) {
    // Not one the viewer shows itself: end the loop and let the caller of exec report it, rather
    // than unwinding through Qt's event dispatch.
    if (!escaped_) escaped_ = std::current_exception();
    Finish();
  }
}

bool FrontEnd::Run(const std::function<void()>& handler) {
  if (finished_) return false;
  bool ok = false;
  window_->StoreBounds();
  Guarded([&] { ok = viewer_.Dispatch(handler); });
  AfterEvent();
  return ok;
}

bool FrontEnd::IdlePass() {
  if (finished_) return true;
  bool done = true;
  window_->StoreBounds();
  Guarded([&] { done = viewer_.Idle(); });
  AfterEvent();
  return done;
}

void FrontEnd::AfterEvent() {
  if (finished_) return;
  if (form_.Closed()) {
    Finish();
    return;
  }
  window_->Sync();
  if (editor_) editor_->Sync();
  const int interval = TimerInterval(form_.Timer1.Interval);
  if (timer1_.interval() != interval) timer1_.setInterval(interval);
}

void FrontEnd::Finish() {
  if (finished_) return;
  finished_ = true;
  timer1_.stop();
  loop_->Stop();
  if (!window_->close()) window_->hide();  // refused when an escaped exception ends a still-open form
  if (editor_) editor_->hide();
  emit finished();
}

}  // namespace qtfe
