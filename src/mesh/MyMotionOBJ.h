#pragma once
// One key shape: its 16-bit face-corner list and its vertex positions.
#include <cstdint>
#include <vector>

#include "platform/gfx/math.h"

class MyMotionOBJ {
 public:
  void Clear();
  void Free();

  bool Loaded() const { return !Indices.empty() && !Positions.empty(); }

  std::vector<std::uint16_t> Indices;
  std::vector<gfx::Vec3> Positions;
};
