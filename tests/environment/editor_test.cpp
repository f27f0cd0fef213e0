// The environment editor as its user works it through the headless driver: loading a scene's three
// files into the fields and grids, capturing the live camera, and saving.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/Unit1.h"
#include "environment/Unit2.h"
#include "frontends/cli/cli.h"
#include "frontends/cli/headless.h"
#include "frontends/cli/script.h"
#include "support/scene_files.h"
#include "support/temp_dir.h"

namespace {

// An env.ini with a comment, another section, an unknown key and no Yaw, as a person keeps one.
const char kEnvIni[] =
    "; camera\r\n"
    "[ENV]\r\n"
    "LX=0.5\r\nLY=1\r\nLZ=-2\r\nPitch=1.50\r\nDist=12\r\nNote=kept\r\n"
    "CP0X=1\r\nCP0Y=2\r\nCP0Z=3\r\n"
    "[Other]\r\nLX=99\r\n";

class Editor : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteScene(root, 10, kEnvIni);
    root.Write("develop.txt", "");
    session.Start();
    ASSERT_TRUE(session.ShortCut(ui::CtrlKey('D')));  // the debug view shows the editor
  }
  TForm2& Form2() { return *session.GetViewer().Form2; }
  ViewerState& State() { return session.GetViewer().State; }
  std::string Read(const std::string& file) { return root.Read("dir10/" + file); }
  void Save() { ASSERT_TRUE(session.ClickButton("EnvOK")); }

  test::TempDir root;
  test::CurrentDirScope cwd{root.Path()};
  cli::HeadlessSession session;
};

TEST_F(Editor, LoadsTheFilesAsStoredAndSavesThemInTheGeneralForm) {
  TForm2& e = Form2();
  EXPECT_TRUE(e.Visible);
  EXPECT_EQ(e.Caption, "dir10");
  EXPECT_EQ(e.Pitch.Text, "1.50");
  EXPECT_EQ(e.Yaw.Text, "0");  // a missing key
  EXPECT_EQ(e.LX.Text, "0.5");
  EXPECT_EQ(e.Grid1.Cell(0, 5), "label5");
  EXPECT_EQ(e.Grid1.Cell(2, 0), "motion 1");
  EXPECT_EQ(e.Grid1.Cell(2, 2), "1.5");
  EXPECT_EQ(e.Grid2.Cell(5, 3), "1");  // line 23

  const std::string motions = Read("motion.txt"), select = Read("marray.txt");
  Save();
  EXPECT_TRUE(session.Errors().empty());
  // Values in the general decimal form, in place; the missing Yaw added at the end of the section;
  // everything else of the file as it was.
  EXPECT_EQ(Read("env.ini"),
            "; camera\r\n"
            "[ENV]\r\n"
            "LX=0.5\r\nLY=1\r\nLZ=-2\r\nPitch=1.5\r\nDist=12\r\nNote=kept\r\n"
            "CP0X=1\r\nCP0Y=2\r\nCP0Z=3\r\nCP1X=0\r\nCP1Y=0\r\nCP1Z=0\r\nCP2X=0\r\nCP2Y=0\r\nCP2Z=0\r\n"
            "CP3X=0\r\nCP3Y=0\r\nCP3Z=0\r\nYaw=0\r\n"
            "[Other]\r\nLX=99\r\n");
  EXPECT_EQ(Read("motion.txt"), motions);
  EXPECT_EQ(Read("marray.txt"), select);

  // Shown again (the Debug command twice), the editor shows the saved texts.
  session.ShortCut(ui::CtrlKey('D'));
  session.ShortCut(ui::CtrlKey('D'));
  EXPECT_EQ(e.Pitch.Text, "1.5");
  EXPECT_EQ(e.Yaw.Text, "0");
}

TEST_F(Editor, CapturesTakeTheLiveCameraToThreeDecimals) {
  State().LookAt = {0.12345f, -1.0f, 2.5f};
  State().Pitch = 0.25f;
  State().Yaw = 1.0f / 3.0f;
  State().Dist = 10.0f;
  session.Idle(1);  // the debug view writes the readouts
  ASSERT_TRUE(session.ClickButton("CAP2"));
  ASSERT_TRUE(session.ClickButton("Cap4"));
  TForm2& e = Form2();
  EXPECT_EQ(e.CP2X.Text, "0.123");
  EXPECT_EQ(e.CP2Y.Text, "-1.000");
  EXPECT_EQ(e.CP2Z.Text, "2.500");
  EXPECT_EQ(e.CP1X.Text, "0");
  EXPECT_EQ(e.LX.Text, "0.123");
  EXPECT_EQ(e.Yaw.Text, "0.333");
  EXPECT_EQ(e.Dist.Text, "10.000");
  EXPECT_EQ(Read("env.ini"), kEnvIni);  // nothing reaches a file before Save

  Save();
  const std::string saved = Read("env.ini");
  for (const char* line : {"\r\nCP2X=0.123\r\n", "\r\nCP2Y=-1\r\n", "\r\nCP2Z=2.5\r\n", "\r\nLX=0.123\r\n",
                           "\r\nYaw=0.333\r\n", "\r\nDist=10\r\n", "\r\nPitch=0.25\r\n"})
    EXPECT_NE(saved.find(line), std::string::npos) << line;
}

