#pragma once
// The heaviest frame the viewer allows, drawn through the device interface so that any device can
// draw it: a lit, textured model of 21,844 triangles filling about half of the 640 x 480 panel, a
// textured background of 2,048 triangles filling all of it, and thirteen sprites.
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/gfx/device.h"
#include "platform/gfx/vertex_format.h"

namespace bench {

struct MeshVertex {
  gfx::Vec3 position, normal;
  float u, v;
};

struct Mesh {
  std::shared_ptr<gfx::VertexBuffer> vertices;
  std::shared_ptr<gfx::IndexBuffer> indices;
  unsigned vertex_count = 0, triangle_count = 0;
};

// A sphere of the radius around the origin; inward-facing when inside is set.
inline Mesh MakeSphere(gfx::Device& d, int slices, int stacks, float radius, bool inside) {
  std::vector<MeshVertex> v;
  std::vector<std::uint16_t> idx;
  for (int j = 0; j <= stacks; ++j) {
    const float phi = 3.14159265f * static_cast<float>(j) / static_cast<float>(stacks);
    for (int i = 0; i <= slices; ++i) {
      const float theta = 2.0f * 3.14159265f * static_cast<float>(i) / static_cast<float>(slices);
      const gfx::Vec3 n{std::sin(phi) * std::cos(theta), std::cos(phi), std::sin(phi) * std::sin(theta)};
      v.push_back({n * radius, inside ? n * -1.0f : n, 4.0f * static_cast<float>(i) / static_cast<float>(slices),
                   2.0f * static_cast<float>(j) / static_cast<float>(stacks)});
    }
  }
  const int row = slices + 1;
  for (int j = 0; j < stacks; ++j)
    for (int i = 0; i < slices; ++i) {
      const auto a = static_cast<std::uint16_t>(j * row + i), b = static_cast<std::uint16_t>(a + 1),
                 c = static_cast<std::uint16_t>(a + row), e = static_cast<std::uint16_t>(c + 1);
      if (inside) {
        idx.insert(idx.end(), {a, c, b, b, c, e});
      } else {
        idx.insert(idx.end(), {a, b, c, b, e, c});
      }
    }
  Mesh m;
  m.vertices = d.CreateVertexBuffer(v.size() * sizeof(MeshVertex), gfx::kFvfMesh);
  std::memcpy(m.vertices->Lock(0, 0), v.data(), v.size() * sizeof(MeshVertex));
  m.vertices->Unlock();
  m.indices = d.CreateIndexBuffer(idx.size() * 2);
  std::memcpy(m.indices->Lock(0, 0), idx.data(), idx.size() * 2);
  m.indices->Unlock();
  m.vertex_count = static_cast<unsigned>(v.size());
  m.triangle_count = static_cast<unsigned>(idx.size() / 3);
  return m;
}

inline std::shared_ptr<gfx::Texture> Checker(gfx::Device& d, std::uint32_t a, std::uint32_t b, std::uint32_t alpha) {
  gfx::Image image(256, 256);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) image.At(x, y) = (((x / 32) + (y / 32)) % 2 ? a : b) | (alpha << 24);
  return d.CreateTexture(std::move(image));
}

struct Scene {
  Mesh model, background;
  std::shared_ptr<gfx::Texture> model_texture, background_texture, sprite_texture;
  std::shared_ptr<gfx::VertexBuffer> sprites;
};

inline void DrawMesh(gfx::Device& d, const Mesh& m) {
  d.SetStreamSource(0, m.vertices, 32);
  d.SetIndices(m.indices, 0);
  d.SetVertexShader(gfx::kFvfMesh);
  d.DrawIndexedPrimitive(gfx::PrimitiveType::TriangleList, 0, m.vertex_count, 0, m.triangle_count);
}

