#pragma once
// The application object: its title and the services a front end provides to the logic. The Qt front
// end fills them with real windows; the headless driver and tests record what they are asked.
#include <functional>
#include <string>

namespace ui {

// Message box styles the system uses.
inline constexpr unsigned kMbOk = 0x0, kMbIconError = 0x10;

struct Point {
  int X = 0, Y = 0;
};

class Application {
 public:
  std::string Title;

  // The default error display: a message box with the error's text, the title as caption, the error icon.
  std::function<void(const std::string& text)> ShowErrorHook;
  // A message box with no owner window; returns the button pressed.
  std::function<int(const std::string& text, const std::string& caption, unsigned style)> MessageBoxHook;
  // Processes the window system's pending messages (may be empty where the loop does it itself).
  std::function<void()> ProcessMessagesHook;
  // Hands a file to the desktop's handler.
  std::function<void(const std::string& file)> ShellOpenHook;
  // The cursor's position on the screen.
  std::function<Point()> CursorPosHook;

  void ShowError(const std::string& text) const {
    if (ShowErrorHook) ShowErrorHook(text);
  }
  int MessageBox(const std::string& text, const std::string& caption, unsigned style) const {
    return MessageBoxHook ? MessageBoxHook(text, caption, style) : 1;
  }
  void ProcessMessages() const {
    if (ProcessMessagesHook) ProcessMessagesHook();
  }
  void ShellOpen(const std::string& file) const {
    if (ShellOpenHook) ShellOpenHook(file);
  }
  Point CursorPos() const { return CursorPosHook ? CursorPosHook() : Point{-1, -1}; }
};

}  // namespace ui