TEST_F(Editor, ShiftJisLabelsShowAsJapaneseAndGoBackByteIdentical) {
  std::vector<std::string> lines = test::MotionLines();
  lines[0] = "\x93\xae\x82\xab";         // 動き
  lines[18] = "\x95\xe0\x82\xad";        // 歩く, heading of motion 0
  lines[3] = "\x82\xa0\xff\x82";         // あ and two bytes that are no character: kept as they are
  root.Write("dir10/motion.txt", test::CrLf(lines));
  session.ShortCut(ui::CtrlKey('L'));  // reloads the scene, and with it the editor
  TForm2& e = Form2();
  EXPECT_EQ(e.Grid1.Cell(0, 0), "動き");
  EXPECT_EQ(e.Grid1.Cell(1, 0), "歩く");

  ASSERT_TRUE(session.EditCell("Grid1", 3, 5, "走る"));  // an edited cell is written in Shift-JIS
  Save();
  lines[3 * 18 + 5] = "\x91\x96\x82\xe9";
  EXPECT_EQ(Read("motion.txt"), test::CrLf(lines));
}

TEST_F(Editor, AnEmptiedSelectCellIsSavedEmptyAndStopsTheNextLoad) {
  ASSERT_TRUE(session.EditCell("Grid2", 1, 2, ""));
  Save();
  std::vector<std::string> select = test::SelectLines();
  select[6] = "";
  EXPECT_EQ(Read("marray.txt"), test::CrLf(select));

  session.ShortCut(ui::CtrlKey('L'));
  ASSERT_EQ(session.Errors().size(), 1u);
  EXPECT_EQ(session.Errors()[0], "'' は整数ではありません");
}

TEST_F(Editor, AFieldThatIsNoNumberStopsTheSaveBeforeAnyFileIsWritten) {
  const std::string env = Read("env.ini"), motions = Read("motion.txt"), select = Read("marray.txt");
  session.EditCell("Grid1", 3, 4, "changed");
  for (const char* text : {"abc", ""}) {
    SCOPED_TRACE(text);
    session.EditText("CP0X", "4");  // an earlier key, which a key-by-key save would already have written
    session.EditText("Dist", text);
    Save();
    ASSERT_FALSE(session.Errors().empty());
    EXPECT_EQ(session.Errors().back(), std::string("'") + text + "' は浮動小数点数ではありません");
    EXPECT_EQ(Read("env.ini"), env);
    EXPECT_EQ(Read("motion.txt"), motions);
    EXPECT_EQ(Read("marray.txt"), select);
  }
}

TEST_F(Editor, ASaveThatFailsMidwayLeavesEveryFileWhole) {
  const std::string select = Read("marray.txt");
  std::filesystem::remove(root / "dir10/motion.txt");
  std::filesystem::create_directory(root / "dir10/motion.txt");  // cannot be replaced by a file
  session.EditText("LX", "7");
  Save();
  ASSERT_EQ(session.Errors().size(), 1u);
  EXPECT_EQ(session.Errors()[0], "ファイル " + root.Path() + "/dir10/motion.txt を作成できません");
  // env.ini went first and is whole and new; marray.txt was never reached; no temporary file is left.
  EXPECT_NE(Read("env.ini").find("\r\nLX=7\r\n"), std::string::npos);
  EXPECT_TRUE(Read("env.ini").ends_with("[Other]\r\nLX=99\r\n"));
  EXPECT_TRUE(std::filesystem::is_directory(root / "dir10/motion.txt"));
  EXPECT_EQ(Read("marray.txt"), select);
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(root / "dir10")) {
    (void)entry;
    ++entries;
  }
  EXPECT_EQ(entries, 4);  // env.ini, motion.txt, marray.txt, model.x and nothing else
}

