#include <gtest/gtest.h>

#include <cmath>

#include "app/Unit1.h"
#include "frontends/cli/headless.h"
#include "support/scene_files.h"
#include "platform/ui/format.h"
#include "support/temp_dir.h"

namespace {

class FrameLoop : public ::testing::Test {
 protected:
  void Start(std::uint32_t clock_start, std::uint32_t ms_per_pass = 16) {
    cli::HeadlessOptions options;
    options.ClockStart = clock_start;
    options.MsPerPass = ms_per_pass;
    session = std::make_unique<cli::HeadlessSession>(options);
    session->Start();
  }
  const ViewerState& State() { return session->GetViewer().State; }

  test::TempDir root;
  test::CurrentDirScope cwd{root.Path()};
  std::unique_ptr<cli::HeadlessSession> session;
};

TEST_F(FrameLoop, StartUpStateAndStatus) {
  test::WriteScene(root, 10);
  Start(5000);
  const ViewerState& s = State();
  EXPECT_TRUE(s.Active);
  EXPECT_EQ(s.FpsSampleTime, 5000u);
  EXPECT_EQ(s.FpsBaseTime, 4990u);
  EXPECT_EQ(s.FrameTime, 0.0f);
  EXPECT_EQ(s.MotionObjects.size(), 50u);
  const auto& panels = session->Form().StatusBar1.Panels;
  EXPECT_EQ(panels[0].Text, "");
  EXPECT_EQ(panels[1].Text, "N:M:");
  EXPECT_EQ(panels[3].Text, "Scene:10");
  EXPECT_EQ(panels[4].Text, "");
  EXPECT_EQ(session->Form().Caption, "Korvel Viewer");
  EXPECT_EQ(session->GetViewer().Application.Title, "Korvel View 1.0");
  EXPECT_FALSE(session->Form().OptionMenu.Visible);  // no develop.txt
  EXPECT_FALSE(session->Form().OptionMenu.Enabled);
}

// The first figure comes in the pass that finds 21 frames counted, measured from 10 ms before the
// end of the create event: frames / elapsed ms x 1000, its reciprocal the frame time.
TEST_F(FrameLoop, FrameTimeFollowsTheUnsignedFormulaAlsoAcrossTheClockWrap) {
  for (std::uint32_t start : {1000u, 4294967295u - 100u}) {
    Start(start);
    session->Idle(21);
    EXPECT_EQ(State().FrameTime, 0.0f);
    EXPECT_EQ(State().FrameCount, 21u);
    session->Idle(1);
    const double fps = 21.0 / (22 * 16 + 10) * 1000.0;
    EXPECT_FLOAT_EQ(State().FrameTime, static_cast<float>(1.0 / fps)) << start;
    EXPECT_EQ(State().FpsBaseFrame, 21u);
    EXPECT_EQ(State().FpsBaseTime, start + 22u * 16u);
    // The next figure spans the 21 passes since, 16 ms each.
    session->Idle(21);
    EXPECT_FLOAT_EQ(State().FrameTime, static_cast<float>(1.0 / (21.0 / (21 * 16) * 1000.0)));
  }
}

TEST_F(FrameLoop, FrameCounterWrapsWithoutLosingTheMeasurement) {
  Start(0);
  session->Idle(30);
  ViewerState& s = session->GetViewer().State;
  s.FrameCount = 4294967295u - 5u;
  s.FpsBaseFrame = s.FrameCount;
  s.FpsBaseTime = session->Clock().NowMs();
  session->Idle(22);
  EXPECT_EQ(s.FrameCount, 16u);
  EXPECT_EQ(s.FpsBaseFrame, 15u);
  EXPECT_FLOAT_EQ(s.FrameTime, static_cast<float>(1.0 / (21.0 / (22 * 16) * 1000.0)));
}

TEST_F(FrameLoop, NoElapsedTimeGivesNoFrameTimeRatherThanDivisionByZero) {
  Start(0, 0);
  ViewerState& s = session->GetViewer().State;
  s.FpsBaseTime = 0;  // as if the create event had measured from now
  session->Idle(22);
  EXPECT_EQ(s.FrameTime, 0.0f);
}

TEST_F(FrameLoop, DemoClockStandsStillUntilTheFirstFigureThenTurnsAndCyclesGroups) {
  test::WriteScene(root, 20, "[ENV]\r\nYaw=7\r\nDist=2\r\n");
  Start(0);
  ViewerState& s = session->GetViewer().State;
  session->ClickMenu("DemoMenu");
  ASSERT_TRUE(s.Demo);
  session->Idle(21);
  EXPECT_EQ(s.Yaw, 0.0f);
  session->Idle(1);
  EXPECT_FLOAT_EQ(s.Yaw, s.FrameTime / 3.0f);
  EXPECT_FLOAT_EQ(s.Pitch, std::sin(s.Yaw) / 3.0f);
  EXPECT_EQ(session->Form().Label3.Caption, ui::Format("%.2f", static_cast<double>(s.Yaw)));

  // Past 10 radians the demo moves to the next group; scene 20 exists, its yaw 7 is above 6.28.
  s.Yaw = 10.5f;
  session->Idle(1);
  EXPECT_EQ(s.SceneGroup, 2);
  EXPECT_EQ(s.SceneId, 20);
  EXPECT_EQ(s.Yaw, 0.0f);
  EXPECT_EQ(s.Dist, 2.0f);
  EXPECT_EQ(session->Form().StatusBar1.Panels[3].Text, "Scene:20");

  // Scene 30 is missing: the load fails, the number still advances, and group 3 is followed by 1.
  s.Yaw = 10.5f;
  session->Idle(1);
  EXPECT_EQ(s.SceneId, 30);
  EXPECT_EQ(s.Yaw, 0.0f);
  EXPECT_EQ(session->Form().StatusBar1.Panels[3].Text, "Scene:NULL");
  s.Yaw = 10.5f;
  session->Idle(1);
  EXPECT_EQ(s.SceneGroup, 1);
  EXPECT_EQ(s.SceneId, 10);
}

TEST_F(FrameLoop, AnErrorInTheFirstSceneLoadEndsTheCreateEventAndIsShown) {
  test::WriteScene(root, 10);
  std::remove((root.Path() + "/dir10/marray.txt").c_str());
  Start(0);
  const ViewerState& s = State();
  ASSERT_EQ(session->Errors().size(), 1u);
  EXPECT_EQ(session->Errors()[0], "ファイル " + root.Path() + "/dir10/marray.txt は開けません");
  EXPECT_FALSE(s.Active);
  EXPECT_EQ(session->Form().StatusBar1.Panels[1].Text, "");  // the status was not refreshed
  session->Idle(5);
  EXPECT_EQ(s.FrameCount, 0u);
  EXPECT_EQ(session->Form().Panel1Window.Presents, 0u);
}

TEST_F(FrameLoop, AnErrorInADemoLoadEndsThePassAndTheNextPassTriesTheNextGroup) {
  test::WriteScene(root, 20);
  std::remove((root.Path() + "/dir20/motion.txt").c_str());
  Start(0);
  ViewerState& s = session->GetViewer().State;
  s.Demo = true;
  s.Yaw = 10.5f;
  EXPECT_TRUE(session->GetViewer().Idle());  // Done stays true: wait for the next message
  EXPECT_EQ(session->Errors().size(), 1u);
  EXPECT_EQ(s.SceneId, 20);
  EXPECT_EQ(s.Yaw, 10.5f);  // the 6.28 test did not run
  EXPECT_FALSE(session->GetViewer().Idle());
  EXPECT_EQ(s.SceneId, 30);
  EXPECT_EQ(s.Yaw, 0.0f);
}

TEST_F(FrameLoop, TheStatusTimerShowsFiguresAndLetsTheMorphSpeedFallBack) {
  Start(0);
  ViewerState& s = session->GetViewer().State;
  const auto& panels = session->Form().StatusBar1.Panels;
  s.MorphSpeed = 3.5f;
  session->TimerTicks(1);
  EXPECT_EQ(panels[0].Text, "");  // no figure yet: the panels keep their text
  EXPECT_FLOAT_EQ(s.MorphSpeed, 3.45f);
  session->Idle(22);
  session->TimerTicks(1);
  EXPECT_EQ(panels[0].Text, ui::Format("FPS:%.2f", 1.0 / static_cast<double>(s.FrameTime)));
  EXPECT_EQ(panels[2].Text, "V:3.45");
  session->TimerTicks(60);
  EXPECT_EQ(s.MorphSpeed, 1.0f);
  s.Grabbing = true;
  s.MorphSpeed = 2.0f;
  session->TimerTicks(3);
  EXPECT_EQ(s.MorphSpeed, 2.0f);
}

TEST_F(FrameLoop, OptionMenuExistsOnlyWithDevelopTxtAndThenAnswersHiddenShortcuts) {
  test::WriteScene(root, 10);
  root.Write("develop.txt", "");
  Start(0);
  TForm1& form = session->Form();
  EXPECT_TRUE(form.OptionMenu.Visible);
  EXPECT_TRUE(session->ShortCut(ui::key::F(12)));
  EXPECT_TRUE(form.Panel2.Visible);
  // LoadMotion is never shown, yet Ctrl+L reloads the scene: its camera comes back.
  session->GetViewer().State.Dist = 9.0f;
  EXPECT_TRUE(session->ShortCut(ui::CtrlKey('L')));
  EXPECT_EQ(session->GetViewer().State.Dist, 4.0f);
}

TEST_F(FrameLoop, OptionTogglesKeepFlagsCheckMarksAndStatusInStep) {
  root.Write("develop.txt", "");
  Start(0);
  TForm1& form = session->Form();
  const ViewerState& s = State();
  session->ShortCut(ui::CtrlKey('N'));
  EXPECT_EQ(form.StatusBar1.Panels[1].Text, "M:");
  EXPECT_FALSE(form.OptionNormals.Checked);
  EXPECT_FALSE(s.ModelMesh->RecomputeNormals);
  session->ShortCut(ui::CtrlKey('M'));
  EXPECT_EQ(form.StatusBar1.Panels[1].Text, "");
  session->ClickMenu("BackMenu");
  EXPECT_FALSE(s.RenderBack);
  EXPECT_FALSE(form.OptionRenderBack.Checked);
  EXPECT_EQ(form.StatusBar1.Panels[1].Text, "");
  session->ShortCut(ui::key::F(11));
  EXPECT_TRUE(s.Demo);
  session->ClickMenu("HelpMenu");
  EXPECT_EQ(session->ShellOpened(), std::vector<std::string>{"help.html"});
}

}  // namespace
