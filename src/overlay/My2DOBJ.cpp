#include "overlay/My2DOBJ.h"

#include <cstring>

#include "platform/gfx/math.h"
#include "platform/gfx/texture_loader.h"
#include "platform/gfx/vertex_format.h"

namespace {
constexpr std::size_t kQuadBytes = sizeof(SpriteQuad);
static_assert(kQuadBytes == 96);
}  // namespace

My2DOBJ& My2DOBJ::Clear() {
  Created = false;
  return *this;
}

bool My2DOBJ::WriteCorners(const SpriteQuad& quad_template, float left, float top, float width, float height) {
  SpriteQuad quad = quad_template;
  quad[0].x = left, quad[0].y = top;
  quad[1].x = left + width, quad[1].y = top;
  quad[2].x = left, quad[2].y = top + height;
  quad[3].x = left + width, quad[3].y = top + height;
  std::byte* p = VertexBuffer ? VertexBuffer->Lock(0, kQuadBytes) : nullptr;
  if (p == nullptr) return false;
  std::memcpy(p, quad.data(), kQuadBytes);
  VertexBuffer->Unlock();
  return true;
}

bool My2DOBJ::Create(gfx::Device& device, const SpriteQuad& create_template, const std::string& file, float left,
                     float top, float height, float width) {
  PosX = gfx::TruncToInt(left);
  PosY = gfx::TruncToInt(top);
  Height = gfx::TruncToInt(height);
  Width = gfx::TruncToInt(width);
  Texture = gfx::CreateTextureFromFile(device, file);
  VertexBuffer = device.CreateVertexBuffer(kQuadBytes, gfx::kFvfScreen);
  if (!VertexBuffer) return false;
  WriteCorners(create_template, static_cast<float>(PosX), static_cast<float>(PosY), static_cast<float>(Width),
               static_cast<float>(Height));
  Created = true;
  return true;
}

bool My2DOBJ::Draw(gfx::Device& device) {
  if (!Created) return true;
  device.SetTexture(0, Texture);
  device.SetStreamSource(0, VertexBuffer, sizeof(ScreenVertex));
  device.SetVertexShader(gfx::kFvfScreen);
  device.DrawPrimitive(gfx::PrimitiveType::TriangleStrip, 0, 2);
  return true;
}

bool My2DOBJ::MoveTo(const SpriteQuad& move_template, float left, float top, float width, float height) {
  return Created && WriteCorners(move_template, left, top, width, height);
}

void My2DOBJ::CenterAt(const SpriteQuad& move_template, float x, float y) {
  MoveTo(move_template, x - static_cast<float>(Width / 2), y - static_cast<float>(Height / 2), static_cast<float>(Width),
         static_cast<float>(Height));
}

void My2DOBJ::Free() {
  if (Created) {
    Texture.reset();
    VertexBuffer.reset();
  }
  Created = false;
}
