#include <gtest/gtest.h>

#include "app/Unit1.h"
#include "demo_folder.h"
#include "frontends/cli/headless.h"
#include "support/golden.h"
#include "support/temp_dir.h"

namespace {

// Each demo scene as it first appears (no frame-rate figure yet, so the model shows the first key
// shape of its first motion), in the normal and in the debug view, against small golden pictures.
TEST(DemoPictures, EverySceneInTheNormalAndTheDebugView) {
  test::CurrentDirScope cwd(test::DemoFolder());
  struct Scene {
    int id;
    ui::KeyCode key;
  };
  for (const Scene scene : {Scene{10, ui::key::F(1)}, Scene{20, ui::key::F(2)}, Scene{30, ui::key::F(3)},
                            Scene{11, ui::key::Numpad(1)}}) {
    for (const bool debug : {false, true}) {
      cli::HeadlessSession session;
      session.Start();
      if (scene.id == 11) session.KeyUp(ui::key::F(1), 0);
      session.KeyUp(scene.key, 0);
      session.GetViewer().State.Debug = debug;
      session.Idle(1);
      ASSERT_EQ(session.Form().StatusBar1.Panels[3].Text, "Scene:" + std::to_string(scene.id));
      const std::string name = "demo_scene" + std::to_string(scene.id) + (debug ? "_debug" : "");
      EXPECT_TRUE(test::MatchesGolden(test::Downscale(session.LastFrame(), 4), name, 4, 20));
    }
  }
}

}  // namespace
