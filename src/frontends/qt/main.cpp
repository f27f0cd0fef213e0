// korvel-view: the viewer on the desktop.
#include <QApplication>
#include <QFont>
#include <QTimer>
#include <cstdio>
#include <exception>

#include "app/viewer.h"
#include "frontends/qt/desktop_hooks.h"
#include "frontends/qt/front_end.h"
#include "frontends/qt/main_window.h"
#include "frontends/qt/render_panel.h"
#include "platform/gfx/driver.h"
#include "platform/gfx/opengl/opengl_device.h"
#include "platform/os/clock.h"

namespace {

// Which try of the device set-up succeeded, and later how its frames reach the screen.
void LogDevice(const Viewer& viewer) {
  const gfx::Device* device = viewer.State.Device.get();
  if (device == nullptr) return;
  std::fprintf(stderr, "korvel-view: device: %s\n", gfx::DescribeDevice(*device));
  QTimer::singleShot(2000, [&viewer] {
    const auto* opengl = dynamic_cast<const gfx::OpenGLDevice*>(viewer.State.Device.get());
    if (opengl == nullptr) return;
    std::fprintf(stderr, "korvel-view: OpenGL presents %s\n",
                 opengl->PresentsToWindow() ? "into the panel's X11 window" : "pictures read back into the panel");
  });
}

// The front end the panel's window comes from, while it exists.
struct FrontEndScope {
  FrontEndScope(qtfe::FrontEnd*& slot, qtfe::FrontEnd& front) : slot_(slot) { slot_ = &front; }
  ~FrontEndScope() { slot_ = nullptr; }
  qtfe::FrontEnd*& slot_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The viewer's texts are Japanese; this face has the glyphs.
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPixelSize(12);
  QApplication::setFont(font);

  os::SystemClock clock;
  Platform platform;
  platform.Clock = &clock;
  platform.CreateDriver = [](unsigned version) { return gfx::CreateDriver(version); };
  // The OpenGL device draws into the rendering panel's window once the front end has made it.
  qtfe::FrontEnd* front_end = nullptr;
  platform.PanelNativeWindow = [&front_end]() -> std::uintptr_t {
    return front_end != nullptr ? front_end->Window().Panel()->NativeWindowForDevice() : 0;
  };
  Viewer viewer(platform);

  qtfe::InstallDesktopHooks(viewer.Application);

  // The process always ends with exit code 0; an error nothing else handled is shown first.
  try {
    viewer.Start();
    if (!viewer.Form1) return 0;
    LogDevice(viewer);
    qtfe::FrontEnd front(viewer);
    const FrontEndScope scope(front_end, front);
    if (front.Finished()) return 0;
    QObject::connect(&front, &qtfe::FrontEnd::finished, &app, &QCoreApplication::quit);
    front.Show();
    QApplication::exec();
    if (front.EscapedException()) std::rethrow_exception(front.EscapedException());
  } catch (const std::exception& e) {
    qtfe::ShowFatalError(viewer.Application, e.what());
  } catch (...) {
    qtfe::ShowFatalError(viewer.Application, "");  // a thrown object that is no exception has no text
  }
  return 0;
}
