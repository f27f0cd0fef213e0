#pragma once
// Meshes for the mesh tests, made in code and written as X files.
#include <cmath>
#include <memory>
#include <string>

#include "platform/gfx/reference/reference_device.h"
#include "platform/xfile/xfile.h"

namespace test {

// A device to load meshes on; nothing is drawn.
inline std::unique_ptr<gfx::Device> LoadingDevice() {
  return gfx::ReferenceDevice::Create(4, 4);
}

// A fan of `faces` triangles around vertex 0 over `vertices` vertices on a circle in the z = 0 plane,
// face f using vertices 0, 1 + f % (vertices - 2), 2 + f % (vertices - 2); all faces material 0.
inline xfile::XMesh FanMesh(int vertices, int faces) {
  xfile::XMesh m;
  for (int i = 0; i < vertices; ++i) {
    const float a = static_cast<float>(i) * 0.1f;
    const float r = i == 0 ? 0.0f : 1.0f + 0.01f * static_cast<float>(i);
    m.Vertices.push_back({{r * std::cos(a), r * std::sin(a), 0.0f}, {0, 0, -1}, 0.5f, 0.25f});
  }
  for (int f = 0; f < faces; ++f) {
    const auto k = static_cast<std::uint32_t>(f % (vertices - 2));
    m.Indices.insert(m.Indices.end(), {0u, 1u + k, 2u + k});
    m.FaceMaterials.push_back(0);
  }
  m.Materials.push_back(xfile::XMaterial{});
  m.HasNormals = true;
  m.HasTextureCoords = true;
  return m;
}

}  // namespace test
