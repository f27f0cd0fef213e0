#include "support/device_scenes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include <gtest/gtest.h>

#include "gfx/draw_fixture.h"

namespace test {

namespace {

using gfx::RenderState;

void Begin(gfx::Device& d) {
  d.Clear(gfx::kClearTarget | gfx::kClearZBuffer, kSceneClear, 1.0f, 0);
  d.BeginScene();
}

void DrawScreen(gfx::Device& d, const std::vector<ScreenVertex>& v, gfx::PrimitiveType type, unsigned count) {
  d.SetStreamSource(0, Upload(d, v, gfx::kFvfScreen), sizeof(ScreenVertex));
  d.SetVertexShader(gfx::kFvfScreen);
  d.DrawPrimitive(type, 0, count);
}

void DrawSphere(gfx::Device& d, int slices, int stacks) {
  std::vector<MeshVertex> vertices;
  std::vector<std::uint16_t> indices;
  MakeSphere(slices, stacks, vertices, indices);
  d.SetStreamSource(0, Upload(d, vertices, gfx::kFvfMesh), 32);
  d.SetIndices(UploadIndices(d, indices), 0);
  d.SetVertexShader(gfx::kFvfMesh);
  d.DrawIndexedPrimitive(gfx::PrimitiveType::TriangleList, 0, static_cast<unsigned>(vertices.size()), 0,
                         static_cast<unsigned>(indices.size() / 3));
}

gfx::Image Checker(int size, std::uint32_t a, std::uint32_t b) {
  gfx::Image checker(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) checker.At(x, y) = (x + y) % 2 ? a : b;
  return checker;
}

// A 32 x 32 sprite whose texels map one to one onto its pixels.
void Sprite(gfx::Device& d) {
  gfx::Image texture(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      texture.At(x, y) = 0xFF000000u | static_cast<std::uint32_t>(x * 8) << 16 | static_cast<std::uint32_t>(y * 8);
  d.SetTexture(0, d.CreateTexture(texture));
  Begin(d);
  DrawScreen(d, {{16, 14, 0.5f, 1, 0, 0}, {48, 14, 0.5f, 1, 1, 0}, {16, 46, 0.5f, 1, 0, 1}, {48, 46, 0.5f, 1, 1, 1}},
             gfx::PrimitiveType::TriangleStrip, 2);
  d.EndScene();
}

// One triangle of each winding under the default culling: only the clockwise one shows.
void Culling(gfx::Device& d) {
  Begin(d);
  DrawScreen(d, {{4, 4, 0.5f, 1, 0, 0}, {28, 4, 0.5f, 1, 0, 0}, {4, 28, 0.5f, 1, 0, 0}}, gfx::PrimitiveType::TriangleList, 1);
  DrawScreen(d, {{36, 4, 0.5f, 1, 0, 0}, {36, 28, 0.5f, 1, 0, 0}, {60, 4, 0.5f, 1, 0, 0}}, gfx::PrimitiveType::TriangleList, 1);
  d.EndScene();
}

// Opaque red, then blue with texture alpha 96 over its right half.
void Blend(gfx::Device& d) {
  Begin(d);
  d.SetTexture(0, d.CreateTexture(Solid(1, 1, 0xFFFF0000)));
  DrawScreen(d, {{0, 0, 0.5f, 1, 0, 0}, {64, 0, 0.5f, 1, 1, 0}, {0, 64, 0.5f, 1, 0, 1}, {64, 64, 0.5f, 1, 1, 1}},
             gfx::PrimitiveType::TriangleStrip, 2);
  d.SetTexture(0, d.CreateTexture(Solid(1, 1, 0x600000FF)));
  d.SetRenderState(RenderState::AlphaBlendEnable, 1);
  d.SetRenderState(RenderState::SrcBlend, gfx::kBlendSrcAlpha);
  d.SetRenderState(RenderState::DestBlend, gfx::kBlendInvSrcAlpha);
  DrawScreen(d, {{32, 0, 0.5f, 1, 0, 0}, {64, 0, 0.5f, 1, 1, 0}, {32, 64, 0.5f, 1, 0, 1}, {64, 64, 0.5f, 1, 1, 1}},
             gfx::PrimitiveType::TriangleStrip, 2);
  d.EndScene();
}

// The far quad drawn after the near one: the depth test keeps the near one in front.
void Depth(gfx::Device& d) {
  Begin(d);
  d.SetTexture(0, d.CreateTexture(Solid(1, 1, 0xFF00FF00)));
  DrawScreen(d, {{0, 0, 0.2f, 1, 0, 0}, {40, 0, 0.2f, 1, 0, 0}, {0, 40, 0.2f, 1, 0, 0}, {40, 40, 0.2f, 1, 0, 0}},
             gfx::PrimitiveType::TriangleStrip, 2);
  d.SetTexture(0, d.CreateTexture(Solid(1, 1, 0xFFFF0000)));
  DrawScreen(d, {{20, 20, 0.8f, 1, 0, 0}, {64, 20, 0.8f, 1, 0, 0}, {20, 64, 0.8f, 1, 0, 0}, {64, 64, 0.8f, 1, 0, 0}},
             gfx::PrimitiveType::TriangleStrip, 2);
  d.EndScene();
}

void LitSphere(gfx::Device& d) {
  SetUpCamera(d, {0, 0, -4}, {0, 0, 0});
  gfx::Material m;
  m.Diffuse = {0.9f, 0.5f, 0.2f, 1};
  m.Ambient = {0.3f, 0.3f, 0.3f, 1};
  m.Specular = {0.6f, 0.6f, 0.6f, 1};
  m.Power = 20;
  d.SetMaterial(m);
  d.SetRenderState(RenderState::SpecularEnable, 1);
  Begin(d);
  DrawSphere(d, 32, 16);
  d.EndScene();
}

// Textured, translucent, with a specular highlight, over the background.
void TranslucentSphere(gfx::Device& d) {
  SetUpCamera(d, {0.3f, 0.2f, -3}, {0, 0, 0});
  gfx::Material m;
  m.Diffuse = {0.9f, 0.7f, 0.5f, 0.6f};
  m.Specular = {1, 1, 1, 1};
  m.Power = 8;
  d.SetMaterial(m);
  d.SetRenderState(RenderState::SpecularEnable, 1);
  d.SetRenderState(RenderState::AlphaBlendEnable, 1);
  d.SetRenderState(RenderState::SrcBlend, gfx::kBlendSrcAlpha);
  d.SetRenderState(RenderState::DestBlend, gfx::kBlendInvSrcAlpha);
  d.SetTexture(0, d.CreateTexture(Checker(8, 0x80FFFFFF, 0xFF4080C0)));
  Begin(d);
  DrawSphere(d, 48, 24);
  d.EndScene();
}

// A floor one unit below the eye, from behind the camera to far in front, unlit.
void NearPlaneFloor(gfx::Device& d) {
  SetUpCamera(d, {0, 0, 0}, {0, 0, 1});
  d.SetRenderState(RenderState::Lighting, 0);
  d.SetRenderState(RenderState::CullMode, gfx::kCullNone);
  Begin(d);
  const std::vector<MeshVertex> floor = {{{-50, -1, -50}, {0, 1, 0}, 0, 0},
                                         {{50, -1, -50}, {0, 1, 0}, 10, 0},
                                         {{-50, -1, 90}, {0, 1, 0}, 0, 10},
                                         {{50, -1, 90}, {0, 1, 0}, 10, 10}};
  d.SetTexture(0, d.CreateTexture(Checker(2, 0xFF202020, 0xFFFFFFFF)));
  d.SetStreamSource(0, Upload(d, floor, gfx::kFvfMesh), 32);
  d.SetVertexShader(gfx::kFvfMesh);
  d.DrawPrimitive(gfx::PrimitiveType::TriangleStrip, 0, 2);
  d.EndScene();
}

// Unlit vertices with their own diffuse and specular colours, as a fan, specular on.
void VertexColours(gfx::Device& d) {
  struct ColouredVertex {
    gfx::Vec3 position;
    std::uint32_t diffuse, specular;
  };
  SetUpCamera(d, {0, 0, -3}, {0, 0, 0});
  d.SetRenderState(RenderState::Lighting, 0);
  d.SetRenderState(RenderState::SpecularEnable, 1);
  Begin(d);
  const std::vector<ColouredVertex> fan = {{{0, 0, 0}, 0xFFFFFFFF, 0xFF000000}, {{-1, 1, 0}, 0xFFFF0000, 0xFF000000},
                                           {{1, 1, 0}, 0xFF00FF00, 0xFF000040}, {{1, -1, 0}, 0xFF0000FF, 0xFF404000},
                                           {{-1, -1, 0}, 0xFF808080, 0xFF000000}};
  const unsigned fvf = gfx::kFvfXyz | gfx::kFvfDiffuse | gfx::kFvfSpecular;
  d.SetStreamSource(0, Upload(d, fan, fvf), sizeof(ColouredVertex));
  d.SetVertexShader(fvf);
  d.DrawPrimitive(gfx::PrimitiveType::TriangleFan, 0, 3);
  d.EndScene();
}

// A point light with attenuation and range close to a sphere, with emissive colour.
void PointLight(gfx::Device& d) {
  SetUpCamera(d, {0, 0, -4}, {0, 0, 0});
  gfx::Light light;
  light.Type = gfx::LightType::Point;
  light.Diffuse = {1, 0.9f, 0.7f, 0};
  light.Specular = {1, 1, 1, 0};
  light.Position = {1.5f, 1.0f, -1.5f};
  light.Range = 4;
  light.Attenuation0 = 0.5f;
  light.Attenuation1 = 0.2f;
  d.SetLight(1, light);
  d.LightEnable(1, true);
  d.LightEnable(0, false);
  gfx::Material m;
  m.Diffuse = {0.4f, 0.8f, 0.5f, 1};
  m.Emissive = {0.1f, 0.0f, 0.1f, 0};
  m.Specular = {0.8f, 0.8f, 0.8f, 1};
  m.Power = 30;
  d.SetMaterial(m);
  d.SetRenderState(RenderState::SpecularEnable, 1);
  Begin(d);
  DrawSphere(d, 32, 16);
  d.EndScene();
}

}  // namespace

void SetUpCamera(gfx::Device& d, gfx::Vec3 eye, gfx::Vec3 at) {
  d.SetTransform(gfx::TransformType::View, gfx::MatrixLookAtLH(eye, at, {0, 1, 0}));
  d.SetTransform(gfx::TransformType::Projection, gfx::MatrixPerspectiveFovLH(0.52359867f, 4.0f / 3.0f, 0.1f, 100.0f));
  gfx::Light light;
  light.Type = gfx::LightType::Directional;
  light.Diffuse = {0.8f, 0.8f, 0.8f, 0};
  light.Specular = {1, 1, 1, 0};
  light.Ambient = {0.8f, 0.6f, 0.6f, 0};
  light.Direction = gfx::Vec3Normalize({-1, -1, 1});
  d.SetLight(0, light);
  d.LightEnable(0, true);
}

const std::vector<DeviceScene>& DeviceScenes() {
  static const std::vector<DeviceScene> scenes = {
      {"sprite", 64, 64, Sprite},
      {"culling", 64, 32, Culling},
      {"blend", 64, 64, Blend},
      {"depth", 64, 64, Depth},
      {"lit_sphere", 128, 96, LitSphere},
      {"translucent_sphere", 160, 120, TranslucentSphere},
      {"near_plane_floor", 128, 96, NearPlaneFloor},
      {"vertex_colours", 128, 96, VertexColours},
      {"point_light", 128, 96, PointLight},
  };
  return scenes;
}

void ExpectHostileDrawsRefused(gfx::Device& d) {
  auto CountNot = [](const gfx::Image& image, std::uint32_t colour) {
    return std::count_if(image.Pixels.begin(), image.Pixels.end(), [colour](std::uint32_t p) { return p != colour; });
  };

  Begin(d);
  const std::vector<MeshVertex> three = {{{0, 0, 0}, {0, 0, -1}, 0, 0}, {{1, 0, 0}, {0, 0, -1}, 0, 0}, {{0, 1, 0}, {0, 0, -1}, 0, 0}};
  d.SetVertexShader(gfx::kFvfMesh);
  EXPECT_FALSE(d.DrawPrimitive(gfx::PrimitiveType::TriangleList, 0, 1));  // no stream
  d.SetStreamSource(0, Upload(d, three, gfx::kFvfMesh), 32);
  EXPECT_FALSE(d.DrawPrimitive(gfx::PrimitiveType::TriangleList, 1, 1));  // past the end
  EXPECT_FALSE(d.DrawPrimitive(gfx::PrimitiveType::TriangleList, 0, 0xFFFFFFFFu));
  EXPECT_FALSE(d.DrawPrimitive(gfx::PrimitiveType::TriangleList, 0, 0x55555556u));  // three times that wraps to 2
  EXPECT_FALSE(d.DrawPrimitive(static_cast<gfx::PrimitiveType>(99), 0, 1));
  d.SetStreamSource(0, Upload(d, three, gfx::kFvfMesh), 8);  // stride smaller than the vertex
  EXPECT_FALSE(d.DrawPrimitive(gfx::PrimitiveType::TriangleList, 0, 1));
  d.SetStreamSource(0, Upload(d, three, gfx::kFvfMesh), 32);
  d.SetVertexShader(0x8000);  // a format nobody knows
  EXPECT_FALSE(d.DrawPrimitive(gfx::PrimitiveType::TriangleList, 0, 1));
  d.SetVertexShader(gfx::kFvfMesh);
  EXPECT_FALSE(d.DrawIndexedPrimitive(gfx::PrimitiveType::TriangleList, 0, 3, 0, 1));  // no indices
  d.SetIndices(UploadIndices(d, {0, 1, 7}), 0);
  EXPECT_FALSE(d.DrawIndexedPrimitive(gfx::PrimitiveType::TriangleList, 0, 3, 0, 1));  // index past the stream
  EXPECT_FALSE(d.DrawIndexedPrimitive(gfx::PrimitiveType::TriangleList, 0, 3, 1, 1));  // past the indices
  d.SetIndices(UploadIndices(d, {0, 1, 2}), 0xFFFFFFFFu);
  EXPECT_FALSE(d.DrawIndexedPrimitive(gfx::PrimitiveType::TriangleList, 0, 3, 0, 1));  // base overflows
  // Non-finite positions and matrices draw nothing and do not crash.
  const float inf = std::numeric_limits<float>::infinity(), nan = std::nanf("");
  const std::vector<MeshVertex> broken = {{{nan, 0, 0}, {0, 0, -1}, 0, 0}, {{inf, 0, 0}, {0, 0, -1}, 0, 0}, {{0, -inf, 0}, {nan, 0, -1}, nan, inf}};
  d.SetStreamSource(0, Upload(d, broken, gfx::kFvfMesh), 32);
  EXPECT_TRUE(d.DrawPrimitive(gfx::PrimitiveType::TriangleList, 0, 1));
  EXPECT_EQ(CountNot(d.BackBuffer(), kSceneClear), 0);
  gfx::Matrix huge = gfx::Matrix::Identity();
  huge[0][0] = 1e30f;
  d.SetTransform(gfx::TransformType::World, huge);
  d.SetStreamSource(0, Upload(d, three, gfx::kFvfMesh), 32);
  EXPECT_TRUE(d.DrawPrimitive(gfx::PrimitiveType::TriangleList, 0, 1));
}

const DeviceScene& SceneNamed(const std::string& name) {
  for (const DeviceScene& scene : DeviceScenes())
    if (scene.Name == name) return scene;
  throw std::invalid_argument("no device scene " + name);
}

}  // namespace test
