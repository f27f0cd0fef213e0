// The main menu's commands, the status bar and the status timer, driven as the user drives them:
// menu clicks and shortcuts through the headless driver.
#include <gtest/gtest.h>

#include "app/Unit1.h"
#include "environment/Unit2.h"
#include "frontends/cli/headless.h"
#include "platform/ui/format.h"
#include "support/scene_files.h"
#include "support/temp_dir.h"

namespace {

class MenuCommands : public ::testing::Test {
 protected:
  void Start(bool develop) {
    test::WriteScene(root, 10);
    if (develop) root.Write("develop.txt", "");
    session.Start();
  }
  ViewerState& State() { return session.GetViewer().State; }
  TForm1& Form() { return session.Form(); }
  TForm2& Editor() { return *session.GetViewer().Form2; }
  const std::string& Status(int panel) { return Form().StatusBar1.Panels[static_cast<size_t>(panel)].Text; }

  test::TempDir root;
  test::CurrentDirScope cwd{root.Path()};
  cli::HeadlessSession session;
};

TEST_F(MenuCommands, OptionsSwitchFlagsCheckMarksAndStatus) {
  Start(true);
  EXPECT_EQ(Status(1), "N:M:");
  EXPECT_EQ(Status(3), "Scene:10");
  EXPECT_EQ(Status(4), "");
  EXPECT_TRUE(Form().OptionRenderBack.Checked);
  EXPECT_TRUE(Form().OptionNormals.Checked);
  EXPECT_TRUE(Form().OptionModify.Checked);

  struct Step {
    const char* Menu;
    bool RenderBack, ComputeNormals, Modify, Demo;
    const char* StatusText;
  };
  const Step steps[] = {
      {"OptionNormals", true, false, true, false, "M:"},
      {"OptionModify", true, false, false, false, ""},
      {"BackMenu", false, false, false, false, ""},  // the background is not shown in the status
      {"OptionRenderBack", true, false, false, false, ""},
      {"OptionNormals", true, true, false, false, "N:"},
      {"DemoMenu", true, true, false, true, "N:"},
      {"OptionDemo", true, true, false, false, "N:"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.Menu);
    ASSERT_TRUE(session.ClickMenu(step.Menu));
    EXPECT_EQ(State().RenderBack, step.RenderBack);
    EXPECT_EQ(State().ComputeNormals, step.ComputeNormals);
    EXPECT_EQ(State().Modify, step.Modify);
    EXPECT_EQ(State().Demo, step.Demo);
    EXPECT_EQ(Form().OptionRenderBack.Checked, step.RenderBack);
    EXPECT_EQ(Form().OptionNormals.Checked, step.ComputeNormals);
    EXPECT_EQ(Form().OptionModify.Checked, step.Modify);
    EXPECT_FALSE(Form().OptionDemo.Checked);
    EXPECT_EQ(State().ModelMesh->RecomputeNormals, step.ComputeNormals);
    EXPECT_EQ(Status(1), step.StatusText);
  }

  ASSERT_TRUE(session.ShortCut(ui::key::F(12)));
  EXPECT_TRUE(Form().Panel2.Visible);
  ASSERT_TRUE(session.ClickMenu("OptionStatus"));
  EXPECT_FALSE(Form().Panel2.Visible);
}

TEST_F(MenuCommands, TimerShowsRatesAndLetsTheMorphSpeedFallBack) {
  Start(false);
  State().MorphSpeed = 3.5f;
  session.TimerTicks(1);  // no frame-rate figure yet: the panels keep their texts, the speed falls
  EXPECT_EQ(Status(0), "");
  EXPECT_EQ(Status(2), "");
  EXPECT_FLOAT_EQ(State().MorphSpeed, 3.45f);

  State().MorphSpeed = 3.5f;
  State().FrameTime = 0.02f;
  std::vector<std::string> shown, expected;
  for (int i = 0; i < 53; ++i) {
    session.TimerTicks(1);
    shown.push_back(Status(2));
    const int hundredths = std::max(100, 350 - 5 * i);
    expected.push_back(ui::Format("V:%d.%02d", hundredths / 100, hundredths % 100));
  }
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(Status(0), "FPS:50.00");

  // A held control point keeps the speed where it is.
  State().MorphSpeed = 2.0f;
  State().Grabbing = true;
  session.TimerTicks(3);
  EXPECT_EQ(State().MorphSpeed, 2.0f);
}

TEST_F(MenuCommands, WriteVertexInfoLeavesTheDebugPanelHidden) {
  Start(true);
  session.ClickMenu("OptionStatus");
  ASSERT_TRUE(Form().Panel2.Visible);
  ASSERT_TRUE(session.ShortCut(ui::CtrlKey('W')));
  EXPECT_FALSE(Form().Panel2.Visible);
}

TEST_F(MenuCommands, WithoutDevelopFileTheOptionMenuIsGoneWithItsShortcuts) {
  Start(false);
  EXPECT_FALSE(Form().OptionMenu.Visible);
  EXPECT_FALSE(Form().OptionMenu.Enabled);
  for (ui::ShortCut shortcut : {ui::key::F(12), ui::key::F(11), ui::CtrlKey('D'), ui::CtrlKey('L'), ui::CtrlKey('B')})
    EXPECT_FALSE(session.ShortCut(shortcut)) << shortcut;
  EXPECT_FALSE(session.ClickMenu("OptionStatus"));
  EXPECT_FALSE(Form().Panel2.Visible);
  EXPECT_FALSE(State().Debug);
  EXPECT_TRUE(State().RenderBack);

  // The top-level entries stay.
  EXPECT_TRUE(session.ClickMenu("BackMenu"));
  EXPECT_FALSE(State().RenderBack);
  EXPECT_TRUE(session.ClickMenu("HelpMenu"));  // no help.html here: the desktop's business
  EXPECT_EQ(session.ShellOpened(), std::vector<std::string>{"help.html"});
  EXPECT_TRUE(session.Errors().empty());
}

TEST_F(MenuCommands, WithDevelopFileTheHiddenEntriesAnswerTheirShortcuts) {
  Start(true);
  EXPECT_TRUE(Form().OptionMenu.Visible);
  EXPECT_FALSE(Form().OptionLoadMotion.Visible);
  EXPECT_FALSE(session.ClickMenu("OptionLoadMotion"));  // not on screen, so not clickable

  // Ctrl+L reloads the scene from disk: the camera returns to the file's values, new ones included.
  root.Write("dir10/env.ini", "[ENV]\r\nDist=7\r\n");
  State().Dist = 2.0f;
  ASSERT_TRUE(session.ShortCut(ui::CtrlKey('L')));
  EXPECT_EQ(State().Dist, 7.0f);
  EXPECT_EQ(session.GetViewer().Environment.Dist, 7.0f);

  EXPECT_TRUE(session.ShortCut(ui::CtrlKey('R')));  // ReadVertex does nothing anyone can see
  EXPECT_TRUE(session.Errors().empty());
}

TEST_F(MenuCommands, DebugShowsAndHidesTheEditorWhichClosesOnlyToHide) {
  Start(true);
  ASSERT_TRUE(session.ShortCut(ui::CtrlKey('D')));
  EXPECT_TRUE(State().Debug);
  EXPECT_TRUE(Editor().Visible);
  EXPECT_EQ(Editor().Caption, "dir10");
  EXPECT_EQ(Editor().LX.Text, "1");
  session.ClickMenu("OptionDebug");
  EXPECT_FALSE(State().Debug);
  EXPECT_FALSE(Editor().Visible);

  // Its close box only hides it: the debug view stays on, the next command clears it, the one after
  // shows the editor again with the files as they are now.
  session.ClickMenu("OptionDebug");
  Editor().Hide();
  EXPECT_TRUE(State().Debug);
  session.ClickMenu("OptionDebug");
  EXPECT_FALSE(State().Debug);
  EXPECT_FALSE(Editor().Visible);
  root.Write("dir10/env.ini", "[ENV]\r\nLX=8.25\r\n");
  session.ClickMenu("OptionDebug");
  EXPECT_TRUE(Editor().Visible);
  EXPECT_EQ(Editor().LX.Text, "8.25");
}

TEST_F(MenuCommands, SceneLoadsInTheDebugViewRefreshTheEditorFirst) {
  Start(true);
  test::WriteScene(root, 20, "[ENV]\r\nLX=20.5\r\n");
  test::WriteScene(root, 30);
  std::remove((root.Path() + "/dir30/marray.txt").c_str());
  session.ShortCut(ui::CtrlKey('D'));

  session.KeyUp(ui::key::F(2), 0);
  EXPECT_EQ(Editor().Caption, "dir20");
  EXPECT_EQ(Editor().LX.Text, "20.5");
  EXPECT_EQ(Status(3), "Scene:20");

  // The editor's own load fails at marray.txt: the loader stops there, the scene stays.
  session.KeyUp(ui::key::F(3), 0);
  ASSERT_EQ(session.Errors().size(), 1u);
  EXPECT_EQ(session.Errors()[0], "ファイル " + root.Path() + "/dir30/marray.txt は開けません");
  EXPECT_EQ(Editor().Caption, "dir30");
  EXPECT_EQ(Status(3), "Scene:20");
  EXPECT_EQ(session.GetViewer().Environment.LX, 20.5f);
  EXPECT_FALSE(State().MorphHalted);
}

}  // namespace
