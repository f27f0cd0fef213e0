#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <variant>
#include <vector>

#include "app/Unit1.h"
#include "demo/demo_folder.h"
#include "frontends/cli/cli.h"
#include "frontends/cli/headless.h"
#include "platform/gfx/driver.h"
#include "platform/gfx/texture_file.h"
#include "support/picture_compare.h"
#include "support/temp_dir.h"

namespace {

struct Scene {
  int id;
  ui::KeyCode key;
};
constexpr Scene kScenes[] = {{10, ui::key::F(1)}, {20, ui::key::F(2)}, {30, ui::key::F(3)}, {11, ui::key::Numpad(1)}};

// A demo scene after some frames of its animation on one device: the normal view, then the debug
// view one frame later.
std::vector<gfx::Image> Frames(const Scene& scene, bool opengl) {
  cli::HeadlessOptions options;
  options.OpenGL = opengl;
  cli::HeadlessSession session(options);
  session.Start();
  const auto& device = session.GetViewer().State.Device;
  EXPECT_TRUE(device);
  if (!device) return {};
  EXPECT_STREQ(gfx::DescribeDevice(*device), opengl ? "OpenGL, vertex processing on the GPU" : "reference");
  if (scene.id == 11) session.KeyUp(ui::key::F(1), 0);
  session.KeyUp(scene.key, 0);
  session.Idle(8);  // long enough for the frame time to drive the morph
  std::vector<gfx::Image> frames{session.LastFrame()};
  session.GetViewer().State.Debug = true;
  session.Idle(1);
  frames.push_back(session.LastFrame());
  return frames;
}

// The viewer's set-up takes the OpenGL device first where it is allowed; every demo scene, morphing,
// in the normal and the debug view, then looks as the reference device draws it.
TEST(OpenGLCrossCheck, EveryDemoSceneLooksAsTheReferenceDeviceDrawsIt) {
  test::CurrentDirScope cwd(test::DemoFolder());
  for (const Scene& scene : kScenes) {
    const std::vector<gfx::Image> expected = Frames(scene, false), actual = Frames(scene, true);
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
      const std::string name = "demo_scene" + std::to_string(scene.id) + (i == 1 ? "_debug" : "") + "_opengl";
      EXPECT_TRUE(test::LooksAlike(expected[i], actual[i], name));
    }
  }
}

gfx::Image ReadPng(const std::string& path) {
  auto decoded = gfx::LoadTextureFile(path);
  if (auto* image = std::get_if<gfx::Image>(&decoded)) return *image;
  ADD_FAILURE() << "cannot read " << path;
  return {};
}

TEST(OpenGLCrossCheck, KorvelRenderGivesAlikePicturesOnBothDevices) {
  test::TempDir out;
  const std::string script = out.Path() + "/frames.txt";
  std::ofstream(script) << "idle 12\n";
  std::ostringstream stdout_text, stderr_text;
  for (const char* device : {"reference", "opengl"}) {
    const std::string png = out.Path() + "/" + device + ".png";
    EXPECT_EQ(cli::Run({"render", "--root", test::DemoFolder(), "--device", device, "--script", script,
                        "--out", png},
                       stdout_text, stderr_text),
              0)
        << stderr_text.str();
  }
  EXPECT_NE(stderr_text.str().find("korvel render: device: OpenGL, vertex processing on the GPU"), std::string::npos);
  EXPECT_TRUE(test::LooksAlike(ReadPng(out.Path() + "/reference.png"), ReadPng(out.Path() + "/opengl.png"),
                               "korvel_render_opengl"));
}

}  // namespace
