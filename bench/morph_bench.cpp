// The per-frame cost of the model's animation on the largest model the viewer takes (21,845 faces,
// 65,535 corners): the key-shape blend, the normal recomputation, and both together, with the time
// per face corner and the memory traffic that implies.
// Usage: morph_bench [frames]
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
#include "bench/bench_support.h"
#include "platform/xfile/xfile_writer.h"

int main(int argc, char** argv) {
  const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
  const std::string dir = (std::filesystem::temp_directory_path() / "korvel-morph-bench").string();
  std::filesystem::create_directories(dir);
  const std::string path = dir + "/model.x";
  os::WriteWholeFile(path, xfile::WriteTextXFile(bench::LargestModel()));

  auto device = gfx::ReferenceDevice::Create(4, 4);
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

  const double morph = bench::SecondsPerCall(frames, [&] { model.Morph(in); });
  const double normals = bench::SecondsPerCall(frames, [&] { model.Mesh->ComputeNormals(model.Adjacency); });
  const double both = bench::SecondsPerCall(frames, [&] {
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
