// korvel-view: the viewer on the desktop.
#include <QApplication>
#include <QFont>
#include <exception>

#include "app/viewer.h"
#include "frontends/qt/desktop_hooks.h"
#include "frontends/qt/front_end.h"
#include "platform/gfx/driver.h"
#include "platform/os/clock.h"

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
  Viewer viewer(platform);

  qtfe::InstallDesktopHooks(viewer.Application);

  // The process always ends with exit code 0; an error nothing else handled is shown first.
  try {
    viewer.Start();
    if (!viewer.Form1) return 0;
    qtfe::FrontEnd front(viewer);
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
