#include <gtest/gtest.h>

#include "app/Unit1.h"
#include "environment/Unit2.h"
#include "frontends/cli/headless.h"
#include "support/scene_files.h"
#include "support/temp_dir.h"

namespace {

class SceneSwitch : public ::testing::Test {
 protected:
  ViewerState& State() { return session.GetViewer().State; }
  const std::string& SceneStatus() { return session.Form().StatusBar1.Panels[3].Text; }

  test::TempDir root;
  test::CurrentDirScope cwd{root.Path()};
  cli::HeadlessSession session;
};

TEST_F(SceneSwitch, AFailedReadOfTheMotionFilesKeepsSceneAndStatusAndHaltsTheMorph) {
  test::WriteScene(root, 10);
  test::WriteScene(root, 20, "[ENV]\r\nDist=9\r\n");
  std::remove((root.Path() + "/dir20/motion.txt").c_str());
  session.Start();
  session.Idle(2);
  ASSERT_EQ(SceneStatus(), "Scene:10");
  session.KeyUp(ui::key::F(2), 0);
  ASSERT_EQ(session.Errors().size(), 1u);
  EXPECT_EQ(session.Errors()[0], "ファイル " + root.Path() + "/dir20/motion.txt は開けません");
  EXPECT_EQ(SceneStatus(), "Scene:10");
  EXPECT_EQ(State().SceneId, 20);       // the selection stays as the key stored it
  EXPECT_EQ(State().Dist, 4.0f);        // the camera of scene 10
  EXPECT_EQ(session.GetViewer().Environment.Dist, 9.0f);  // env.ini was read before the failure
  EXPECT_TRUE(State().Active);
  EXPECT_TRUE(State().MorphHalted);
  session.KeyUp(ui::key::F(1), 0);
  EXPECT_FALSE(State().MorphHalted);
  EXPECT_EQ(SceneStatus(), "Scene:10");
}

TEST_F(SceneSwitch, TheNextMotionComesFromTheGrabbedPointsColumn) {
  test::WriteScene(root, 10);
  // Point 0 selects motion 1 everywhere, point 2 motion 7; motion 1 ends after one quick step.
  std::vector<std::string> select;
  for (int k = 0; k < 6; ++k)
    for (int p = 0; p < 4; ++p) select.push_back(p == 2 ? "7" : "1");
  root.Write("dir10/marray.txt", test::CrLf(select));
  session.Start();
  const MyXOBJ& model = *State().ModelMesh;
  EXPECT_EQ(model.MotionRow, 1);
  State().HoverActive = true;
  State().HoverPoint = 2;
  session.MouseDown(ui::MouseButton::Left, 300, 300, 0);
  ASSERT_EQ(State().GrabbedPoint, 2);
  // The model has no mesh here (its file is empty), so draw the next motion the way a step's end does.
  MorphInputs morph = session.GetViewer().MorphContext();
  State().ModelMesh->StartMotion(morph);
  EXPECT_EQ(State().ModelMesh->MotionRow, 7);
  EXPECT_EQ(State().ModelMesh->MotionEnd, 9);  // motion 7 has 8 steps in the fixture
}

TEST_F(SceneSwitch, TheDebugViewWritesTheLiveCameraIntoTheEditorsLabels) {
  test::WriteScene(root, 10);
  session.Start();
  State().Debug = true;
  session.Idle(1);
  const TForm2& editor = *session.GetViewer().Form2;
  EXPECT_EQ(editor.CX.Caption, "1.000");
  EXPECT_EQ(editor.CY.Caption, "2.000");
  EXPECT_EQ(editor.CZ.Caption, "3.000");
  EXPECT_EQ(editor.LPitch.Caption, "0.250");
  EXPECT_EQ(editor.LDist.Caption, "4.000");
  EXPECT_FALSE(editor.Visible);
}

TEST_F(SceneSwitch, ACameraOnItsTargetKeepsTheLastViewInsteadOfBreakingThePicture) {
  test::WriteScene(root, 10);
  session.Start();
  session.Idle(1);
  const gfx::Image before = session.LastFrame();
  State().Dist = 0.0f;  // the middle-button drag can do this
  session.MouseMove(10, 10, 0);
  session.MouseDown(ui::MouseButton::Middle, 10, 10, 0);
  session.MouseMove(10, 10, ui::ssMiddle);  // recomputes the eye: now on the target
  session.Idle(1);
  EXPECT_EQ(State().Eye.x, State().LookAt.x);
  EXPECT_EQ(session.LastFrame().Pixels, before.Pixels);
}

TEST_F(SceneSwitch, AFolderWithoutSysOrScenesStartsAndClosesCleanly) {
  session.Start();
  session.Idle(3);
  EXPECT_EQ(SceneStatus(), "Scene:NULL");
  EXPECT_TRUE(session.Errors().empty());
  EXPECT_TRUE(session.ShortCut(ui::CtrlKey('Q')));
  EXPECT_TRUE(session.Closed());
}

}  // namespace
