#include "demo/body_tools.h"

#include <cmath>

namespace demo {

gfx::Vec3 Dir(float x, float y, float z) { return gfx::Vec3Normalize({x, y, z}); }

float Lump(gfx::Vec3 direction, gfx::Vec3 axis, float sigma_side, float sigma_front, float sharpness) {
  const float along = gfx::Dot(direction, axis);
  if (along <= 0.0f) return 0.0f;
  // The direction's offset from the axis, split into a horizontal part and a front-to-back part.
  const gfx::Vec3 offset = direction - axis * along;
  gfx::Vec3 side = gfx::Cross({0, 0, 1}, axis);
  if (gfx::Length(side) < 1e-4f) side = {1, 0, 0};
  side = gfx::Vec3Normalize(side);
  const gfx::Vec3 front = gfx::Vec3Normalize(gfx::Cross(axis, side));
  const float a = gfx::Dot(offset, side) / sigma_side, b = gfx::Dot(offset, front) / sigma_front;
  const float r2 = 0.5f * (a * a + b * b);
  return std::exp(-std::pow(r2, sharpness));
}

float SoftFloor(float y, float floor, float keep, float width) {
  const float below = floor - y;
  if (below <= 0.0f) return y;
  // A ramp that starts with zero slope: quadratic over the width, straight after.
  const float ramp = below < width ? below * below / (2.0f * width) : below - width * 0.5f;
  return y + (1.0f - keep) * ramp;
}

}  // namespace demo
