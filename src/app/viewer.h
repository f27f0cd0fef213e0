#pragma once
// The viewer process: the application object, the process-wide records and the two windows. A front
// end creates one, starts it, feeds it events and runs idle passes; tests create as many as they like.
#include <functional>
#include <memory>

#include "app/viewer_state.h"
#include "environment/scene_environment.h"
#include "mesh/morph.h"
#include "platform/gfx/device.h"
#include "platform/os/clock.h"
#include "platform/ui/application.h"

class TForm1;
class TForm2;

// What differs between the desktop, the headless driver and tests.
struct Platform {
  os::Clock* Clock = nullptr;  // required
  // Creates the object devices come from; nothing when it cannot be made.
  std::function<std::unique_ptr<gfx::Driver>(unsigned version)> CreateDriver;
  // The rendering panel's desktop window (an X11 window id), 0 until the front end has made it;
  // empty where there is no desktop window to draw into.
  std::function<std::uintptr_t()> PanelNativeWindow;
};

class Viewer {
 public:
  explicit Viewer(Platform platform);
  ~Viewer();
  Viewer(const Viewer&) = delete;
  Viewer& operator=(const Viewer&) = delete;

  // Process start: titles the application, creates the main window (its create event runs the Init
  // action) and shows it. Errors raised on the way are shown by the default error display.
  void Start();

  // One pass of the idle event. Returns the Done flag: false asks for the next pass at once; true
  // (an error ended the pass) means the loop waits for the next message first.
  bool Idle();

  // Runs an event handler; an error that escapes it is shown by the default error display.
  // Returns false when that happened.
  bool Dispatch(const std::function<void()>& handler);

  // The system's millisecond clock.
  std::uint32_t TimeGetTime() const { return platform_.Clock->NowMs(); }
  const Platform& GetPlatform() const { return platform_; }

  // What the model's morph reads and writes, from the records below.
  MorphInputs MorphContext();

  ui::Application Application;
  ViewerState State;
  SceneEnvironment Environment;
  MotionRandom Random;  // the motion draw generator of this process
  std::unique_ptr<TForm1> Form1;
  std::unique_ptr<TForm2> Form2;  // made after Form1, hidden

 private:
  Platform platform_;
};
