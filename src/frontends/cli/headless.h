#pragma once
// The viewer without a window: the same start-up, handlers and frame loop as korvel-view, driven
// through the components, with a clock that moves only with the idle passes.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/viewer.h"
#include "platform/os/clock.h"
#include "platform/ui/application.h"
#include "platform/ui/components.h"
#include "platform/ui/keys.h"
#include "platform/gfx/image.h"

namespace cli {

struct MessageBoxRecord {
  std::string Caption, Text;
};

struct HeadlessOptions {
  std::uint32_t ClockStart = 0;
  std::uint32_t MsPerPass = 16;
  // Whether the system's driver may make the OpenGL device (tries 1 and 2 of the set-up); without
  // it only the reference device is made.
  bool OpenGL = false;
  // Creates the device driver; empty for the system's own.
  std::function<std::unique_ptr<gfx::Driver>(unsigned)> CreateDriver;
};

class HeadlessSession {
 public:
  explicit HeadlessSession(HeadlessOptions options = {});

  // Starts the viewer in the current directory, as korvel-view does.
  void Start();
  // N idle passes; the clock advances before each.
  void Idle(int passes);
  void SetMsPerPass(std::uint32_t ms) { ms_per_pass_ = ms; }
  // A key release to the main window.
  void KeyUp(ui::KeyCode key, ui::ShiftState shift);
  // A shortcut as the menu handles it; false when no enabled entry has it.
  bool ShortCut(ui::ShortCut shortcut);
  // A menu entry clicked by name: false when there is none, or it cannot be reached (hidden or
  // disabled, or under such a menu).
  bool ClickMenu(const std::string& name);
  void TimerTicks(int ticks);
  // The editor window as its user works it: an edit field gets a text, a cell that is not fixed gets
  // a text, a button is clicked. False when there is no such control or the editor is hidden.
  bool EditText(const std::string& name, const std::string& text);
  bool EditCell(const std::string& grid, int col, int row, const std::string& text);
  bool ClickButton(const std::string& name);
  void MoveCursor(int x, int y) { cursor_ = {x, y}; }
  void MouseDown(ui::MouseButton button, int x, int y, ui::ShiftState shift);
  void MouseMove(int x, int y, ui::ShiftState shift);
  void MouseUp(ui::MouseButton button, int x, int y, ui::ShiftState shift);
  void Wheel(bool up);

  Viewer& GetViewer() { return viewer_; }
  TForm1& Form() { return *viewer_.Form1; }
  bool Closed() const;
  os::ManualClock& Clock() { return clock_; }
  // The last presented frame; a 640 x 480 black picture before the first.
  gfx::Image LastFrame() const;

  const std::vector<std::string>& Errors() const { return errors_; }
  const std::vector<MessageBoxRecord>& MessageBoxes() const { return message_boxes_; }
  const std::vector<std::string>& ShellOpened() const { return shell_opened_; }

 private:
  // The editor's component of that name and kind while the editor is shown, else nothing.
  template <class T>
  T* EditorControl(const std::string& name) const;
  // Moves the cursor to (x, y) and hands the rendering panel to deliver, as one event.
  void PanelEvent(int x, int y, const std::function<void(ui::Panel&)>& deliver);

  os::ManualClock clock_;
  std::uint32_t ms_per_pass_;
  Viewer viewer_;
  ui::Point cursor_{0, 0};
  std::vector<std::string> errors_;
  std::vector<MessageBoxRecord> message_boxes_;
  std::vector<std::string> shell_opened_;
};

}  // namespace cli
