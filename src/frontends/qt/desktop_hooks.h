#pragma once
// The application services on the desktop: message boxes, the desktop's file handler and the cursor.
#include <string>

#include "platform/ui/application.h"

namespace qtfe {

void InstallDesktopHooks(ui::Application& app);

// The cursor's position on the screen. The logic maps it into the window with the form's bounds,
// which the front end keeps equal to the window's (MainWindow::StoreBounds).
ui::Point ScreenCursor();

// The last-resort report of an error nothing else handled.
void ShowFatalError(const ui::Application& app, const std::string& text);

}  // namespace qtfe
