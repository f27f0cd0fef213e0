#include "demo/paint.h"

#include <algorithm>
#include <cmath>

namespace demo {

namespace {

int FloorToInt(float v) { return static_cast<int>(std::floor(v)); }
int CeilToInt(float v) { return static_cast<int>(std::ceil(v)); }

// Approximate distance to an ellipse: exact for circles, good enough near the edge otherwise.
float EllipseDistance(float x, float y, float cx, float cy, float rx, float ry) {
  const float dx = (x - cx) / rx, dy = (y - cy) / ry;
  return (std::sqrt(dx * dx + dy * dy) - 1.0f) * std::min(rx, ry);
}

}  // namespace

Rgba Hex(std::uint32_t rgb, float alpha) {
  return {static_cast<float>((rgb >> 16) & 0xFF) / 255.0f, static_cast<float>((rgb >> 8) & 0xFF) / 255.0f,
          static_cast<float>(rgb & 0xFF) / 255.0f, alpha};
}

Rgba Mix(Rgba a, Rgba b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Rgba WithAlpha(Rgba c, float alpha) {
  c.a = alpha;
  return c;
}

Rgba Shade(Rgba c, float k) {
  if (k <= 1.0f) return {c.r * k, c.g * k, c.b * k, c.a};
  return Mix(c, {1, 1, 1, c.a}, std::min(k - 1.0f, 1.0f));
}

float Clamp01(float v) { return v > 0.0f ? (v < 1.0f ? v : 1.0f) : 0.0f; }

float SmoothStep(float edge0, float edge1, float x) {
  const float t = Clamp01((x - edge0) / (edge1 - edge0));
  return t * t * (3.0f - 2.0f * t);
}

std::uint32_t Pack(Rgba c) {
  auto byte = [](float v) { return static_cast<std::uint32_t>(std::lround(Clamp01(v) * 255.0f)); };
  return (byte(c.a) << 24) | (byte(c.r) << 16) | (byte(c.g) << 8) | byte(c.b);
}

Rgba Unpack(std::uint32_t argb) {
  return {static_cast<float>((argb >> 16) & 0xFF) / 255.0f, static_cast<float>((argb >> 8) & 0xFF) / 255.0f,
          static_cast<float>(argb & 0xFF) / 255.0f, static_cast<float>(argb >> 24) / 255.0f};
}

void BlendPixel(gfx::Image& image, int x, int y, Rgba c, float coverage) {
  if (x < 0 || y < 0 || x >= image.Width || y >= image.Height) return;
  const float sa = Clamp01(c.a * coverage);
  if (sa <= 0.0f) return;
  std::uint32_t& pixel = image.At(x, y);
  const Rgba d = Unpack(pixel);
  const float out_a = sa + d.a * (1.0f - sa);
  if (out_a <= 0.0f) return;
  const float kd = d.a * (1.0f - sa);
  pixel = Pack({(c.r * sa + d.r * kd) / out_a, (c.g * sa + d.g * kd) / out_a, (c.b * sa + d.b * kd) / out_a, out_a});
}

void FillFunction(gfx::Image& image, const std::function<Rgba(float u, float v)>& f) {
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width; ++x)
      image.At(x, y) = Pack(f((static_cast<float>(x) + 0.5f) / static_cast<float>(image.Width),
                              (static_cast<float>(y) + 0.5f) / static_cast<float>(image.Height)));
}

void PaintShape(gfx::Image& image, int x0, int y0, int x1, int y1, const std::function<float(float x, float y)>& distance,
                Rgba c) {
  x0 = std::max(x0, 0), y0 = std::max(y0, 0);
  x1 = std::min(x1, image.Width), y1 = std::min(y1, image.Height);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const float d = distance(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
      BlendPixel(image, x, y, c, Clamp01(0.5f - d));
    }
}

void FillEllipse(gfx::Image& image, float cx, float cy, float rx, float ry, Rgba c) {
  PaintShape(image, FloorToInt(cx - rx - 2), FloorToInt(cy - ry - 2), CeilToInt(cx + rx + 2), CeilToInt(cy + ry + 2),
             [=](float x, float y) { return EllipseDistance(x, y, cx, cy, rx, ry); }, c);
}

void StrokeEllipse(gfx::Image& image, float cx, float cy, float rx, float ry, float width, Rgba c) {
  const float half = width * 0.5f;
  PaintShape(image, FloorToInt(cx - rx - half - 2), FloorToInt(cy - ry - half - 2), CeilToInt(cx + rx + half + 2),
             CeilToInt(cy + ry + half + 2),
             [=](float x, float y) { return std::fabs(EllipseDistance(x, y, cx, cy, rx, ry)) - half; }, c);
}

void FillRoundRect(gfx::Image& image, float x0, float y0, float x1, float y1, float radius, Rgba c) {
  const float cx = (x0 + x1) * 0.5f, cy = (y0 + y1) * 0.5f;
  const float hx = (x1 - x0) * 0.5f - radius, hy = (y1 - y0) * 0.5f - radius;
  PaintShape(image, FloorToInt(x0 - 1), FloorToInt(y0 - 1), CeilToInt(x1 + 1), CeilToInt(y1 + 1),
             [=](float x, float y) {
               const float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
               const float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
               return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - radius;
             },
             c);
}

void FillCapsule(gfx::Image& image, float ax, float ay, float bx, float by, float radius, Rgba c) {
  const float dx = bx - ax, dy = by - ay;
  const float length2 = std::max(dx * dx + dy * dy, 1e-6f);
  PaintShape(image, FloorToInt(std::min(ax, bx) - radius - 2), FloorToInt(std::min(ay, by) - radius - 2),
             CeilToInt(std::max(ax, bx) + radius + 2), CeilToInt(std::max(ay, by) + radius + 2),
             [=](float x, float y) {
               const float t = Clamp01(((x - ax) * dx + (y - ay) * dy) / length2);
               const float px = x - ax - dx * t, py = y - ay - dy * t;
               return std::sqrt(px * px + py * py) - radius;
             },
             c);
}

void PaintTwinkle(gfx::Image& image, float cx, float cy, float size, Rgba c) {
  const int x0 = FloorToInt(cx - size - 1), y0 = FloorToInt(cy - size - 1);
  const int x1 = CeilToInt(cx + size + 1), y1 = CeilToInt(cy + size + 1);
  for (int y = std::max(y0, 0); y < std::min(y1, image.Height); ++y)
    for (int x = std::max(x0, 0); x < std::min(x1, image.Width); ++x) {
      const float dx = std::fabs(static_cast<float>(x) + 0.5f - cx) / size;
      const float dy = std::fabs(static_cast<float>(y) + 0.5f - cy) / size;
      const float r = std::sqrt(dx * dx + dy * dy);
      // Rays: thin near the axes, fading to the tips; a soft round core in the middle.
      const float ray = std::max(Clamp01(1.0f - dx) * Clamp01(1.0f - dy * 9.0f), Clamp01(1.0f - dy) * Clamp01(1.0f - dx * 9.0f));
      const float core = std::exp(-r * r * 30.0f);
      BlendPixel(image, x, y, c, Clamp01(ray * ray + core));
    }
}

}  // namespace demo
