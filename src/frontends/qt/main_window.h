#pragma once
// The main window, mirroring TForm1: title, fixed client area, rendering panel, status bar, debug
// panel and menu bar. It shows the components; the front end feeds their events.
#include <QMainWindow>
#include <cstdint>
#include <string>

#include "frontends/qt/menu_mirror.h"

class TForm1;

namespace qtfe {

class DebugPanel;
class RenderPanel;
class StatusStrip;

class MainWindow final : public QMainWindow {
 public:
  MainWindow(TForm1& form, MenuMirror::ClickHandler on_menu_click);

  // Copies what changed in the components since the last call; cheap when nothing did.
  void Sync();
  // Writes the window's outer rectangle on the screen and its client size into the form, as the
  // window system keeps a form's bounds: the logic maps the screen cursor with them. Nothing while
  // the window is hidden (the form keeps its design bounds until the window shows).
  void StoreBounds();

  TForm1& Form() const { return form_; }
  QWidget* ClientArea() const { return centralWidget(); }
  RenderPanel* Panel() const { return panel_; }
  StatusStrip* Status() const { return status_; }
  DebugPanel* Debug() const { return debug_; }
  MenuMirror* Menu() const { return menu_; }

 protected:
  // The window system's close request is refused while the form is open: the form closes only
  // through its own command.
  void closeEvent(QCloseEvent* event) override;

 private:
  TForm1& form_;
  RenderPanel* panel_;
  StatusStrip* status_;
  DebugPanel* debug_;
  MenuMirror* menu_;
  std::string title_;
  std::uint64_t presents_;
};

}  // namespace qtfe
