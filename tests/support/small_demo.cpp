#include "support/small_demo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "demo/backdrop.h"
#include "demo/creature.h"
#include "demo/key_poses.h"
#include "demo/motion_tables.h"
#include "demo/output_files.h"
#include "demo/scene_writer.h"
#include "demo/sys_folder.h"
#include "platform/gfx/reference/reference_device.h"
#include "support/temp_dir.h"

namespace test {
namespace {

// A pedestal on a ground disc under a sky dome, each with a tiny texture: what a background needs,
// at a fraction of the demo's cost to load and draw.
demo::Backdrop SmallBackdrop(const std::string& folder, float depth) {
  demo::MeshBuilder b;
  const std::uint32_t sky = b.AddMaterial(demo::BackdropMaterial(folder + "\\sky.dds", 0.0f));
  const std::uint32_t stage = b.AddMaterial(demo::BackdropMaterial(folder + "\\stage.dds", 0.5f));
  demo::AddSkyDome(b, sky, 22.0f, 2.0f);
  demo::AddPedestal(b, stage, stage, stage, 1.5f, depth, 2.0f);
  demo::Backdrop out;
  out.Mesh = b.Build();
  out.Textures.push_back({"sky.dds", gfx::Image(8, 8, 0xFF80A0FF)});
  out.Textures.push_back({"stage.dds", gfx::Image(8, 8, 0xFFF0E0D0)});
  return out;
}

demo::SceneSetup SmallScene(int id, demo::CreatureDesign creature, int rows, int cols) {
  demo::SceneSetup scene;
  scene.Id = id;
  scene.Creature = std::move(creature);
  scene.Creature.Rows = rows;
  scene.Creature.Cols = cols;
  scene.MakeBackdrop = SmallBackdrop;
  return scene;
}

// Keeps key shapes 0 .. kSmallKeyShapes - 1 of a written scene, the motions stepping through them
// alone: each further key shape only adds to every start-up and export.
constexpr int kSmallKeyShapes = 4;

void KeepFewKeyShapes(const std::string& root, int id) {
  const std::string dir = root + "/dir" + std::to_string(id) + "/";
  for (int k = kSmallKeyShapes; k < demo::kPoseCount; ++k)
    for (const char* ext : {".x", ".idt", ".vdt"}) std::filesystem::remove(dir + std::to_string(k) + ext);
  std::vector<demo::MotionEntry> motions = demo::DemoMotions(false, 1.0f);
  for (demo::MotionEntry& motion : motions)
    for (int& key : motion.Keys) key %= kSmallKeyShapes;
  std::string error;
  ASSERT_TRUE(demo::WriteOutputFile(dir + "motion.txt", demo::MotionFileText(motions, false), &error)) << error;
}

void WriteSmallDemo(const std::string& root) {
  std::string error;
  ASSERT_TRUE(demo::WriteSysFolder(root, &error)) << error;
  const auto device = gfx::ReferenceDevice::Create(1, 1);
  ASSERT_TRUE(device);
  ASSERT_TRUE(demo::WriteScene(root, SmallScene(10, demo::MomoDesign(), 8, 12), *device, &error)) << error;
  ASSERT_TRUE(demo::WriteScene(root, SmallScene(20, demo::DripDesign(), 6, 10), *device, &error)) << error;
  KeepFewKeyShapes(root, 10);
  KeepFewKeyShapes(root, 20);
  ASSERT_TRUE(demo::WriteOutputFile(root + "/develop.txt", "", &error)) << error;
}

}  // namespace

const std::string& SmallDemoRoot() {
  static const std::unique_ptr<TempDir> dir = [] {
    auto made = std::make_unique<TempDir>();
    WriteSmallDemo(made->Path());
    return made;
  }();
  return dir->Path();
}

void CopySmallDemo(const std::string& dir) {
  std::filesystem::copy(SmallDemoRoot(), dir, std::filesystem::copy_options::recursive);
}

}  // namespace test
