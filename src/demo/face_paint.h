#pragma once
// Painting a creature's features into its face texture. The face texture covers a window of the
// body's parameters; positions and sizes here are in arc lengths on the unit body, measured from the
// window's centre (x to the creature's left as seen from the front, that is screen right; y down),
// so that round features stay round whatever the window's proportions.
#include "demo/paint.h"
#include "platform/gfx/image.h"

namespace demo {

class FaceCanvas {
 public:
  FaceCanvas(gfx::Image& image, float width, float height) : image_(image), width_(width), height_(height) {}

  gfx::Image& Image() { return image_; }
  float PixelX(float x) const { return (x / width_ + 0.5f) * static_cast<float>(image_.Width); }
  float PixelY(float y) const { return (y / height_ + 0.5f) * static_cast<float>(image_.Height); }
  float ScaleX(float length) const { return length / width_ * static_cast<float>(image_.Width); }
  float ScaleY(float length) const { return length / height_ * static_cast<float>(image_.Height); }

 private:
  gfx::Image& image_;
  float width_, height_;
};

// An open cartoon eye: a dark oval with a coloured glow at the bottom and two highlights.
void PaintEye(FaceCanvas& canvas, float x, float y, float rx, float ry, Rgba dark, Rgba glow);
// A closed, happy eye: an arch.
void PaintClosedEye(FaceCanvas& canvas, float x, float y, float half_width, float height, float thickness, Rgba ink);
// A smile: the lower arc of an ellipse from x - half_width to x + half_width, sagging by depth.
void PaintSmile(FaceCanvas& canvas, float x, float y, float half_width, float depth, float thickness, Rgba ink);
// An open mouth: a dark rounded shape with a tongue at its bottom.
void PaintOpenMouth(FaceCanvas& canvas, float x, float y, float rx, float ry, Rgba dark, Rgba tongue);
// A soft round blush.
void PaintBlush(FaceCanvas& canvas, float x, float y, float rx, float ry, Rgba tint);

}  // namespace demo
