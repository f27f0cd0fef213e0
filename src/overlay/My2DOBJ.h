#pragma once
// A textured quad in screen space (a sprite): made from an image file once, moved every frame by
// rewriting its four corners in place.
#include <array>
#include <memory>
#include <string>

#include "app/screen_vertex.h"
#include "platform/gfx/device.h"

using SpriteQuad = std::array<ScreenVertex, 4>;

class My2DOBJ {
 public:
  std::shared_ptr<gfx::VertexBuffer> VertexBuffer;
  std::shared_ptr<gfx::Texture> Texture;
  int PosX = 0;
  int PosY = 0;
  int Height = 0;
  int Width = 0;
  bool Created = false;

  // Marks the sprite as not created.
  My2DOBJ& Clear();
  // Loads the texture (a failure is not reported) and builds the quad at (left, top), height before
  // width, from the creation template. False when the vertex buffer cannot be made.
  bool Create(gfx::Device& device, const SpriteQuad& create_template, const std::string& file, float left, float top,
              float height, float width);
  // Draws the quad with its texture under the render states already set. Always true.
  bool Draw(gfx::Device& device);
  // Rewrites the corners for the rectangle, width before height, from the moving template; the
  // fields do not change. False when the buffer cannot be locked (or the sprite was never created).
  bool MoveTo(const SpriteQuad& move_template, float left, float top, float width, float height);
  // Moves the quad so that its centre lies at (x, y), the halves of the size truncated.
  void CenterAt(const SpriteQuad& move_template, float x, float y);
  // Releases the texture and the vertex buffer.
  void Free();

 private:
  bool WriteCorners(const SpriteQuad& quad_template, float left, float top, float width, float height);
};
