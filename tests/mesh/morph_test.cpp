#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>

#include "mesh/MyXOBJ.h"
#include "mesh/mesh_fixture.h"
#include "mesh/morph.h"
#include "platform/xfile/xfile_writer.h"
#include "support/temp_dir.h"

namespace {

TEST(MotionRandom, DrawsTheSameSequenceInEveryProcess) {
  MotionRandom random;
  for (int expected : {130, 10982, 1090, 11656, 7117}) EXPECT_EQ(random.Next(), expected);
}

// A model of three triangles and key shapes built from it: key shape i moves every vertex by i along
// x; odd key shapes number their vertices backwards (the same faces in the same order).
class Morph : public ::testing::Test {
 public:
  Morph() {
    root.Write("model.x", xfile::WriteTextXFile(test::FanMesh(5, 3)));
    model.Init();
    EXPECT_TRUE(model.Load(*device, root / "model.x", kMeshLoadFlags));
    original = Positions();
    BuildKeyShapes();
    // Every alternative and grab point plays motion 2: slots 0, 1, 2, 3, four steps, speed 1.
    for (auto& alternative : env.MotionSelect) alternative.fill(2);
    env.MotionSteps[2] = 4;
    env.MotionRates[2] = 1.0f;
    env.MotionKeys[2] = {0, 1, 2, 3, 0};
  }

  void BuildKeyShapes() {
    keys.clear();
    for (int i = 0; i < 4; ++i) {
      auto key = std::make_unique<MyMotionOBJ>();
      key->Clear();
      const std::uint32_t n = model.NumVertices;
      std::vector<float> positions(3 * n);
      for (std::uint32_t v = 0; v < n; ++v) {
        const std::uint32_t slot = i % 2 ? n - 1 - v : v;
        positions[3 * slot] = original[v].x + static_cast<float>(i);
        positions[3 * slot + 1] = original[v].y;
        positions[3 * slot + 2] = original[v].z;
      }
      std::uint16_t index[9];
      std::memcpy(index, model.IndexBuffer->Data(), sizeof index);
      std::vector<std::uint16_t> indices;
      for (std::uint16_t v : index) indices.push_back(static_cast<std::uint16_t>(i % 2 ? n - 1 - v : v));
      key->Fill(std::move(indices), std::move(positions));
      keys.push_back(std::move(key));
    }
  }

  std::vector<gfx::Vec3> Positions() const {
    std::vector<gfx::Vec3> p(model.NumVertices);
    for (std::uint32_t v = 0; v < model.NumVertices; ++v) std::memcpy(&p[v], model.VertexBuffer->Data() + v * 32, 12);
    return p;
  }

  MorphInputs Inputs(float frame_time, float morph_speed = 1.0f, int grabbed = 0) {
    return MorphInputs{env, keys, frame_time, morph_speed, grabbed, multi_pass, random};
  }

