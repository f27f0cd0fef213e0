#pragma once
// Drawing into ARGB images for the demo art: float colours, and shapes with soft one-pixel edges so
// that point-sampled textures still look smooth.
#include <cstdint>
#include <functional>

#include "platform/gfx/image.h"

namespace demo {

// A colour with straight (not premultiplied) alpha, channels 0..1.
struct Rgba {
  float r = 0, g = 0, b = 0, a = 1;
};

// 0xRRGGBB with the given alpha.
Rgba Hex(std::uint32_t rgb, float alpha = 1.0f);
Rgba Mix(Rgba a, Rgba b, float t);
Rgba WithAlpha(Rgba c, float alpha);
// The colour scaled towards black (k < 1) or white (k > 1 moves k - 1 of the way to white).
Rgba Shade(Rgba c, float k);
std::uint32_t Pack(Rgba c);
Rgba Unpack(std::uint32_t argb);

float Clamp01(float v);
float SmoothStep(float edge0, float edge1, float x);

// Paints c over the pixel with the given coverage (source over destination, alpha included).
void BlendPixel(gfx::Image& image, int x, int y, Rgba c, float coverage);

// Sets every pixel to f(u, v), where (u, v) is the pixel's centre scaled to 0..1.
void FillFunction(gfx::Image& image, const std::function<Rgba(float u, float v)>& f);

// A shape given by its signed distance in pixels (negative inside) at pixel centres, painted over the
// pixels of the box [x0, x1) x [y0, y1) with a soft edge one pixel wide.
void PaintShape(gfx::Image& image, int x0, int y0, int x1, int y1, const std::function<float(float x, float y)>& distance,
                Rgba c);

// Shapes in pixel coordinates (a pixel's centre at +0.5).
void FillEllipse(gfx::Image& image, float cx, float cy, float rx, float ry, Rgba c);
void StrokeEllipse(gfx::Image& image, float cx, float cy, float rx, float ry, float width, Rgba c);
void FillRoundRect(gfx::Image& image, float x0, float y0, float x1, float y1, float radius, Rgba c);
// A segment with round ends: a thick line.
void FillCapsule(gfx::Image& image, float ax, float ay, float bx, float by, float radius, Rgba c);
// A four-pointed twinkle: two thin crossed rays and a round core, fading outwards.
void PaintTwinkle(gfx::Image& image, float cx, float cy, float size, Rgba c);

}  // namespace demo
