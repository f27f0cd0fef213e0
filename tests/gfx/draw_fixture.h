#pragma once
// Small scenes for the device tests: a device of a chosen size, vertex buffers from arrays, and a
// tessellated sphere.
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/gfx/device_base.h"
#include "platform/gfx/reference/reference_device.h"
#include "platform/gfx/vertex_format.h"

namespace test {

struct MeshVertex {
  gfx::Vec3 position, normal;
  float u, v;
};
static_assert(sizeof(MeshVertex) == 32);

struct ScreenVertex {
  float x, y, z, rhw, u, v;
};

inline std::unique_ptr<gfx::Device> MakeDevice(unsigned width, unsigned height) {
  return gfx::ReferenceDevice::Create(width, height);
}

template <class Vertex>
std::shared_ptr<gfx::VertexBuffer> Upload(gfx::Device& device, const std::vector<Vertex>& vertices, unsigned fvf) {
  auto buffer = device.CreateVertexBuffer(vertices.size() * sizeof(Vertex), fvf);
  std::byte* p = buffer->Lock(0, 0);
  std::memcpy(p, vertices.data(), vertices.size() * sizeof(Vertex));
  buffer->Unlock();
  return buffer;
}

inline std::shared_ptr<gfx::IndexBuffer> UploadIndices(gfx::Device& device, const std::vector<std::uint16_t>& indices) {
  auto buffer = device.CreateIndexBuffer(indices.size() * 2);
  std::byte* p = buffer->Lock(0, 0);
  std::memcpy(p, indices.data(), indices.size() * 2);
  buffer->Unlock();
  return buffer;
}

// A unit sphere around the origin, faces wound clockwise as seen from outside (drawn with
// counter-clockwise culling), u around and v down.
inline void MakeSphere(int slices, int stacks, std::vector<MeshVertex>& vertices, std::vector<std::uint16_t>& indices) {
  for (int j = 0; j <= stacks; ++j) {
    const float phi = 3.14159265f * static_cast<float>(j) / static_cast<float>(stacks);
    for (int i = 0; i <= slices; ++i) {
      const float theta = 2.0f * 3.14159265f * static_cast<float>(i) / static_cast<float>(slices);
      const gfx::Vec3 n{std::sin(phi) * std::cos(theta), std::cos(phi), std::sin(phi) * std::sin(theta)};
      vertices.push_back({n, n, static_cast<float>(i) / static_cast<float>(slices),
                          static_cast<float>(j) / static_cast<float>(stacks)});
    }
  }
  const int row = slices + 1;
  for (int j = 0; j < stacks; ++j) {
    for (int i = 0; i < slices; ++i) {
      const auto a = static_cast<std::uint16_t>(j * row + i), b = static_cast<std::uint16_t>(a + 1),
                 c = static_cast<std::uint16_t>(a + row), d = static_cast<std::uint16_t>(c + 1);
      indices.insert(indices.end(), {a, b, c, b, d, c});
    }
  }
}

inline gfx::Image Solid(int width, int height, std::uint32_t argb) { return gfx::Image(width, height, argb); }

}  // namespace test
