#pragma once
// What the benchmarks share: timing, and the largest model the viewer takes.
#include <chrono>
#include <cmath>
#include <cstdint>

#include "platform/xfile/xfile.h"

namespace bench {

// Seconds per call of f, over `repetitions` calls after one to warm the caches.
template <class F>
double SecondsPerCall(int repetitions, F&& f) {
  f();
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < repetitions; ++i) f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / repetitions;
}

// A sphere of 2 x 127 x 86 + 1 = 21,845 triangles (the most 16-bit indices allow) over 11,136
// vertices, with normals and texture coordinates, one material.
inline xfile::XMesh LargestModel() {
  xfile::XMesh m;
  const int slices = 127, stacks = 86;
  for (int j = 0; j <= stacks; ++j)
    for (int i = 0; i <= slices; ++i) {
      const float phi = 3.14159265f * static_cast<float>(j) / stacks;
      const float theta = 6.2831853f * static_cast<float>(i) / slices;
      const float n[3] = {std::sin(phi) * std::cos(theta), std::cos(phi), std::sin(phi) * std::sin(theta)};
      m.Vertices.push_back({{n[0], n[1], n[2]}, {n[0], n[1], n[2]}, static_cast<float>(i) / slices,
                            static_cast<float>(j) / stacks});
    }
  const std::uint32_t row = slices + 1;
  for (int j = 0; j < stacks; ++j)
    for (int i = 0; i < slices; ++i) {
      const std::uint32_t a = static_cast<std::uint32_t>(j) * row + static_cast<std::uint32_t>(i), b = a + 1,
                          c = a + row, d = c + 1;
      m.Indices.insert(m.Indices.end(), {a, b, c, b, d, c});
      m.FaceMaterials.insert(m.FaceMaterials.end(), {0u, 0u});
    }
  m.Indices.insert(m.Indices.end(), {0u, 1u, row + 1});
  m.FaceMaterials.push_back(0u);
  xfile::XMaterial material;
  material.TextureFileName = "dir10\\skin.dds";
  m.Materials.push_back(material);
  m.HasNormals = m.HasTextureCoords = true;
  return m;
}

}  // namespace bench