TEST_F(Editor, ASaveAfterAFailedSceneSwitchGoesToTheNewFolder) {
  // Scene 40 has a folder but no model.x: the switch fails, SceneId names it all the same.
  root.Write("dir40/readme.txt", "");
  session.KeyUp(ui::key::F(4), 0);
  ASSERT_EQ(session.Form().StatusBar1.Panels[3].Text, "Scene:NULL");
  EXPECT_EQ(Form2().Caption, "dir10");
  Save();
  EXPECT_TRUE(session.Errors().empty());
  EXPECT_NE(root.Read("dir40/env.ini").find("Pitch=1.5\r\n"), std::string::npos);
  EXPECT_EQ(root.Read("dir40/motion.txt"), Read("motion.txt"));
  EXPECT_EQ(Form2().SceneFolder, "dir40");

  // Without a folder, env.ini cannot be written and nothing else is tried.
  session.KeyUp(ui::key::F(5), 0);
  Save();
  ASSERT_EQ(session.Errors().size(), 1u);
  EXPECT_EQ(session.Errors()[0], root.Path() + "/dir50/env.ini に書き込めません");
  EXPECT_FALSE(std::filesystem::exists(root / "dir50"));
}

TEST_F(Editor, ControlsAnswerOnlyWhileTheEditorIsShown) {
  EXPECT_FALSE(session.EditCell("Grid1", 0, 3, "x"));  // the fixed column
  EXPECT_FALSE(session.EditCell("Grid1", 3, 0, "x"));  // the fixed row
  EXPECT_FALSE(session.EditCell("Grid2", 6, 0, "x"));
  EXPECT_FALSE(session.EditText("Nothing", "x"));
  EXPECT_FALSE(session.ClickButton("CP0X"));
  EXPECT_TRUE(session.EditCell("Grid2", 0, 0, "x"));
  session.ShortCut(ui::CtrlKey('D'));
  EXPECT_FALSE(session.EditText("LX", "1"));
  EXPECT_FALSE(session.ClickButton("EnvOK"));
}

TEST(EditorScript, EditCellAndClickTakeTheRestOfTheLine) {
  const auto parsed = cli::ParseScript(
      "edit LX  1.25  \n"
      "edit Dist\n"
      "cell Grid1 2 3 two words # comment\n"
      "cell Grid2 0 1\n"
      "click EnvOK\n");
  ASSERT_FALSE(parsed.Error.has_value()) << parsed.Error->Message;
  ASSERT_EQ(parsed.Commands.size(), 5u);
  EXPECT_EQ(parsed.Commands[0].Name, "LX");
  EXPECT_EQ(parsed.Commands[0].Text, "1.25");
  EXPECT_EQ(parsed.Commands[1].Text, "");
  EXPECT_EQ(parsed.Commands[2].Name, "Grid1");
  EXPECT_EQ(parsed.Commands[2].X, 2);
  EXPECT_EQ(parsed.Commands[2].Y, 3);
  EXPECT_EQ(parsed.Commands[2].Text, "two words");
  EXPECT_EQ(parsed.Commands[3].Text, "");
  EXPECT_EQ(parsed.Commands[4].What, cli::ScriptCommand::Kind::Click);
  for (const char* bad : {"edit\n", "cell Grid1 2\n", "cell Grid1 x 2 t\n", "click\n", "click A B\n"})
    EXPECT_TRUE(cli::ParseScript(bad).Error.has_value()) << bad;
}

TEST(EditorScript, TheRenderCommandEditsSavesAndReportsTheEditor) {
  test::TempDir root;
  test::WriteScene(root, 10);
  root.Write("develop.txt", "");
  root.Write("run.txt",
             "shortcut Ctrl+D\n"
             "idle 1\n"
             "edit Yaw 2.50\n"
             "cell Grid2 3 2 9\n"
             "click EnvOK\n"
             "edit Pitch x\n"
             "click EnvOK\n"
             "state state.json\n");
  test::CurrentDirScope cwd(root.Path());
  std::ostringstream out, err;
  ASSERT_EQ(cli::Run({"render", "--script", "run.txt"}, out, err), 0) << err.str();
  EXPECT_NE(root.Read("dir10/env.ini").find("\r\nYaw=2.5\r\n"), std::string::npos);
  std::vector<std::string> select = test::SelectLines();
  select[3 * 4 + 2] = "9";
  EXPECT_EQ(root.Read("dir10/marray.txt"), test::CrLf(select));
  const std::string state = root.Read("state.json");
  for (const char* part : {"\"Visible\": true", "\"Caption\": \"dir10\"", "\"Yaw\": \"2.50\"", "\"Pitch\": \"x\"",
                           "\"'x' は浮動小数点数ではありません\"", "\"CX\": \"1.000\""})
    EXPECT_NE(state.find(part), std::string::npos) << part;
}

}  // namespace
