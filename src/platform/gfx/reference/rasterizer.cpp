#include "platform/gfx/reference/rasterizer.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/gfx/reference/span.h"

namespace gfx::reference {

namespace {

constexpr int kSubBits = 8;  // fixed-point fraction of the edge functions
constexpr std::int64_t kSub = std::int64_t{1} << kSubBits;
// A triangle whose corners' w differ so little that linear interpolation on the screen strays less
// than this many pixels from the perspective-correct one is shaded without the per-pixel division.
constexpr double kAffineTolerancePixels = 0.125;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {  // b > 0
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

struct Edge {
  std::int64_t a, b, c;  // E(px, py) = a * px + b * py + c, with px, py in sub-pixel units
};

Edge MakeEdge(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
  const std::int64_t dx = x1 - x0, dy = y1 - y0;
  // Pixels on a top or left edge belong to the triangle; on other edges they do not.
  const bool top_left = dy < 0 || (dy == 0 && dx > 0);
  return {-dy, dx, dy * x0 - dx * y0 - (top_left ? 0 : 1)};
}

}  // namespace

void RasterizeTriangle(const RenderTarget& target, const PixelState& state, const RasterVertex& in0,
                       const RasterVertex& in1, const RasterVertex& in2, int first_row, int last_row) {
  Image& color = *target.Color;
  const int width = color.Width, height = color.Height;
  const RasterVertex* v[3] = {&in0, &in1, &in2};
  for (const RasterVertex* p : v)
    if (!std::isfinite(p->x) || !std::isfinite(p->y) || std::abs(p->x) > 1e6f || std::abs(p->y) > 1e6f) return;

  // To the nearest sub-pixel (the coordinates are bounded above, so the conversion is defined).
  auto to_fixed = [](float c) {
    const double t = static_cast<double>(c) * kSub + 0.5;
    const auto i = static_cast<std::int64_t>(t);
    return i - (t < static_cast<double>(i));
  };
  std::int64_t fx[3], fy[3];
  for (int i = 0; i < 3; ++i) fx[i] = to_fixed(v[i]->x), fy[i] = to_fixed(v[i]->y);
  std::int64_t area = (fx[1] - fx[0]) * (fy[2] - fy[0]) - (fx[2] - fx[0]) * (fy[1] - fy[0]);
  if (area == 0) return;
  if (area < 0) {  // make the winding clockwise on the screen, where the inside is E >= 0
    std::swap(v[1], v[2]);
    std::swap(fx[1], fx[2]);
    std::swap(fy[1], fy[2]);
  }

  // Pixels whose centres lie inside the bounding box and the viewport.
  const std::int64_t min_x = std::max<std::int64_t>(0, FloorDiv(std::min({fx[0], fx[1], fx[2]}) + kSub - 1, kSub));
  const std::int64_t max_x = std::min<std::int64_t>(width - 1, FloorDiv(std::max({fx[0], fx[1], fx[2]}), kSub));
  const std::int64_t min_y = std::max<std::int64_t>(
      std::max(0, first_row), FloorDiv(std::min({fy[0], fy[1], fy[2]}) + kSub - 1, kSub));
  const std::int64_t max_y =
      std::min<std::int64_t>(std::min(height, last_row) - 1, FloorDiv(std::max({fy[0], fy[1], fy[2]}), kSub));
  if (min_x > max_x || min_y > max_y) return;

  const Edge e[3] = {MakeEdge(fx[0], fy[0], fx[1], fy[1]), MakeEdge(fx[1], fy[1], fx[2], fy[2]),
                     MakeEdge(fx[2], fy[2], fx[0], fy[0])};

  // Attribute planes in screen space: q(x, y) = q0 + gx (x - x0) + gy (y - y0).
  const double min_rhw = std::min({v[0]->rhw, v[1]->rhw, v[2]->rhw});
  const double max_rhw = std::max({v[0]->rhw, v[1]->rhw, v[2]->rhw});
  // From the whole triangle, not the part in this band, so that every band shades it alike.
  const double extent = static_cast<double>(
      std::max(std::max({fx[0], fx[1], fx[2]}) - std::min({fx[0], fx[1], fx[2]}),
               std::max({fy[0], fy[1], fy[2]}) - std::min({fy[0], fy[1], fy[2]})) / kSub + 1);
  const bool perspective = !(min_rhw > 0.0 && (max_rhw - min_rhw) / min_rhw * extent <= kAffineTolerancePixels);
  float q[3][kAttributes];
  for (int i = 0; i < 3; ++i) {
    const RasterVertex& p = *v[i];
    const float w = perspective ? p.rhw : 1.0f;
    const float values[kAttributes] = {p.z, p.rhw, p.r * w, p.g * w, p.b * w, p.a * w, p.sr * w, p.sg * w, p.sb * w,
                                       p.u * w, p.v * w};
    std::copy(values, values + kAttributes, q[i]);
  }
  const double x0 = v[0]->x, y0 = v[0]->y;
  const double ax = static_cast<double>(v[1]->x) - x0, ay = static_cast<double>(v[1]->y) - y0;
  const double bx = static_cast<double>(v[2]->x) - x0, by = static_cast<double>(v[2]->y) - y0;
  const double det = ax * by - bx * ay;
  if (det == 0.0) return;
  const double inverse_det = 1.0 / det;
  double origin[kAttributes], gx[kAttributes], gy[kAttributes];
  for (int k = 0; k < kAttributes; ++k) {
    const double d1 = static_cast<double>(q[1][k]) - q[0][k], d2 = static_cast<double>(q[2][k]) - q[0][k];
    gx[k] = (d1 * by - d2 * ay) * inverse_det;
    gy[k] = (d2 * ax - d1 * bx) * inverse_det;
    origin[k] = q[0][k] - gx[k] * x0 - gy[k] * y0;  // the plane's value at pixel (0, 0)
  }

  const bool textured = state.Texture != nullptr && !state.Texture->Empty();
  const SpanShader shade = PickSpanShader(ShaderKeyFor(state, textured, perspective));
  Span span;
  for (int k = 0; k < kAttributes; ++k) span.step[k] = static_cast<float>(gx[k]);

  std::int64_t row_e[3];
  for (int i = 0; i < 3; ++i) row_e[i] = e[i].a * (min_x * kSub) + e[i].b * (min_y * kSub) + e[i].c;
  const std::int64_t step_e[3] = {e[0].a * kSub, e[1].a * kSub, e[2].a * kSub};
  for (std::int64_t py = min_y; py <= max_y; ++py) {
    // The span of a convex triangle on this row: from the first pixel inside to the first one after.
    std::int64_t e0 = row_e[0], e1 = row_e[1], e2 = row_e[2];
    std::int64_t px = min_x;
    while (px <= max_x && (e0 | e1 | e2) < 0) ++px, e0 += step_e[0], e1 += step_e[1], e2 += step_e[2];
    const std::int64_t start = px;
    while (px <= max_x && (e0 | e1 | e2) >= 0) ++px, e0 += step_e[0], e1 += step_e[1], e2 += step_e[2];
    if (px > start) {
      const size_t offset = static_cast<size_t>(py * width + start);
      span.colour = color.Pixels.data() + offset;
      span.depth = target.Depth->data() + offset;
      span.count = static_cast<int>(px - start);
      for (int k = 0; k < kAttributes; ++k)
        span.q[k] = static_cast<float>(origin[k] + gx[k] * static_cast<double>(start) + gy[k] * static_cast<double>(py));
      shade(span, state);
    }
    for (int i = 0; i < 3; ++i) row_e[i] += e[i].b * kSub;
  }
}

}  // namespace gfx::reference