// One frame as the viewer composes it: background, then the model with blending and specular on,
// then the sprites.
inline void DrawFrame(gfx::Device& d, const Scene& s, float clear_depth) {
  using gfx::RenderState;
  d.Clear(gfx::kClearTarget | gfx::kClearZBuffer, 0xFF505064, clear_depth, 0);
  d.BeginScene();
  d.SetRenderState(RenderState::Lighting, 1);
  d.SetRenderState(RenderState::ZEnable, 1);
  d.SetRenderState(RenderState::CullMode, gfx::kCullCounterClockwise);
  gfx::Material m;
  m.Diffuse = {0.9f, 0.9f, 0.9f, 1};
  m.Ambient = {0.3f, 0.3f, 0.3f, 1};
  m.Specular = {0.5f, 0.5f, 0.5f, 1};
  m.Power = 16;
  d.SetMaterial(m);
  d.SetTexture(0, s.background_texture);
  DrawMesh(d, s.background);
  d.SetRenderState(RenderState::AlphaBlendEnable, 1);
  d.SetRenderState(RenderState::SrcBlend, gfx::kBlendSrcAlpha);
  d.SetRenderState(RenderState::DestBlend, gfx::kBlendInvSrcAlpha);
  d.SetRenderState(RenderState::SpecularEnable, 1);
  d.SetTexture(0, s.model_texture);
  DrawMesh(d, s.model);
  d.SetTexture(0, s.sprite_texture);
  d.SetStreamSource(0, s.sprites, 24);
  d.SetVertexShader(gfx::kFvfScreen);
  for (unsigned i = 0; i < 13; ++i) d.DrawPrimitive(gfx::PrimitiveType::TriangleStrip, 4 * i, 2);
  d.EndScene();
}

// The scene's resources on the device, with its camera and light set.
inline Scene MakeHeavyScene(gfx::Device& d) {
  Scene s;
  s.model = MakeSphere(d, 127, 86, 1.0f, false);
  s.background = MakeSphere(d, 32, 32, 50.0f, true);
  s.model_texture = Checker(d, 0xE0C0A0, 0x806040, 0xFF);
  s.background_texture = Checker(d, 0x4060A0, 0x203050, 0xFF);
  s.sprite_texture = Checker(d, 0xFFFFFF, 0x000000, 0x80);
  struct Quad {
    float x, y, size;
  };
  const Quad quads[13] = {{620, 30, 32},  {620, 70, 32},   {620, 110, 32}, {620, 150, 32}, {620, 190, 32},
                          {620, 230, 32}, {620, 270, 32},  {620, 310, 32}, {620, 350, 32}, {620, 390, 32},
                          {320, 240, 200}, {400, 200, 50}, {120, 390, 256}};
  std::vector<float> sprite_vertices;
  for (const Quad& q : quads) {
    const float l = q.x - q.size / 2, t = q.y - q.size / 2, r = l + q.size, b = t + q.size;
    sprite_vertices.insert(sprite_vertices.end(),
                           {l, t, 0.5f, 1, 0, 0, r, t, 0.5f, 1, 1, 0, l, b, 0.5f, 1, 0, 1, r, b, 0.5f, 1, 1, 1});
  }
  s.sprites = d.CreateVertexBuffer(sprite_vertices.size() * 4, gfx::kFvfScreen);
  std::memcpy(s.sprites->Lock(0, 0), sprite_vertices.data(), sprite_vertices.size() * 4);
  s.sprites->Unlock();

  d.SetTransform(gfx::TransformType::View, gfx::MatrixLookAtLH({0, 0.3f, -4.05f}, {0, 0, 0}, {0, 1, 0}));
  d.SetTransform(gfx::TransformType::Projection, gfx::MatrixPerspectiveFovLH(0.52359867f, 4.0f / 3.0f, 0.1f, 100.0f));
  gfx::Light light;
  light.Diffuse = {0.8f, 0.8f, 0.8f, 0};
  light.Specular = {1, 1, 1, 0};
  light.Ambient = {0.8f, 0.6f, 0.6f, 0};
  light.Direction = gfx::Vec3Normalize({-1, -1, 1});
  d.SetLight(0, light);
  d.LightEnable(0, true);

  return s;
}

}  // namespace bench
