#pragma once
// The key shapes of a creature: poses made by bending its rest shape. Key shape i of every scene is
// pose i; the motion tables play them in sequences.
#include <array>

#include "platform/gfx/math.h"

namespace demo {

enum class Pose {
  Rest,          // 0: as modelled
  Breathe,       // 1: a little fuller and taller
  Squash,        // 2: flattened onto its base
  Stretch,       // 3: drawn up tall and thin
  TwistLeft,     // 4: the top turned left
  TwistRight,    // 5: the top turned right
  LeanLeft,      // 6: bent over to the left
  LeanRight,     // 7: bent over to the right
  ReachPoint1,   // 8: pulled out at control point 1
  ReachPoint2,   // 9: pulled out at control point 2
  ReachPoint3,   // 10: pulled out at control point 3
  Wobble,        // 11: rippled around its waist
  Hop,           // 12: stretched and off the ground
};
inline constexpr int kPoseCount = 13;

// Where the creature stands: its vertical axis through Centre, its base and top heights, its radius
// around the axis, and the grab points 1 to 3 on its surface.
struct PoseFrame {
  gfx::Vec3 Centre;
  float Bottom = 0, Top = 1, Radius = 1;
  std::array<gfx::Vec3, 3> Grab{};
};

// The point p of the rest shape moved into the pose.
gfx::Vec3 ApplyPose(Pose pose, const PoseFrame& frame, gfx::Vec3 p);

}  // namespace demo
