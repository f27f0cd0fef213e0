#pragma once
// The device's back buffer and depth buffer on the GPU: a frame buffer object with 8-bit colour
// channels and a 32-bit float depth buffer, its rows stored top to bottom as the picture's are.
#include <memory>

#include "platform/gfx/image.h"
#include "platform/gfx/opengl/gl.h"

namespace gfx::opengl {

class RenderTarget {
 public:
  // Nothing when the frame buffer cannot be made complete.
  static std::unique_ptr<RenderTarget> Create(int width, int height);
  ~RenderTarget();
  RenderTarget(const RenderTarget&) = delete;
  RenderTarget& operator=(const RenderTarget&) = delete;

  // Makes it the target of drawing, over its whole size.
  void Bind();
  // Fills the colour (0xAARRGGBB) and/or the depth buffer, whatever the write masks of the draws.
  void Clear(bool colour, std::uint32_t argb, bool depth, float z);
  // The colour buffer as a picture.
  void ReadInto(Image& image);
  // Copies the picture into the current window's back buffer, upright.
  void ShowInWindow();

 private:
  RenderTarget(int width, int height) : width_(width), height_(height) {}
  int width_, height_;
  GLuint framebuffer_ = 0, colour_ = 0, depth_ = 0;
};

}  // namespace gfx::opengl
