#include <gtest/gtest.h>

#include "app/Unit1.h"
#include "frontends/cli/headless.h"
#include "support/fake_driver.h"
#include "support/scene_files.h"
#include "support/temp_dir.h"

namespace {

using gfx::DeviceType;
using test::FakeDriverConfig;

struct DeviceCase {
  const char* name;
  bool no_driver;
  FakeDriverConfig config;
  std::vector<test::FakeDriverLog::Try> expected_tries;
  const char* message;  // nullptr: no message box
};

class DeviceSetup : public ::testing::TestWithParam<DeviceCase> {};

TEST_P(DeviceSetup, FallsBackInOrderAndReportsOnlyTotalFailure) {
  const DeviceCase& c = GetParam();
  test::TempDir root;
  test::WriteScene(root, 10);
  test::CurrentDirScope cwd(root.Path());
  auto log = std::make_shared<test::FakeDriverLog>();
  cli::HeadlessOptions options;
  options.CreateDriver = [&](unsigned) -> std::unique_ptr<gfx::Driver> {
    if (c.no_driver) return nullptr;
    return test::MakeFakeDriver(c.config, log);
  };
  cli::HeadlessSession session(options);
  session.Start();
  session.Idle(3);

  const ViewerState& s = session.GetViewer().State;
  ASSERT_EQ(log->Tries.size(), c.expected_tries.size());
  for (size_t i = 0; i < c.expected_tries.size(); ++i) {
    EXPECT_EQ(log->Tries[i].Type, c.expected_tries[i].Type) << i;
    EXPECT_EQ(log->Tries[i].Behavior, c.expected_tries[i].Behavior) << i;
  }
  const std::string scene_status = session.Form().StatusBar1.Panels[3].Text;
  if (c.message == nullptr) {
    EXPECT_TRUE(session.MessageBoxes().empty());
    ASSERT_NE(s.Device, nullptr);
    EXPECT_EQ(s.PresentParams.BackBufferWidth, 640u);
    EXPECT_EQ(s.PresentParams.BackBufferHeight, 480u);
    EXPECT_EQ(s.PresentParams.BackBufferFormat, gfx::Format::R5G6B5);  // the desktop's format
    EXPECT_EQ(s.PresentParams.AutoDepthStencilFormat, gfx::Format::D16);
    EXPECT_TRUE(s.PresentParams.Windowed);
    EXPECT_EQ(scene_status, "Scene:10");
    EXPECT_EQ(session.Form().Panel1Window.Presents, 3u);
  } else {
    ASSERT_EQ(session.MessageBoxes().size(), 1u);
    EXPECT_EQ(session.MessageBoxes()[0].Caption, "Error");
    EXPECT_EQ(session.MessageBoxes()[0].Text, c.message);
    EXPECT_EQ(s.Device, nullptr);
    EXPECT_EQ(s.Direct3D != nullptr, !c.no_driver);
    EXPECT_EQ(scene_status, "");  // no shared resources, no scene
    // The window stays open and the loop runs, but nothing is drawn without a device.
    EXPECT_TRUE(s.Active);
    EXPECT_EQ(session.Form().Panel1Window.Presents, 0u);
    EXPECT_EQ(s.FrameCount, 3u);
  }
}

const std::vector<test::FakeDriverLog::Try> kAllTries = {{DeviceType::Hardware, 0x40},
                                                          {DeviceType::Hardware, 0x20},
                                                          {DeviceType::Reference, 0x20}};

INSTANTIATE_TEST_SUITE_P(
    Tries, DeviceSetup,
    ::testing::Values(
        DeviceCase{"hardware", false, {false, true, true, true, false}, {{DeviceType::Hardware, 0x40}}, nullptr},
        DeviceCase{"software_vertex_processing", false, {false, false, true, true, false},
                   {{DeviceType::Hardware, 0x40}, {DeviceType::Hardware, 0x20}}, nullptr},
        DeviceCase{"reference", false, {false, false, false, true, false}, kAllTries, nullptr},
        DeviceCase{"none", false, {false, false, false, false, false}, kAllTries,
                   "Direct3Dデバイスの生成に失敗しました"},
        DeviceCase{"no_display_mode", false, {true, true, true, true, false}, {}, "画面モードの取得に失敗しました"},
        DeviceCase{"no_driver", true, {}, {}, "Direct3Dの作成に失敗しました"}),
    [](const auto& case_info) { return std::string(case_info.param.name); });

TEST(DeviceReset, AFailedPresentResetsOncePerPassAndTheLoopGoesOn) {
  test::TempDir root;
  test::CurrentDirScope cwd(root.Path());
  auto log = std::make_shared<test::FakeDriverLog>();
  cli::HeadlessOptions options;
  FakeDriverConfig config;
  config.PresentFails = true;
  options.CreateDriver = [&](unsigned) { return test::MakeFakeDriver(config, log); };
  cli::HeadlessSession session(options);
  session.Start();
  session.Idle(4);
  EXPECT_EQ(log->Presents, 4);
  EXPECT_EQ(log->Resets, 4);
  EXPECT_TRUE(session.MessageBoxes().empty());
  EXPECT_EQ(session.GetViewer().State.FrameCount, 4u);
}

TEST(DeviceRelease, CloseReleasesTheDeviceOnceAndLaterEventsTouchNothing) {
  test::TempDir root;
  test::CurrentDirScope cwd(root.Path());
  cli::HeadlessSession session;
  session.Start();
  session.Idle(2);
  ASSERT_NE(session.GetViewer().State.Device, nullptr);
  EXPECT_TRUE(session.ShortCut(ui::CtrlKey('Q')));
  const ViewerState& s = session.GetViewer().State;
  EXPECT_TRUE(session.Closed());
  EXPECT_FALSE(s.Active);
  EXPECT_EQ(s.Device, nullptr);
  EXPECT_EQ(s.Direct3D, nullptr);
  // The components still exist for a front end that delivers late events; nothing reaches the logic.
  session.Idle(5);
  session.TimerTicks(2);
  session.MouseMove(10, 10, 0);
  EXPECT_FALSE(session.ShortCut(ui::CtrlKey('Q')));
  EXPECT_EQ(s.FrameCount, 2u);
}

}  // namespace
