#pragma once
// The pixel side of the reference device: triangle set-up, rasterisation with pixel centres on
// integer coordinates and the top-left fill rule, perspective-correct interpolation, texture stage 0,
// the specular add, the depth test and blending.
#include <cstdint>
#include <vector>

#include "platform/gfx/image.h"

namespace gfx::reference {

// A vertex on the screen: pixel position, depth 0..1, 1 / w, and the attributes as the vertex
// stage left them (not yet divided by w).
struct RasterVertex {
  float x, y, z, rhw;
  float r, g, b, a;
  float sr, sg, sb;
  float u, v;
};

// The states that decide what a pixel becomes, fixed for one draw call.
struct PixelState {
  bool DepthTest = true;
  bool DepthWrite = true;
  bool Blend = false;
  std::uint32_t SrcBlend = 0, DestBlend = 0;
  const Image* Texture = nullptr;  // stage 0; nothing counts as white, alpha 1
  std::uint32_t ColorOp = 0, ColorArg1 = 0, ColorArg2 = 0;
  std::uint32_t AlphaOp = 0, AlphaArg1 = 0, AlphaArg2 = 0;
  bool Specular = false;
};

struct RenderTarget {
  Image* Color = nullptr;
  std::vector<float>* Depth = nullptr;  // one value per pixel, 0 (near) .. 1 (far)
};

// Draws the triangle whatever its winding (culling is the caller's); degenerate ones draw nothing.
// Only rows first_row .. last_row - 1 are touched.
void RasterizeTriangle(const RenderTarget& target, const PixelState& state, const RasterVertex& v0,
                       const RasterVertex& v1, const RasterVertex& v2, int first_row, int last_row);

}  // namespace gfx::reference
