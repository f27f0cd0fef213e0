#include "render/projection.h"

#include <cmath>

namespace {
constexpr double kHalfWidth = 320.0, kHalfHeight = 240.0;
}

std::optional<ScreenPoint> ProjectWorldOrigin(const gfx::Device& device) {
  gfx::Matrix projection, world, view;
  device.GetTransform(gfx::TransformType::Projection, projection);
  device.GetTransform(gfx::TransformType::World, world);
  device.GetTransform(gfx::TransformType::View, view);
  const gfx::Matrix m = gfx::MatrixMultiply(gfx::MatrixMultiply(world, view), projection);
  const double x = m[3][0], y = m[3][1], z = m[3][2], w = m[3][3];
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z) || !std::isfinite(w) || w == 0.0)
    return std::nullopt;
  const int depth = gfx::TruncToInt(z / w);
  if (depth < 0 || !(static_cast<double>(depth) < w)) return std::nullopt;
  return ScreenPoint{gfx::TruncToInt((x / w + 1.0) * kHalfWidth), gfx::TruncToInt((1.0 - y / w) * kHalfHeight)};
}
