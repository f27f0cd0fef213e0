// Reading speed of the .x reader on the largest model the viewer takes (21,845 faces), in the text
// and the binary form, in megabytes per second; beside it, in the same run, the .x importer of the
// Assimp library where it is installed (parsing only, no post-processing).
// Usage: xfile_bench [repetitions]
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>

#include "platform/xfile/xfile_writer.h"

#if defined(KORVEL_HAVE_ASSIMP)
#include <assimp/Importer.hpp>
#include <assimp/scene.h>
#endif

namespace {

xfile::XMesh LargestModel() {
  xfile::XMesh m;
  const int slices = 127, stacks = 86;
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
  xfile::XMaterial material;
  material.TextureFileName = "dir10\\skin.dds";
  m.Materials.push_back(material);
  m.HasNormals = m.HasTextureCoords = true;
  return m;
}

template <class F>
double MegabytesPerSecond(int repetitions, size_t bytes, F&& read) {
  read();
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < repetitions; ++i) read();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return static_cast<double>(bytes) * repetitions / seconds / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  const xfile::XMesh model = LargestModel();
  const std::pair<const char*, std::string> files[] = {{"text", xfile::WriteTextXFile(model)},
                                                        {"binary", xfile::WriteBinaryXFile(model)}};
  std::printf("largest model: %zu vertices, %zu faces; %d repetitions\n", model.Vertices.size(),
              model.Indices.size() / 3, repetitions);
  for (const auto& [form, bytes] : files) {
    const double ours = MegabytesPerSecond(repetitions, bytes.size(), [&] {
      if (!std::holds_alternative<xfile::XMesh>(xfile::ReadXFile(bytes))) std::abort();
    });
    std::printf("%-6s %8.2f MB file: korvel %8.1f MB/s", form, static_cast<double>(bytes.size()) / 1e6, ours);
#if defined(KORVEL_HAVE_ASSIMP)
    const double assimp = MegabytesPerSecond(repetitions, bytes.size(), [&] {
      Assimp::Importer importer;
      if (importer.ReadFileFromMemory(bytes.data(), bytes.size(), 0, "x") == nullptr) std::abort();
    });
    std::printf("   assimp %8.1f MB/s   ratio %5.2f", assimp, ours / assimp);
#else
    std::printf("   (Assimp not installed: no comparison)");
#endif
    std::printf("\n");
  }
  return 0;
}
