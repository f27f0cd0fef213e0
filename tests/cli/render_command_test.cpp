#include <gtest/gtest.h>

#include <sstream>

#include "frontends/cli/cli.h"
#include "frontends/cli/script.h"
#include "support/scene_files.h"
#include "support/temp_dir.h"

namespace {

struct Result {
  int code;
  std::string out, err;
};

Result Korvel(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = cli::Run(args, out, err);
  return {code, out.str(), err.str()};
}

TEST(CliScript, ParsesEveryCommandAndNamesTheFirstBadLine) {
  const auto ok = cli::ParseScript(
      "# a comment\n"
      "idle 3\r\n"
      "clock 20   # per pass\n"
      "key NUM3\n"
      "key f5\n"
      "shortcut Ctrl+Q\n"
      "menu OptionDebug\n"
      "cursor 620 30\n"
      "down left 10 20 shift\n"
      "move 11 21 left right\n"
      "up left 11 21\n"
      "wheel down\n"
      "timer 2\n"
      "shot out.png\n"
      "state s.json\n");
  ASSERT_FALSE(ok.Error.has_value()) << ok.Error->Message;
  ASSERT_EQ(ok.Commands.size(), 14u);
  EXPECT_EQ(ok.Commands[2].Key, 0x63);
  EXPECT_EQ(ok.Commands[3].Key, 0x74);
  EXPECT_EQ(ok.Commands[4].Shortcut, 0x4000 + 'Q');
  EXPECT_EQ(ok.Commands[7].Shift, ui::ssShift);
  EXPECT_EQ(ok.Commands[8].Shift, ui::ssLeft | ui::ssRight);
  EXPECT_EQ(ok.Commands[1].Line, 3);

  const std::pair<const char*, int> bad[] = {
      {"idle 1\nfly 3\n", 2},   {"idle\n", 1},         {"idle -1\n", 1},      {"idle 1000000000\n", 1},
      {"key F13\n", 1},        {"key NUM10\n", 1},     {"shortcut Hyper+Q\n", 1}, {"down left 1\n", 1},
      {"down left 1 2 3\n", 1}, {"move 1 2 shift up\n", 1}, {"wheel sideways\n", 1}, {"cursor 1\n", 1},
      {"shot\n", 1},
  };
  for (const auto& [text, line] : bad) {
    const auto parsed = cli::ParseScript(text);
    ASSERT_TRUE(parsed.Error.has_value()) << text;
    EXPECT_EQ(parsed.Error->Line, line) << text;
    EXPECT_NE(parsed.Error->Message.find("line " + std::to_string(line)), std::string::npos);
  }
}

TEST(CliRender, RunsTheScriptAndWritesStateAndPicture) {
  test::TempDir root;
  test::WriteScene(root, 10);
  root.Write("run.txt", "idle 22\ntimer 1\nstate state.json\nshot frame.png\nshortcut Ctrl+Q\nstate closed.json\n");
  test::CurrentDirScope cwd(root.Path());
  const Result r = Korvel({"render", "--script", "run.txt", "--out", "last.png"});
  ASSERT_EQ(r.code, 0) << r.err;
  const std::string state = root.Read("state.json");
  EXPECT_NE(state.find("\"FrameCount\": 22"), std::string::npos);
  EXPECT_NE(state.find("\"FrameTime\": 0.017238"), std::string::npos);
  EXPECT_NE(state.find("\"Scene:10\""), std::string::npos);
  EXPECT_NE(state.find("\"OptionMenuVisible\": false"), std::string::npos);
  EXPECT_NE(root.Read("closed.json").find("\"Closed\": true"), std::string::npos);
  for (const char* png : {"frame.png", "last.png"}) EXPECT_EQ(root.Read(png).substr(1, 3), "PNG") << png;
}

TEST(CliRender, BadInvocationsExitWithTwo) {
  test::TempDir root;
  root.Write("bad.txt", "idle 1\njump\n");
  test::CurrentDirScope cwd(root.Path());
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"paint"},
      {"render", "--frobnicate", "1"},
      {"render", "--script"},
      {"render", "--script", "missing.txt"},
      {"render", "--script", "bad.txt"},
      {"render", "--device", "vulkan"},
      {"render", "--root", "no-such-dir"},
      {"render", "--clock-start", "-5"},
  };
  for (const auto& args : cases) {
    const Result r = Korvel(args);
    EXPECT_EQ(r.code, 2) << (args.empty() ? "" : args[0]) << " " << (args.size() > 1 ? args[1] : "");
    EXPECT_FALSE(r.err.empty());
  }
  EXPECT_NE(Korvel({"render", "--script", "bad.txt"}).err.find("line 2"), std::string::npos);
}

TEST(CliRender, StateTextsAreValidUtf8EvenFromShiftJisFiles) {
  test::TempDir root;
  test::WriteScene(root, 10);
  // A Shift-JIS step count that is not a number: the error shows it decoded.
  auto lines = test::MotionLines();
  lines[19] = "\x88\xea";  // "一"
  root.Write("dir10/motion.txt", test::CrLf(lines));
  root.Write("run.txt", "state state.json\n");
  test::CurrentDirScope cwd(root.Path());
  ASSERT_EQ(Korvel({"render", "--script", "run.txt"}).code, 0);
  EXPECT_NE(root.Read("state.json").find("\"'一' は整数ではありません\""), std::string::npos);
}

}  // namespace
