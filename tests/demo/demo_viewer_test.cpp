#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/Unit1.h"
#include "demo_folder.h"
#include "frontends/cli/headless.h"
#include "render/projection.h"
#include "support/temp_dir.h"

namespace {

constexpr std::uint32_t kClearColour = 0xFF505064;

class DemoViewer : public ::testing::Test {
 protected:
  void SetUp() override {
    cwd_ = std::make_unique<test::CurrentDirScope>(test::DemoFolder());
    session_.Start();
  }
  void TearDown() override { cwd_.reset(); }

  ViewerState& State() { return session_.GetViewer().State; }

  // Everything a scene shows: no error on the way, its model with the face region marked, and a
  // picture without a single pixel of the clear colour (the background covers all, whichever way
  // the camera looks, and nothing is culled away).
  void ExpectShown(int scene) {
    SCOPED_TRACE(scene);
    session_.Idle(3);
    EXPECT_TRUE(session_.Errors().empty());
    EXPECT_TRUE(session_.MessageBoxes().empty());
    EXPECT_EQ(session_.Form().StatusBar1.Panels[3].Text, "Scene:" + std::to_string(scene));
    const MyXOBJ& model = *State().ModelMesh;
    ASSERT_TRUE(model.Loaded);
    EXPECT_NE(std::find(model.FaceMark.begin(), model.FaceMark.end(), kFaceMarked), model.FaceMark.end());
    EXPECT_TRUE(State().BackgroundMesh->Loaded);
    const gfx::Image frame = session_.LastFrame();
    EXPECT_EQ(std::count(frame.Pixels.begin(), frame.Pixels.end(), kClearColour), 0);
  }

  // Long passes (a quarter of a second) let motions play out in few frames.
  static cli::HeadlessOptions Options() {
    cli::HeadlessOptions options;
    options.MsPerPass = 250;
    return options;
  }

  std::unique_ptr<test::CurrentDirScope> cwd_;
  cli::HeadlessSession session_{Options()};
};

TEST_F(DemoViewer, ShowsEveryScene) {
  ExpectShown(10);
  session_.KeyUp(ui::key::F(2), 0);
  ExpectShown(20);
  session_.KeyUp(ui::key::F(3), 0);
  ExpectShown(30);
  session_.KeyUp(ui::key::F(1), 0);
  session_.KeyUp(ui::key::Numpad(1), 0);
  ExpectShown(11);
  // The develop.txt of the folder shows the Option menu.
  EXPECT_TRUE(session_.Form().OptionMenu.Visible);
}

// Each control point shows the hover ring where it is drawn, and grabbing it soon plays one of that
// point's own motions.
TEST_F(DemoViewer, GrabbingEachPointPlaysItsMotions) {
  ASSERT_TRUE(session_.ClickMenu("BackMenu"));  // the background plays no part here: faster frames
  session_.Idle(22);  // the first frame time is measured after 21 frames; motions stand still until then
  gfx::Device& device = *State().GetDevice();
  const SceneEnvironment& env = session_.GetViewer().Environment;
  const gfx::Vec3 points[3] = {{env.CP1X, env.CP1Y, env.CP1Z}, {env.CP2X, env.CP2Y, env.CP2Z}, {env.CP3X, env.CP3Y, env.CP3Z}};
  for (int i = 1; i <= 3; ++i) {
    SCOPED_TRACE(i);
    const gfx::Vec3 p = points[i - 1];
    device.SetTransform(gfx::TransformType::World, gfx::MatrixTranslation(p.x, p.y, p.z));
    const auto screen = ProjectWorldOrigin(device);
    ASSERT_TRUE(screen);
    EXPECT_TRUE(screen->X > 0 && screen->X < 600 && screen->Y > 0 && screen->Y < 480);
    session_.MouseMove(screen->X, screen->Y, 0);
    session_.Idle(1);
    ASSERT_TRUE(State().HoverActive);
    EXPECT_EQ(State().HoverPoint, i);
    session_.MouseDown(ui::MouseButton::Left, screen->X, screen->Y, ui::ssLeft);
    session_.Idle(20);  // long enough for the motion playing (the previous point's) to end
    std::set<int> motions;
    for (int k = 0; k < 5; ++k) motions.insert(env.MotionSelect[k][i]);
    EXPECT_TRUE(motions.count(State().ModelMesh->MotionRow)) << State().ModelMesh->MotionRow;
    session_.MouseUp(ui::MouseButton::Left, screen->X, screen->Y, 0);
  }
}

}  // namespace
