#include "frontends/cli/headless.h"

#include "app/Unit1.h"
#include "environment/Unit2.h"
#include "platform/gfx/driver.h"

namespace cli {

namespace {

Platform MakePlatform(os::Clock* clock, const HeadlessOptions& options) {
  Platform p;
  p.Clock = clock;
  const bool opengl = options.OpenGL;
  p.CreateDriver = options.CreateDriver ? options.CreateDriver
                                        : [opengl](unsigned v) { return gfx::CreateDriver(v, opengl); };
  return p;
}

// Reachable from the menu bar: the item and every menu above it visible and enabled.
bool Reachable(const std::vector<ui::MenuItem*>& items, const std::string& name, ui::MenuItem*& found) {
  for (ui::MenuItem* item : items) {
    if (!item->Visible || !item->Enabled) continue;
    if (item->Name == name) {
      found = item;
      return true;
    }
    if (Reachable(item->Items, name, found)) return true;
  }
  return false;
}

}  // namespace

HeadlessSession::HeadlessSession(HeadlessOptions options)
    : clock_(options.ClockStart), ms_per_pass_(options.MsPerPass), viewer_(MakePlatform(&clock_, options)) {
  ui::Application& app = viewer_.Application;
  app.ShowErrorHook = [this](const std::string& text) { errors_.push_back(text); };
  app.MessageBoxHook = [this](const std::string& text, const std::string& caption, unsigned) {
    message_boxes_.push_back({caption, text});
    return 1;
  };
  app.ShellOpenHook = [this](const std::string& file) { shell_opened_.push_back(file); };
  // The headless window has no frame: its outer edges are the client area's, so the screen position
  // is the panel position moved by the window's place.
  app.CursorPosHook = [this] {
    const TForm1* form = viewer_.Form1.get();
    return form ? ui::Point{form->Left + cursor_.X, form->Top + cursor_.Y} : cursor_;
  };
}

void HeadlessSession::Start() { viewer_.Start(); }

bool HeadlessSession::Closed() const { return !viewer_.Form1 || viewer_.Form1->Closed(); }

void HeadlessSession::Idle(int passes) {
  for (int i = 0; i < passes && !Closed(); ++i) {
    clock_.Advance(ms_per_pass_);
    viewer_.Idle();
  }
}

void HeadlessSession::KeyUp(ui::KeyCode key, ui::ShiftState shift) {
  if (Closed()) return;
  TForm1& form = Form();
  if (form.OnKeyUp) viewer_.Dispatch([&] { form.OnKeyUp(&form, key, shift); });
}

bool HeadlessSession::ShortCut(ui::ShortCut shortcut) {
  if (Closed()) return false;
  bool handled = false;
  viewer_.Dispatch([&] { handled = Form().MainMenu1.DispatchShortCut(shortcut); });
  return handled;
}

bool HeadlessSession::ClickMenu(const std::string& name) {
  if (Closed()) return false;
  ui::MenuItem* item = nullptr;
  if (!Reachable(Form().MainMenu1.Items, name, item)) return false;
  viewer_.Dispatch([&] { item->Click(); });
  return true;
}

void HeadlessSession::TimerTicks(int ticks) {
  for (int i = 0; i < ticks && !Closed(); ++i) viewer_.Dispatch([&] { Form().Timer1.Tick(); });
}

template <class T>
T* HeadlessSession::EditorControl(const std::string& name) const {
  const TForm2* editor = viewer_.Form2.get();
  if (Closed() || editor == nullptr || !editor->Visible) return nullptr;
  return editor->Find<T>(name);
}

bool HeadlessSession::EditText(const std::string& name, const std::string& text) {
  ui::Edit* edit = EditorControl<ui::Edit>(name);
  if (edit == nullptr) return false;
  edit->Text = text;
  return true;
}

bool HeadlessSession::EditCell(const std::string& grid, int col, int row, const std::string& text) {
  ui::StringGrid* g = EditorControl<ui::StringGrid>(grid);
  if (g == nullptr || col < g->FixedCols || row < g->FixedRows || col >= g->ColCount() || row >= g->RowCount())
    return false;
  g->SetCell(col, row, text);
  return true;
}

bool HeadlessSession::ClickButton(const std::string& name) {
  ui::Button* button = EditorControl<ui::Button>(name);
  if (button == nullptr || !button->Enabled) return false;
  if (button->OnClick) viewer_.Dispatch([&] { button->OnClick(button); });
  return true;
}

void HeadlessSession::PanelEvent(int x, int y, const std::function<void(ui::Panel&)>& deliver) {
  cursor_ = {x, y};  // every mouse event moves the cursor there, also one nobody handles
  if (Closed()) return;
  ui::Panel& panel = Form().Panel1;
  viewer_.Dispatch([&] { deliver(panel); });
}

void HeadlessSession::MouseDown(ui::MouseButton button, int x, int y, ui::ShiftState shift) {
  PanelEvent(x, y, [&](ui::Panel& p) {
    if (p.OnMouseDown) p.OnMouseDown(&p, button, shift, x, y);
  });
}

void HeadlessSession::MouseMove(int x, int y, ui::ShiftState shift) {
  PanelEvent(x, y, [&](ui::Panel& p) {
    if (p.OnMouseMove) p.OnMouseMove(&p, shift, x, y);
  });
}

void HeadlessSession::MouseUp(ui::MouseButton button, int x, int y, ui::ShiftState shift) {
  PanelEvent(x, y, [&](ui::Panel& p) {
    if (p.OnMouseUp) p.OnMouseUp(&p, button, shift, x, y);
  });
}

void HeadlessSession::Wheel(bool up) {
  if (Closed()) return;
  TForm1& form = Form();
  ui::WheelEvent& handler = up ? form.OnMouseWheelUp : form.OnMouseWheelDown;
  bool handled = false;
  if (handler) viewer_.Dispatch([&] { handler(&form, 0, cursor_.X, cursor_.Y, handled); });
}

gfx::Image HeadlessSession::LastFrame() const {
  if (viewer_.Form1 && viewer_.Form1->Panel1Window.Presents > 0) return viewer_.Form1->Panel1Window.Frame;
  return gfx::Image(640, 480, 0xFF000000u);
}

}  // namespace cli
