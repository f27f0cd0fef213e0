#include "demo/face_paint.h"

#include <cmath>

namespace demo {

namespace {

constexpr float kArcPi = 3.14159265f;

// A curve through the points f(0) .. f(1) drawn as joined round-ended segments.
template <class Curve>
void PaintCurve(FaceCanvas& canvas, Curve&& f, float thickness, Rgba ink) {
  constexpr int kSegments = 24;
  gfx::Image stroke(canvas.Image().Width, canvas.Image().Height, 0);
  for (int i = 0; i < kSegments; ++i) {
    const auto [x0, y0] = f(static_cast<float>(i) / kSegments);
    const auto [x1, y1] = f(static_cast<float>(i + 1) / kSegments);
    FillCapsule(stroke, canvas.PixelX(x0), canvas.PixelY(y0), canvas.PixelX(x1), canvas.PixelY(y1),
                canvas.ScaleX(thickness) * 0.5f, WithAlpha(ink, 1.0f));
  }
  // Drawn as one stroke so that the overlapping ends of the segments do not show.
  for (int y = 0; y < stroke.Height; ++y)
    for (int x = 0; x < stroke.Width; ++x) {
      const float a = static_cast<float>(stroke.At(x, y) >> 24) / 255.0f;
      if (a > 0.0f) BlendPixel(canvas.Image(), x, y, ink, a);
    }
}

}  // namespace

void PaintEye(FaceCanvas& canvas, float x, float y, float rx, float ry, Rgba dark, Rgba glow) {
  gfx::Image& image = canvas.Image();
  const float cx = canvas.PixelX(x), cy = canvas.PixelY(y), px = canvas.ScaleX(rx), py = canvas.ScaleY(ry);
  FillEllipse(image, cx, cy, px, py, dark);
  // The glow: a lighter crescent in the lower part of the eye, inside the oval.
  gfx::Image glow_layer(image.Width, image.Height, 0);
  FillEllipse(glow_layer, cx, cy + py * 0.35f, px * 0.7f, py * 0.5f, glow);
  for (int j = 0; j < image.Height; ++j)
    for (int i = 0; i < image.Width; ++i) {
      const float dx = (static_cast<float>(i) + 0.5f - cx) / px, dy = (static_cast<float>(j) + 0.5f - cy) / py;
      const float inside = Clamp01((1.0f - std::sqrt(dx * dx + dy * dy)) * std::fmin(px, py));
      const Rgba g = Unpack(glow_layer.At(i, j));
      if (g.a > 0.0f && inside > 0.0f) BlendPixel(image, i, j, WithAlpha(g, 1.0f), g.a * inside * 0.9f);
    }
  FillEllipse(image, cx - px * 0.32f, cy - py * 0.38f, px * 0.34f, py * 0.26f, Hex(0xFFFFFF));
  FillEllipse(image, cx + px * 0.3f, cy + py * 0.2f, px * 0.14f, py * 0.11f, Hex(0xFFFFFF, 0.9f));
}

void PaintClosedEye(FaceCanvas& canvas, float x, float y, float half_width, float height, float thickness, Rgba ink) {
  PaintCurve(canvas,
             [=](float t) {
               const float a = kArcPi * t;
               return std::pair{x - half_width * std::cos(a), y - height * std::sin(a)};
             },
             thickness, ink);
}

void PaintSmile(FaceCanvas& canvas, float x, float y, float half_width, float depth, float thickness, Rgba ink) {
  PaintCurve(canvas,
             [=](float t) {
               const float a = kArcPi * t;
               return std::pair{x - half_width * std::cos(a), y + depth * std::sin(a)};
             },
             thickness, ink);
}

void PaintOpenMouth(FaceCanvas& canvas, float x, float y, float rx, float ry, Rgba dark, Rgba tongue) {
  gfx::Image& image = canvas.Image();
  const float cx = canvas.PixelX(x), cy = canvas.PixelY(y), px = canvas.ScaleX(rx), py = canvas.ScaleY(ry);
  // A "D" turned on its back: flat top, round bottom.
  PaintShape(image, static_cast<int>(cx - px - 2), static_cast<int>(cy - py - 2), static_cast<int>(cx + px + 3),
             static_cast<int>(cy + py + 3),
             [=](float i, float j) {
               const float dx = (i - cx) / px, dy = (j - cy) / py;
               const float round = (std::sqrt(dx * dx + dy * dy) - 1.0f) * std::fmin(px, py);
               const float flat_top = (cy - py * 0.15f) - j;
               return std::fmax(round, flat_top);
             },
             dark);
  PaintShape(image, static_cast<int>(cx - px - 2), static_cast<int>(cy - py - 2), static_cast<int>(cx + px + 3),
             static_cast<int>(cy + py + 3),
             [=](float i, float j) {
               const float dx = (i - cx) / px, dy = (j - cy) / py;
               const float round = (std::sqrt(dx * dx + dy * dy) - 0.82f) * std::fmin(px, py);
               const float tdx = (i - cx) / (px * 0.6f), tdy = (j - (cy + py * 0.75f)) / (py * 0.45f);
               const float blob = (std::sqrt(tdx * tdx + tdy * tdy) - 1.0f) * std::fmin(px, py) * 0.5f;
               return std::fmax(round, blob);
             },
             tongue);
}

void PaintBlush(FaceCanvas& canvas, float x, float y, float rx, float ry, Rgba tint) {
  gfx::Image& image = canvas.Image();
  const float cx = canvas.PixelX(x), cy = canvas.PixelY(y), px = canvas.ScaleX(rx), py = canvas.ScaleY(ry);
  for (int j = static_cast<int>(cy - py * 1.6f); j <= static_cast<int>(cy + py * 1.6f); ++j)
    for (int i = static_cast<int>(cx - px * 1.6f); i <= static_cast<int>(cx + px * 1.6f); ++i) {
      const float dx = (static_cast<float>(i) + 0.5f - cx) / px, dy = (static_cast<float>(j) + 0.5f - cy) / py;
      BlendPixel(image, i, j, tint, std::exp(-2.2f * (dx * dx + dy * dy)));
    }
}

}  // namespace demo
