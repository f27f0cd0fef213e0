#include "support/viewer_tour.h"

#include "app/Unit1.h"
#include "render/projection.h"

namespace test {

void GrabControlPoint(cli::HeadlessSession& session, int point) {
  int x = 320, y = 240;
  const SceneEnvironment& env = session.GetViewer().Environment;
  const gfx::Vec3 points[3] = {{env.CP1X, env.CP1Y, env.CP1Z}, {env.CP2X, env.CP2Y, env.CP2Z}, {env.CP3X, env.CP3Y, env.CP3Z}};
  if (gfx::Device* device = session.GetViewer().State.GetDevice(); device != nullptr && point >= 1 && point <= 3) {
    const gfx::Vec3 p = points[point - 1];
    device->SetTransform(gfx::TransformType::World, gfx::MatrixTranslation(p.x, p.y, p.z));
    if (const auto screen = ProjectWorldOrigin(*device)) {
      x = screen->X;
      y = screen->Y;
    }
  }
  session.MouseMove(x, y, 0);
  session.MouseDown(ui::MouseButton::Left, x, y, ui::ssLeft);
  for (int step = 1; step <= 2; ++step) {
    session.MouseMove(x + 40 * step, y - 25 * step, ui::ssLeft);
    session.Idle(1);
  }
  session.MouseUp(ui::MouseButton::Left, x + 80, y - 50, 0);
}

void TourScenes(cli::HeadlessSession& session) {
  session.Idle(1);
  // The background is by far the costliest to draw: one frame with it, the rest without.
  session.ClickMenu("BackMenu");
  GrabControlPoint(session, 1);
  session.KeyUp(ui::key::F(2), 0);
  session.Idle(1);
  session.KeyUp(ui::key::Numpad(3), 0);  // a scene that does not exist
  session.KeyUp(ui::key::F(1), 0);
  session.ClickMenu("OptionDebug");
  session.Idle(1);
  session.ClickMenu("OptionDebug");
  session.ClickMenu("OptionWrite");
  session.ClickMenu("DemoMenu");
  session.Idle(1);
  session.ClickMenu("DemoMenu");
  session.ClickMenu("BackMenu");
  session.Wheel(true);
  session.TimerTicks(2);
}

}  // namespace test
