#pragma once
// Where the origin of the current world transform lands on the 640 x 480 panel.
#include <optional>

#include "platform/gfx/device.h"

struct ScreenPoint {
  int X = 0, Y = 0;
};

// Nothing when the point is behind the eye or beyond the far plane (or the transforms are not finite).
std::optional<ScreenPoint> ProjectWorldOrigin(const gfx::Device& device);
