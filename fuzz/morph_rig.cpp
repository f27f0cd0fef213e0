#include "morph_rig.h"

#include <cstdlib>
#include <filesystem>

#include "mesh/mesh_fixture.h"
#include "mesh/morph.h"
#include "platform/gfx/reference/reference_device.h"
#include "platform/xfile/xfile_writer.h"
#include "scratch_dir.h"

namespace fuzz {
namespace {

std::unique_ptr<gfx::Device> SmallDevice() {
  return gfx::ReferenceDevice::Create(8, 8);
}

}  // namespace

std::string RigModelFile() { return xfile::WriteTextXFile(test::FanMesh(kRigVertices, kRigFaces)); }

std::pair<std::string, std::string> RigKeyShapeFiles() {
  const xfile::XMesh m = test::FanMesh(kRigVertices, kRigFaces);
  std::string idt, vdt;
  for (std::uint32_t i : m.Indices) {
    idt.push_back(static_cast<char>(i & 0xFF));
    idt.push_back(static_cast<char>(i >> 8));
  }
  for (const xfile::XVertex& v : m.Vertices) vdt.append(reinterpret_cast<const char*>(v.Position), 12);
  return {idt, vdt};
}

MotionArray RigMotions() {
  MotionArray a;
  for (auto& keys : a.MotionKeys) keys.fill(0);
  for (auto& keys : a.MotionKeys) keys[1] = 1;
  a.MotionSteps.fill(2);
  a.MotionRates.fill(1.0f);
  for (auto& points : a.MotionSelect) points.fill(0);
  return a;
}

MorphRig::MorphRig() : device_(SmallDevice()) {
  const std::string dir = "dir" + std::to_string(kRigScene);
  std::filesystem::create_directories(ScratchDir() + "/" + dir);
  WriteScratchFile(dir + "/model.x", RigModelFile());
  const auto [idt, vdt] = RigKeyShapeFiles();
  WriteScratchFile(dir + "/0.idt", idt);
  WriteScratchFile(dir + "/0.vdt", vdt);
  model_.Init();
  if (device_ == nullptr || !model_.Load(*device_, ScratchDir() + "/" + dir + "/model.x", kMeshLoadFlags)) std::abort();
  for (int i = 0; i < kMotionObjectCount; ++i) {
    key_shapes_.push_back(std::make_unique<MyMotionOBJ>());
    if (!key_shapes_.back()->Load(ScratchDir(), kRigScene, 0, nullptr)) std::abort();
  }
}

void MorphRig::Run(const MotionArray& motions, int frames, int grabbed_point) {
  int multi_pass = 0;
  MotionRandom random;
  MorphInputs in{motions, key_shapes_, 16.0f, 1.5f, grabbed_point, multi_pass, random};
  model_.MotionStep = 0;
  model_.StartMotion(in);
  model_.RecomputeNormals = true;
  for (int f = 0; f < frames; ++f) {
    model_.Morph(in);
    if (device_->BeginScene()) {
      model_.Draw(*device_, nullptr, multi_pass);
      device_->EndScene();
    }
  }
}

}  // namespace fuzz
