#include <gtest/gtest.h>

#include <cmath>

#include "app/Unit1.h"
#include "frontends/cli/headless.h"
#include "support/scene_files.h"
#include "support/temp_dir.h"

namespace {

class Input : public ::testing::Test {
 protected:
  Input() {
    for (int id : {10, 30, 32, 43}) test::WriteScene(root, id);
    session.Start();
  }
  ViewerState& State() { return session.GetViewer().State; }
  const std::string& SceneStatus() { return session.Form().StatusBar1.Panels[3].Text; }

  test::TempDir root;
  test::CurrentDirScope cwd{root.Path()};
  cli::HeadlessSession session;
};

TEST_F(Input, FunctionAndKeypadKeysChooseGroupAndIndex) {
  struct Step {
    ui::KeyCode key;
    int group, index, id;
    const char* status;
  };
  const Step steps[] = {
      {ui::key::F(3), 3, 0, 30, "Scene:30"},  {ui::key::Numpad(2), 3, 2, 32, "Scene:32"},
      {ui::key::F(3), 3, 0, 30, "Scene:30"},  {ui::key::F(4), 4, 0, 40, "Scene:NULL"},
      {ui::key::Numpad(3), 4, 3, 43, "Scene:43"}, {'2', 4, 3, 43, "Scene:43"},  // a digit key is no keypad key
      {ui::key::Numpad(5), 4, 3, 43, "Scene:43"}, {ui::key::F(6), 4, 3, 43, "Scene:43"},
  };
  for (const Step& step : steps) {
    session.KeyUp(step.key, 0);
    EXPECT_EQ(State().SceneGroup, step.group) << step.key;
    EXPECT_EQ(State().SceneIndex, step.index) << step.key;
    EXPECT_EQ(State().SceneId, step.id) << step.key;
    EXPECT_EQ(SceneStatus(), step.status) << step.key;
  }
}

TEST_F(Input, APressOnTheButtonBarBelowTheLastButtonTriesThatIndexAndKeepsTheScene) {
  State().Dist = 7.5f;  // the current scene's camera, moved by the user
  session.MouseDown(ui::MouseButton::Left, 620, 250, 0);  // row 5
  EXPECT_EQ(State().SceneId, 15);
  EXPECT_EQ(SceneStatus(), "Scene:NULL");
  EXPECT_EQ(State().Dist, 7.5f);
  EXPECT_TRUE(State().Dragging);  // the press also started a drag
  session.MouseUp(ui::MouseButton::Left, 620, 250, 0);
  session.MouseDown(ui::MouseButton::Left, 620, 30, 0);  // row 0: scene 10 again
  EXPECT_EQ(SceneStatus(), "Scene:10");
  EXPECT_EQ(State().Dist, 4.0f);
}

TEST_F(Input, DraggingTurnsPansAndZoomsWithinTheirLimits) {
  ViewerState& s = State();
  session.MouseMove(100, 100, 0);
  session.MouseDown(ui::MouseButton::Left, 100, 100, 0);
  s.Pitch = 0.5f;
  session.MouseMove(110, 300, ui::ssLeft);  // down: the eye rises, up to 1.57
  EXPECT_EQ(s.Pitch, 1.57f);
  EXPECT_FLOAT_EQ(s.Yaw, 0.5f + 0.1f);
  session.MouseMove(110, -300, ui::ssLeft);
  EXPECT_EQ(s.Pitch, -1.57f);
  // Right button pans sideways and vertically; with Shift it does nothing.
  s.Yaw = 0.0f;
  const gfx::Vec3 before = s.LookAt;
  session.MouseMove(120, -290, ui::ssRight | ui::ssShift);
  EXPECT_EQ(s.LookAt.x, before.x);
  session.MouseMove(130, -280, ui::ssRight);
  EXPECT_FLOAT_EQ(s.LookAt.y, before.y - 0.1f);
  EXPECT_NEAR(s.LookAt.x, before.x + std::sin(1.57) * 0.1, 1e-6);
  // The middle button changes the distance without bounds.
  s.Dist = 1.0f;
  session.MouseMove(130, 20, ui::ssMiddle);
  EXPECT_FLOAT_EQ(s.Dist, 4.0f);
  session.MouseMove(130, -580, ui::ssMiddle);
  EXPECT_FLOAT_EQ(s.Dist, -2.0f);
  // A release of any button ends the drag; moves then change nothing.
  session.MouseUp(ui::MouseButton::Right, 130, -580, ui::ssLeft);
  EXPECT_FALSE(s.Dragging);
  session.MouseMove(200, 200, ui::ssLeft);
  EXPECT_FLOAT_EQ(s.Dist, -2.0f);
  EXPECT_EQ(s.Pitch, -1.57f);
}

TEST_F(Input, TheWheelAppliesOnlyTheBoundOfItsDirection) {
  ViewerState& s = State();
  struct Case {
    float start;
    bool up;
    float expected;
  };
  const Case cases[] = {{9.95f, false, 10.0f}, {10.0f, false, 10.0f}, {1.05f, true, 1.0f},
                        {15.0f, true, 14.9f},  {15.0f, false, 10.0f}, {0.5f, false, 0.6f}, {0.5f, true, 1.0f}};
  for (const Case& c : cases) {
    s.Dist = c.start;
    session.Wheel(c.up);
    EXPECT_FLOAT_EQ(s.Dist, c.expected) << c.start << (c.up ? " up" : " down");
  }
}

TEST_F(Input, AGrabFollowsTheHoveredPointAndFastMovesRaiseTheMorphSpeed) {
  ViewerState& s = State();
  s.HoverActive = true;
  s.HoverPoint = 2;
  session.MouseMove(0, 0, 0);
  session.MouseDown(ui::MouseButton::Left, 0, 0, 0);
  EXPECT_TRUE(s.Grabbing);
  EXPECT_FALSE(s.Dragging);
  EXPECT_EQ(s.GrabbedPoint, 2);
  const std::pair<int, float> moves[] = {{30, 2.0f}, {45, 2.5f}, {46, 3.5f}, {0, 1.0f}};
  int x = 0;
  for (const auto& [distance, speed] : moves) {
    x += distance;
    session.MouseMove(x, 0, ui::ssLeft);
    EXPECT_FLOAT_EQ(s.MorphSpeed, speed) << distance;
  }
  session.TimerTicks(3);  // the timer leaves the speed alone during a grab
  EXPECT_FLOAT_EQ(s.MorphSpeed, 1.0f);
  session.MouseUp(ui::MouseButton::Left, x, 0, 0);
  EXPECT_FALSE(s.Grabbing);
  EXPECT_EQ(s.GrabbedPoint, 0);
}

}  // namespace
