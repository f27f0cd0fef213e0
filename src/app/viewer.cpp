#include "app/viewer.h"

#include <exception>

#include "app/Unit1.h"
#include "environment/Unit2.h"
#include "platform/ui/errors.h"

Viewer::Viewer(Platform platform) : platform_(std::move(platform)) {}

Viewer::~Viewer() {
  // The editor goes first: it refers to the main window's viewer, not the other way round.
  Form2.reset();
  Form1.reset();
}

MorphInputs Viewer::MorphContext() {
  return MorphInputs{Environment, State.MotionObjects, State.FrameTime, State.MorphSpeed, State.GrabbedPoint,
                     State.MultiPassCount, Random};
}

void Viewer::Start() {
  Application.Title = "Korvel View 1.0";
  Form1 = std::make_unique<TForm1>(*this);
  Dispatch([this] { Form1->FormCreate(Form1.get()); });
  Form2 = std::make_unique<TForm2>(*this);
  Dispatch([this] { Form2->FormCreate(Form2.get()); });
  Dispatch([this] { Form1->Show(); });
}

bool Viewer::Idle() {
  bool done = true;
  if (!Form1 || Form1->Closed()) return done;
  Dispatch([&] { Form1->ApplicationIdle(Form1.get(), done); });
  return done;
}

bool Viewer::Dispatch(const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const ui::Error& e) {
    Application.ShowError(e.what());
  } catch (const std::exception& e) {
    Application.ShowError(e.what());
  }
  return false;
}
