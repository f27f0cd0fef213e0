#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "app/scene_check.h"
#include "demo_folder.h"
#include "environment/scene_environment.h"
#include "mesh/MyMotionOBJ.h"
#include "mesh/MyXOBJ.h"
#include "platform/gfx/reference/reference_device.h"
#include "platform/os/file.h"
#include "support/temp_dir.h"

namespace {

constexpr int kKeyShapes = 13;

std::unique_ptr<gfx::Device> LoadingDevice() {
  return gfx::ReferenceDevice::Create(4, 4);
}

std::string IndexBytes(const MyXOBJ& mesh) {
  return {reinterpret_cast<const char*>(mesh.IndexBuffer->Data()), size_t{mesh.NumIndices} * 2};
}

TEST(DemoScenes, PassTheSceneCheck) {
  // Textures are named from the folder the viewer runs in: the demo's root.
  const test::CurrentDirScope cwd(test::DemoFolder());
  auto device = LoadingDevice();
  for (int scene : test::kDemoScenes) {
    const auto problems = CheckScene(*device, test::DemoFolder(), scene);
    EXPECT_TRUE(problems.empty()) << scene << ": " << problems.front();
  }
}

// The morph pairs face corners of the model and of every key shape one to one: all must have the
// same faces in the same order once the loader has sorted them, and the exported files must say so.
TEST(DemoScenes, KeyShapesShareTheModelsFaces) {
  auto device = LoadingDevice();
  for (int scene : test::kDemoScenes) {
    const std::string dir = test::DemoFolder() + "/dir" + std::to_string(scene) + "/";
    MyXOBJ model;
    model.Init();
    ASSERT_TRUE(model.Load(*device, dir + "model.x", kMeshLoadFlags)) << model.LoadError;
    EXPECT_LE(model.NumFaces, 6000u) << scene;
    for (int k = 0; k < kKeyShapes; ++k) {
      MyXOBJ pose;
      pose.Init();
      ASSERT_TRUE(pose.Load(*device, dir + std::to_string(k) + ".x", kMeshLoadFlags)) << scene << "/" << k;
      EXPECT_EQ(pose.NumFaces, model.NumFaces) << scene << "/" << k;
      EXPECT_TRUE(IndexBytes(pose) == IndexBytes(model)) << scene << "/" << k;
      EXPECT_TRUE(os::ReadWholeFile(dir + std::to_string(k) + ".idt") == IndexBytes(model)) << scene << "/" << k;
    }
  }
}

// A closed surface whose faces all point outwards encloses a positive volume, counted with the
// viewer's winding (clockwise fronts: (b - a) x (c - a) points out); every edge joins two faces.
TEST(DemoScenes, ModelsAreClosedAndFaceOutwards) {
  for (int scene : test::kDemoScenes) {
    const xfile::XMesh mesh = test::LoadDemoMesh(scene, "model.x");
    double volume = 0.0;
    std::map<std::pair<std::array<float, 3>, std::array<float, 3>>, int> edges;
    auto at = [&](std::uint32_t i) {
      const float* p = mesh.Vertices[i].Position;
      return std::array<float, 3>{p[0], p[1], p[2]};
    };
    for (size_t f = 0; f + 2 < mesh.Indices.size(); f += 3) {
      const auto a = at(mesh.Indices[f]), b = at(mesh.Indices[f + 1]), c = at(mesh.Indices[f + 2]);
      const double ab[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]}, ac[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
      const double n[3] = {ab[1] * ac[2] - ab[2] * ac[1], ab[2] * ac[0] - ab[0] * ac[2], ab[0] * ac[1] - ab[1] * ac[0]};
      volume += (a[0] * n[0] + a[1] * n[1] + a[2] * n[2]) / 6.0;
      const std::array<float, 3> corners[3] = {a, b, c};
      for (int k = 0; k < 3; ++k) ++edges[{corners[k], corners[(k + 1) % 3]}];
    }
    EXPECT_GT(volume, 0.5) << scene;
    int open = 0;
    for (const auto& [edge, count] : edges)
      if (count != 1 || edges.count({edge.second, edge.first}) == 0) ++open;
    EXPECT_EQ(open, 0) << scene;
  }
}

TEST(DemoScenes, MotionTablesPlayExportedKeyShapes) {
  for (int scene : test::kDemoScenes) {
    SceneEnvironment env;
    ReadSceneEnvironment(env, test::DemoFolder(), "dir" + std::to_string(scene));
    std::set<int> exported;
    for (int k = 0; k < 50; ++k) {
      MyMotionOBJ key;
      if (key.Load(test::DemoFolder(), scene, k, nullptr)) exported.insert(k);
    }
    EXPECT_EQ(exported.size(), static_cast<size_t>(kKeyShapes)) << scene;
    for (int m = 0; m < kFileMotions; ++m) {
      EXPECT_GE(env.MotionSteps[m], 1) << scene << " motion " << m;
      EXPECT_LE(env.MotionSteps[m], kFileSlots - 1) << scene << " motion " << m;
      EXPECT_GT(env.MotionRates[m], 0.0f) << scene << " motion " << m;
      for (int slot = 0; slot < kFileSlots; ++slot)
        EXPECT_TRUE(exported.count(env.MotionKeys[m][slot])) << scene << " motion " << m << " slot " << slot;
      // Every motion starts and ends at rest, so that motions follow each other without a jump.
      EXPECT_EQ(env.MotionKeys[m][0], 0) << scene << " motion " << m;
      EXPECT_EQ(env.MotionKeys[m][env.MotionSteps[m]], 0) << scene << " motion " << m;
    }
    // Nothing grabbed: the calm idles 0 and 1. Each grabbed point: lively motions, its own set.
    std::set<std::set<int>> point_sets;
    for (int p = 0; p < kSelectPoints; ++p) {
      std::set<int> drawn;
      for (int k = 0; k < kSelectAlternatives; ++k) {
        const int motion = env.MotionSelect[k][p];
        EXPECT_TRUE(motion >= 0 && motion < kFileMotions) << scene << " alternative " << k << " point " << p;
        if (k < 5) drawn.insert(motion);
      }
      if (p == 0) {
        EXPECT_EQ(drawn, (std::set<int>{0, 1})) << scene;
      } else {
        EXPECT_GE(*drawn.begin(), 2) << scene << " point " << p;
        point_sets.insert(drawn);
      }
    }
    EXPECT_EQ(point_sets.size(), 3u) << scene;
  }
}

// The camera looks at the model from a sensible distance; points 1 to 3 lie on its surface.
TEST(DemoScenes, CameraAndControlPointsSitOnTheModel) {
  for (int scene : test::kDemoScenes) {
    SceneEnvironment env;
    ReadSceneEnvironment(env, test::DemoFolder(), "dir" + std::to_string(scene));
    const xfile::XMesh mesh = test::LoadDemoMesh(scene, "model.x");
    float lo[3] = {1e9f, 1e9f, 1e9f}, hi[3] = {-1e9f, -1e9f, -1e9f};
    for (const auto& v : mesh.Vertices)
      for (int i = 0; i < 3; ++i) lo[i] = std::min(lo[i], v.Position[i]), hi[i] = std::max(hi[i], v.Position[i]);
    const float look[3] = {env.LX, env.LY, env.LZ};
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(look[i] > lo[i] && look[i] < hi[i]) << scene << " axis " << i;
    EXPECT_GE(env.Dist, 3.0f) << scene;
    EXPECT_LE(env.Dist, 7.5f) << scene;
    EXPECT_GT(env.Pitch, 0.1f) << scene;
    EXPECT_LT(env.Pitch, 0.45f) << scene;
    const float points[3][3] = {{env.CP1X, env.CP1Y, env.CP1Z}, {env.CP2X, env.CP2Y, env.CP2Z}, {env.CP3X, env.CP3Y, env.CP3Z}};
    for (const auto& p : points) {
      float nearest = 1e9f;
      for (const auto& v : mesh.Vertices) {
        const float dx = v.Position[0] - p[0], dy = v.Position[1] - p[1], dz = v.Position[2] - p[2];
        nearest = std::min(nearest, std::sqrt(dx * dx + dy * dy + dz * dz));
      }
      EXPECT_LT(nearest, 0.1f) << scene;
    }
  }
}

}  // namespace
