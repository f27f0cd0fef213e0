#include <gtest/gtest.h>

#include "environment/scene_environment.h"
#include "platform/ui/errors.h"
#include "support/scene_files.h"

namespace {

class SceneEnvironmentRead : public ::testing::Test {
 protected:
  // Reads dir10 below the temporary root; returns the error text, or "" when it succeeded.
  std::string Read() {
    try {
      ReadSceneEnvironment(env, root.Path(), "dir10");
      return "";
    } catch (const ui::Error& e) {
      return e.what();
    }
  }
  std::string MotionPath() const { return root.Path() + "/dir10/motion.txt"; }

  test::TempDir root;
  SceneEnvironment env;
};

TEST_F(SceneEnvironmentRead, FillsEveryCellTheFilesHoldAndNothingElse) {
  test::WriteScene(root, 10);
  ASSERT_EQ(Read(), "");
  EXPECT_EQ(env.LX, 1.0f);
  EXPECT_EQ(env.LY, 2.0f);
  EXPECT_EQ(env.LZ, 3.0f);
  EXPECT_EQ(env.Pitch, 0.25f);
  EXPECT_EQ(env.Yaw, 0.5f);
  EXPECT_EQ(env.Dist, 4.0f);
  for (int m = 0; m < kFileMotions; ++m) {
    EXPECT_EQ(env.MotionSteps[m], m + 1);
    EXPECT_EQ(env.MotionRates[m], static_cast<float>(m) + 0.5f);
    for (int slot = 0; slot < kFileSlots; ++slot) EXPECT_EQ(env.MotionKeys[m][slot], 100 * m + slot);
    for (int slot = kFileSlots; slot < kMotionSlots; ++slot) EXPECT_EQ(env.MotionKeys[m][slot], 0);
  }
  for (int m = kFileMotions; m < kMotionCount; ++m) EXPECT_EQ(env.MotionSteps[m], 0);
  for (int k = 0; k < 6; ++k)
    for (int p = 0; p < 4; ++p) EXPECT_EQ(env.MotionSelect[k][p], (k * 4 + p) % 11);
}

TEST_F(SceneEnvironmentRead, EnvIniIsLenient) {
  // Key names in any case, other sections and keys ignored, bad numbers and missing keys read as 0.
  test::WriteScene(root, 10,
                   "[Other]\nLX=9\n[env]\nlx = 1.5\nLY=abc\nLZ=2\nPITCH=\nCP3Z=-0.125\nExtra=7\n");
  ASSERT_EQ(Read(), "");
  EXPECT_EQ(env.LX, 1.5f);
  EXPECT_EQ(env.LY, 0.0f);
  EXPECT_EQ(env.LZ, 2.0f);
  EXPECT_EQ(env.Pitch, 0.0f);
  EXPECT_EQ(env.Dist, 0.0f);
  EXPECT_EQ(env.CP3Z, -0.125f);

  // Without env.ini every value reads as 0, also over a previous scene's values.
  std::remove((root.Path() + "/dir10/env.ini").c_str());
  ASSERT_EQ(Read(), "");
  for (const EnvironmentKey& key : kEnvironmentKeys) EXPECT_EQ(env.*key.Member, 0.0f) << key.Name;
}

TEST_F(SceneEnvironmentRead, EmptyMotionLinesReadAsZeroAndLabelsAreNeverRead) {
  test::WriteScene(root, 10);
  ASSERT_EQ(Read(), "");  // the previous scene's values
  auto lines = test::MotionLines();
  for (int m = 0; m < kFileMotions; ++m) lines[static_cast<size_t>(18 * (m + 1))] = "not a number";
  lines[18 + 1] = "";   // motion 0's step count
  lines[18 + 2] = "";   // motion 0's speed
  lines[18 + 3] = "";   // motion 0's first key shape
  lines[5] = "";        // a label
  root.Write("dir10/motion.txt", test::CrLf(lines));
  ASSERT_EQ(Read(), "");
  EXPECT_EQ(env.MotionSteps[0], 0);
  EXPECT_EQ(env.MotionRates[0], 0.0f);
  EXPECT_EQ(env.MotionKeys[0][0], 0);
  EXPECT_EQ(env.MotionKeys[0][1], 1);
}

TEST_F(SceneEnvironmentRead, ErrorsNameTheFileTheLineOrTheText) {
  struct Case {
    const char* name;
    std::function<void(const test::TempDir&)> damage;
    std::string expected;
  };
  const std::string dir = root.Path() + "/dir10/";
  auto motion_with = [](size_t line, const char* text) {
    return [line, text](const test::TempDir& r) {
      auto lines = test::MotionLines();
      lines[line] = text;
      r.Write("dir10/motion.txt", test::CrLf(lines));
    };
  };
  const Case cases[] = {
      {"motion.txt missing", [](const test::TempDir& r) { std::remove((r.Path() + "/dir10/motion.txt").c_str()); },
       "ファイル " + dir + "motion.txt は開けません"},
      {"marray.txt missing", [](const test::TempDir& r) { std::remove((r.Path() + "/dir10/marray.txt").c_str()); },
       "ファイル " + dir + "marray.txt は開けません"},
      {"motion.txt short",
       [](const test::TempDir& r) {
         auto lines = test::MotionLines();
         lines.pop_back();
         r.Write("dir10/motion.txt", test::CrLf(lines));
       },
       "リストのインデックスが範囲を超えています (215)"},
      {"marray.txt short",
       [](const test::TempDir& r) {
         auto lines = test::SelectLines();
         lines.resize(10);
         r.Write("dir10/marray.txt", test::CrLf(lines));
       },
       "リストのインデックスが範囲を超えています (10)"},
      {"step count not an integer", motion_with(19, "1.5"), "'1.5' は整数ではありません"},
      {"speed not a number", motion_with(20, "fast"), "'fast' は浮動小数点数ではありません"},
      {"key shape not an integer", motion_with(21, "x"), "'x' は整数ではありません"},
      {"marray.txt empty line",
       [](const test::TempDir& r) {
         auto lines = test::SelectLines();
         lines[3] = "";
         r.Write("dir10/marray.txt", test::CrLf(lines));
       },
       "'' は整数ではありません"},
  };
  for (const Case& c : cases) {
    test::WriteScene(root, 10);
    c.damage(root);
    EXPECT_EQ(Read(), c.expected) << c.name;
  }
}

TEST_F(SceneEnvironmentRead, AFailureKeepsTheCellsReadBeforeItAndThePreviousValuesAfter) {
  test::WriteScene(root, 10);
  ASSERT_EQ(Read(), "");  // the previous scene: motion m, slot s holds 100 m + s
  // The new scene: every key shape +1, env.ini changed, and line 215 (motion 10's last slot) missing.
  auto lines = test::MotionLines();
  for (int m = 0; m < kFileMotions; ++m)
    for (int slot = 0; slot < kFileSlots; ++slot)
      lines[static_cast<size_t>(18 * (m + 1) + 3 + slot)] = std::to_string(100 * m + slot + 1);
  lines.pop_back();
  root.Write("dir10/motion.txt", test::CrLf(lines));
  root.Write("dir10/env.ini", "[ENV]\nLX=7\n");
  root.Write("dir10/marray.txt", test::CrLf(std::vector<std::string>(24, "5")));

  EXPECT_EQ(Read(), "リストのインデックスが範囲を超えています (215)");
  EXPECT_EQ(env.LX, 7.0f);
  EXPECT_EQ(env.Dist, 0.0f);
  EXPECT_EQ(env.MotionKeys[0][0], 1);
  EXPECT_EQ(env.MotionKeys[10][13], 1014);  // line 214, the last one there
  EXPECT_EQ(env.MotionKeys[10][14], 1014);  // line 215: still the previous scene's value
  EXPECT_EQ(env.MotionSelect[0][0], 0);     // marray.txt was not read
}

TEST_F(SceneEnvironmentRead, LinesPastTheTablesAreIgnored) {
  test::WriteScene(root, 10);
  auto select = test::SelectLines();
  for (int i = 0; i < 6; ++i) select.push_back("garbage");
  root.Write("dir10/marray.txt", test::CrLf(select));
  auto motion = test::MotionLines();
  motion.push_back("garbage");
  root.Write("dir10/motion.txt", test::CrLf(motion));
  EXPECT_EQ(Read(), "");
}

}  // namespace
