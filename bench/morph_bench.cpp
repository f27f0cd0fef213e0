// The per-frame cost of the model's animation on the largest model the viewer takes (21,845 faces,
// 65,535 corners): the key-shape blend, the normal recomputation, and both together, with the time
// per face corner and the memory traffic that implies.
// Usage: morph_bench [frames]
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>

#include "mesh/MyXOBJ.h"
#include "mesh/morph.h"
#include "platform/gfx/reference/reference_device.h"
#include "platform/os/file.h"
#include "platform/xfile/xfile_writer.h"

namespace {

// A closed grid of 21,845 triangles over 11,000-odd vertices, wrapped on a sphere.
xfile::XMesh LargestModel() {
  xfile::XMesh m;
  const int slices = 127, stacks = 86;  // 2 x 127 x 86 = 21,844 faces
  for (int j = 0; j <= stacks; ++j)
    for (int i = 0; i <= slices; ++i) {
      const float phi = 3.14159265f * static_cast<float>(j) / stacks, theta = 6.2831853f * static_cast<float>(i) / slices;
      const float n[3] = {std::sin(phi) * std::cos(theta), std::cos(phi), std::sin(phi) * std::sin(theta)};
      m.Vertices.push_back({{n[0], n[1], n[2]}, {n[0], n[1], n[2]}, static_cast<float>(i) / slices, static_cast<float>(j) / stacks});
    }
  const std::uint32_t row = slices + 1;
  for (int j = 0; j < stacks; ++j)
    for (int i = 0; i < slices; ++i) {
      const std::uint32_t a = static_cast<std::uint32_t>(j) * row + static_cast<std::uint32_t>(i), b = a + 1, c = a + row, d = c + 1;
      m.Indices.insert(m.Indices.end(), {a, b, c, b, d, c});
      m.FaceMaterials.insert(m.FaceMaterials.end(), {0u, 0u});
    }
  m.Indices.insert(m.Indices.end(), {0, 1, row + 1});  // the 21,845th face
  m.FaceMaterials.push_back(0);
  m.Materials.push_back({});
  m.HasNormals = m.HasTextureCoords = true;
  return m;
}

template <class F>
double SecondsPerFrame(int frames, F&& f) {
  f();
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < frames; ++i) f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / frames;
}

}  // namespace

int main(int argc, char** argv) {
  const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
  const std::string dir = (std::filesystem::temp_directory_path() / "korvel-morph-bench").string();
  std::filesystem::create_directories(dir);
  const std::string path = dir + "/model.x";
  os::WriteWholeFile(path, xfile::WriteTextXFile(LargestModel()));

  gfx::PresentParameters p;
  p.BackBufferWidth = p.BackBufferHeight = 4;
  auto device = gfx::ReferenceDevice::Create(p);
  MyXOBJ model;
  model.Init();
  if (!model.Load(*device, path, kMeshLoadFlags)) {
    std::fprintf(stderr, "cannot load the model: %s\n", model.LoadError.c_str());
    return 1;
  }
  // Two key shapes: the model itself and a squashed copy.
  std::vector<std::unique_ptr<MyMotionOBJ>> keys;
  for (int k = 0; k < 2; ++k) {
    auto key = std::make_unique<MyMotionOBJ>();
    std::vector<std::uint16_t> indices(model.NumIndices);
    std::memcpy(indices.data(), model.IndexBuffer->Data(), model.NumIndices * 2u);
    std::vector<float> positions;
    for (std::uint32_t v = 0; v < model.NumVertices; ++v) {
      float pos[3];
      std::memcpy(pos, model.VertexBuffer->Data() + v * 32u, 12);
      positions.insert(positions.end(), {pos[0], pos[1] * (k ? 0.5f : 1.0f), pos[2]});
    }
    key->Fill(std::move(indices), std::move(positions));
    keys.push_back(std::move(key));
  }
  MotionArray motions;
  for (auto& alternative : motions.MotionSelect) alternative.fill(0);
  motions.MotionSteps[0] = 1;
  motions.MotionRates[0] = 0.01f;
  motions.MotionKeys[0][1] = 1;
  int multi_pass = 0;
  MotionRandom random;
  MorphInputs in{motions, keys, 1.0f / 60.0f, 1.0f, 0, multi_pass, random};
  model.StartMotion(in);

  const double morph = SecondsPerFrame(frames, [&] { model.Morph(in); });
  const double normals = SecondsPerFrame(frames, [&] { model.Mesh->ComputeNormals(model.Adjacency); });
  const double both = SecondsPerFrame(frames, [&] {
    model.Morph(in);
    model.Mesh->ComputeNormals(model.Adjacency);
  });
  const double corners = model.NumIndices;
  // Per corner the blend reads an index of the model and of both key shapes (6 bytes) and two
  // positions (24 bytes) and writes one position (12 bytes).
  const double blend_bytes = corners * 42.0;
  std::printf("model: %u faces, %u vertices, %u corners; %d frames\n", model.NumFaces, model.NumVertices,
              model.NumIndices, frames);
  std::printf("morph (blend):          %7.3f ms  %6.2f ns per corner  %6.2f GB/s touched\n", morph * 1e3,
              morph * 1e9 / corners, blend_bytes / morph / 1e9);
  std::printf("normal recomputation:   %7.3f ms  %6.2f ns per corner\n", normals * 1e3, normals * 1e9 / corners);
  std::printf("morph + normals:        %7.3f ms  (goal: at most 1 ms)\n", both * 1e3);
  std::filesystem::remove_all(dir);
  return 0;
}
