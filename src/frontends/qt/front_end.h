#pragma once
// The Qt front end of a started viewer: the main window mirroring its form, the status timer, the
// idle loop and the routing of input. Every event reaches the logic through Viewer::Dispatch, and
// the widgets are brought up to date after each.
#include <QObject>
#include <QTimer>
#include <exception>
#include <functional>
#include <memory>

class Viewer;
class TForm1;

namespace qtfe {

class EditorWindow;
class FrameLoop;
class InputRouter;
class MainWindow;

class FrontEnd final : public QObject {
  Q_OBJECT

 public:
  // The viewer must be started (its main window exists).
  explicit FrontEnd(Viewer& viewer);
  ~FrontEnd() override;

  // Shows the window and starts the status timer and the idle loop (not when already finished).
  void Show();

  // Runs an event handler of the logic, then brings the widgets up to date. False when it raised an
  // error (shown by the viewer) or the front end has finished.
  bool Run(const std::function<void()>& handler);

  // True once the form has closed; the window is closed and the loops stopped.
  bool Finished() const { return finished_; }
  // An exception that escaped the viewer's own error handling; the loop is ended when one does.
  std::exception_ptr EscapedException() const { return escaped_; }

  MainWindow& Window() const { return *window_; }
  // The environment editor's window; nothing when the viewer has no editor.
  EditorWindow* Editor() const { return editor_.get(); }
  FrameLoop& Loop() const { return *loop_; }
  QTimer& StatusTimer() { return timer1_; }

 signals:
  // The form closed, or an exception escaped: the application should leave its loop.
  void finished();

 private:
  void Guarded(const std::function<void()>& body);
  bool IdlePass();
  void AfterEvent();
  void Finish();
  void ConnectPanel();
  void ConnectInput();

  Viewer& viewer_;
  TForm1& form_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<EditorWindow> editor_;
  QTimer timer1_;
  FrameLoop* loop_ = nullptr;
  InputRouter* router_ = nullptr;
  bool finished_ = false;
  std::exception_ptr escaped_;
};

}  // namespace qtfe
