#pragma once
// Clipping of triangles in clip space: against the near and far planes (0 <= z <= w) and a guard band
// around the viewport, so that what reaches the rasteriser has w > 0 and bounded screen coordinates.
#include <array>

#include "platform/gfx/reference/vertex_stage.h"

namespace gfx::reference {

// Screen coordinates may reach this many viewport half-sizes from the centre before x and y are clipped.
inline constexpr float kGuardBand = 8.0f;

// A convex polygon: a triangle, grown by at most one vertex per plane.
struct ClipPolygon {
  std::array<ClipVertex, 12> Vertices;
  int Count = 0;
};

// True when the vertex needs no clipping.
bool Inside(const ClipVertex& v);

// Clips the triangle; the result has fewer than three vertices when nothing of it is visible.
// Triangles with a non-finite coordinate are dropped whole.
void ClipTriangle(const ClipVertex& a, const ClipVertex& b, const ClipVertex& c, ClipPolygon& out);

}  // namespace gfx::reference
