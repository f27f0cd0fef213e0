#pragma once
// The vertex stage of the reference device: fetch, transform and light, per vertex.
#include <vector>

#include "platform/gfx/device_base.h"

namespace gfx::reference {

// A vertex after the vertex stage. Untransformed vertices are in clip space (x, y, z, w); screen
// vertices keep their pixel position in x, y, z and carry 1 / rhw in w.
struct ClipVertex {
  float x, y, z, w;
  float r, g, b, a;  // diffuse colour and alpha, 0..1
  float sr, sg, sb;  // specular colour, 0..1
  float u, v;
};

struct VertexBatch {
  std::vector<ClipVertex> Vertices;  // vertex i of the batch is stream vertex First + i
  unsigned First = 0;
  bool Screen = false;  // the vertices are already on the screen
};

// The camera position in world space, from a view matrix made of a rotation and a translation.
Vec3 EyeFromView(const Matrix& view);

// Whether the stream holds vertices first .. first + count - 1 whole, in a format the stage reads.
bool StreamHolds(const DeviceState& state, unsigned first, unsigned count);

// Runs the stage for stream vertices first .. first + count - 1 with the device's current state.
// False when the vertex format or stride is unusable or the range lies outside the stream.
bool RunVertexStage(const DeviceState& state, unsigned first, unsigned count, VertexBatch& batch);

}  // namespace gfx::reference