  test::TempDir root;
  std::unique_ptr<gfx::Device> device = test::LoadingDevice();
  MyXOBJ model;
  std::vector<gfx::Vec3> original;
  std::vector<std::unique_ptr<MyMotionOBJ>> keys;
  MotionArray env;
  int multi_pass = 0;
  MotionRandom random;
};

TEST_F(Morph, BlendsCornerByCornerAlsoAcrossDifferentVertexNumbers) {
  auto in = Inputs(0.1f);
  model.StartMotion(in);
  EXPECT_EQ(model.MotionRow, 2);
  EXPECT_EQ(model.MotionEnd, 5);
  model.Morph(in);  // t = 0: slot 0 exactly
  EXPECT_FLOAT_EQ(Positions()[1].x, original[1].x);
  EXPECT_FLOAT_EQ(model.MotionT, 0.3f);  // 0.1 s x 15 / 5 x 1
  model.Morph(in);  // t = 0.3 between key shape 0 and key shape 1 (numbered backwards)
  for (std::uint32_t v = 0; v < model.NumVertices; ++v) {
    EXPECT_FLOAT_EQ(Positions()[v].x, original[v].x + 0.3f) << v;
    EXPECT_FLOAT_EQ(Positions()[v].y, original[v].y) << v;
  }
}

TEST_F(Morph, StepsWhenTheParameterPassesOneAndDrawsTheNextMotionAtTheEnd) {
  auto in = Inputs(0.1f);
  model.StartMotion(in);
  // 0.3 per frame: the step is taken in the frame that passes 1.0 (the fourth), the overshoot dropped.
  for (int frame = 0; frame < 3; ++frame) model.Morph(in);
  EXPECT_EQ(model.MotionStep, 0);
  model.Morph(in);
  EXPECT_EQ(model.MotionStep, 1);
  EXPECT_EQ(model.MotionT, 0.0f);
  for (int frame = 0; frame < 4 * 3; ++frame) model.Morph(in);
  EXPECT_EQ(model.MotionStep, 0);  // four steps done: the next motion starts at slot 0
  // No frame time yet: nothing moves.
  auto still = Inputs(0.0f);
  model.Morph(still);
  EXPECT_EQ(model.MotionT, 0.0f);
}

TEST_F(Morph, ExtraPassesRiseWithFastMotionsAboveOneAndFallOtherwise) {
  auto fast = Inputs(1.0f, 1.5f);  // every frame completes a step
  model.StartMotion(fast);
  for (int expected : {1, 2, 3, 3}) {
    model.Morph(fast);
    EXPECT_EQ(multi_pass, expected);
  }
  auto slow = Inputs(1.0f, 1.0f);
  for (int expected : {2, 1, 0, 0}) {
    model.Morph(slow);
    EXPECT_EQ(multi_pass, expected);
  }
  for (auto& alternative : env.MotionSelect) alternative.fill(1);  // motions 0 and 1 always lower it
  multi_pass = 2;
  model.StartMotion(fast);
  env.MotionSteps[1] = 4;
  env.MotionRates[1] = 1.0f;
  model.Morph(fast);
  EXPECT_EQ(multi_pass, 1);
}

TEST_F(Morph, TablesAndKeyShapesThatDoNotFitKeepTheModelsShape) {
  struct Case {
    const char* name;
    std::function<void(Morph&)> damage;
  };
  const Case cases[] = {
      {"selection outside the tables", [](Morph& m) { for (auto& a : m.env.MotionSelect) a.fill(99); }},
      {"negative selection", [](Morph& m) { for (auto& a : m.env.MotionSelect) a.fill(-5); }},
      {"key number past 49", [](Morph& m) { m.env.MotionKeys[2][0] = 50; }},
      {"negative key number", [](Morph& m) { m.env.MotionKeys[2][1] = -1; }},
      {"empty key shape", [](Morph& m) { m.keys[1]->Loaded = false; }},
      {"too few corners", [](Morph& m) { m.keys[0]->Indices.resize(5); }},
      {"corner past the positions",
       [](Morph& m) {
         auto indices = m.keys[1]->Indices;
         indices[4] = 400;
         m.keys[1]->Fill(indices, m.keys[1]->Positions);
       }},
      {"corner past the positions, changed in place", [](Morph& m) { m.keys[1]->Indices[4] = 400; }},
      {"steps past the slots", [](Morph& m) { m.env.MotionSteps[2] = 2147483647; }},
      {"negative steps", [](Morph& m) { m.env.MotionSteps[2] = -2147483647 - 1; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BuildKeyShapes();
    for (auto& alternative : env.MotionSelect) alternative.fill(2);
    env.MotionSteps[2] = 4;
    env.MotionKeys[2] = {0, 1, 2, 3, 0};
    c.damage(*this);
    auto in = Inputs(0.1f, 3.5f, 7);  // a grab point outside the table too
    model.StartMotion(in);
    for (int frame = 0; frame < 50; ++frame) model.Morph(in);
    // Under the sanitizers any read or write out of bounds fails here; the shape stays finite.
    for (const gfx::Vec3& p : Positions()) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z));
  }
  // A motion outside the tables leaves the model exactly as it was.
  MyXOBJ fresh;
  fresh.Init();
  ASSERT_TRUE(fresh.Load(*device, root / "model.x", kMeshLoadFlags));
  for (auto& alternative : env.MotionSelect) alternative.fill(20);
  auto in = Inputs(0.1f);
  fresh.StartMotion(in);
  for (int frame = 0; frame < 10; ++frame) fresh.Morph(in);
  for (std::uint32_t v = 0; v < fresh.NumVertices; ++v) {
    gfx::Vec3 p;
    std::memcpy(&p, fresh.VertexBuffer->Data() + v * 32, 12);
    EXPECT_EQ(p.x, original[v].x);
  }
}

}  // namespace
