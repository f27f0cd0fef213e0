#include "frontends/qt/desktop_hooks.h"

#include <QCursor>
#include <QMessageBox>

#include "frontends/qt/qt_text.h"
#include "platform/os/shell.h"

namespace qtfe {

namespace {

// The window system's message box icon styles (the high nibble of the style).
constexpr unsigned kMbIconMask = 0xF0, kMbIconQuestion = 0x20, kMbIconWarning = 0x30, kMbIconInformation = 0x40;
constexpr int kIdOk = 1;

QMessageBox::Icon IconFor(unsigned style) {
  switch (style & kMbIconMask) {
    case ui::kMbIconError:
      return QMessageBox::Critical;
    case kMbIconQuestion:
      return QMessageBox::Question;
    case kMbIconWarning:
      return QMessageBox::Warning;
    case kMbIconInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

void ShowBox(QMessageBox::Icon icon, const std::string& caption, const std::string& text) {
  QMessageBox box(icon, ToQString(caption), ToQString(text), QMessageBox::Ok);
  box.exec();
}

}  // namespace

ui::Point ScreenCursor() {
  const QPoint at = QCursor::pos();
  return {at.x(), at.y()};
}

void InstallDesktopHooks(ui::Application& app) {
  app.ShowErrorHook = [&app](const std::string& text) { ShowBox(QMessageBox::Critical, app.Title, text); };
  app.MessageBoxHook = [](const std::string& text, const std::string& caption, unsigned style) {
    // Only the OK button is ever asked for.
    ShowBox(IconFor(style), caption, text);
    return kIdOk;
  };
  app.ProcessMessagesHook = nullptr;  // the Qt loop processes events between idle passes
  app.ShellOpenHook = [](const std::string& file) { os::ShellOpen(file); };
  app.CursorPosHook = ScreenCursor;
}

void ShowFatalError(const ui::Application& app, const std::string& text) {
  ShowBox(QMessageBox::Critical, app.Title, text);
}

}  // namespace qtfe
