#include <gtest/gtest.h>

#include <cmath>

#include "gfx/draw_fixture.h"
#include "support/golden.h"

namespace {

using gfx::RenderState;
using test::MeshVertex;
using test::ScreenVertex;

constexpr std::uint32_t kClear = 0xFF505064;

void Begin(gfx::Device& d) {
  d.Clear(gfx::kClearTarget | gfx::kClearZBuffer, kClear, 1.0f, 0);
  d.BeginScene();
}

// Screen-space triangles, lighting off: opaque white unless a texture says otherwise.
void DrawScreen(gfx::Device& d, const std::vector<ScreenVertex>& v, gfx::PrimitiveType type, unsigned count) {
  d.SetStreamSource(0, test::Upload(d, v, gfx::kFvfScreen), sizeof(ScreenVertex));
  d.SetVertexShader(gfx::kFvfScreen);
  EXPECT_TRUE(d.DrawPrimitive(type, 0, count));
}

int CountNot(const gfx::Image& image, std::uint32_t colour) {
  int n = 0;
  for (std::uint32_t p : image.Pixels) n += (p != colour);
  return n;
}

TEST(GfxReference, ASpriteQuadCoversExactlyItsPixelsAndMapsTexelsOneToOne) {
  auto d = test::MakeDevice(640, 480);
  gfx::Image texture(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) texture.At(x, y) = 0xFF000000u | static_cast<std::uint32_t>(x * 8) << 16 | static_cast<std::uint32_t>(y * 8);
  d->SetTexture(0, d->CreateTexture(texture));
  Begin(*d);
  // The corners of a 32 x 32 sprite centred at (620, 30), in strip order.
  DrawScreen(*d,
             {{604, 14, 0.5f, 1, 0, 0}, {636, 14, 0.5f, 1, 1, 0}, {604, 46, 0.5f, 1, 0, 1}, {636, 46, 0.5f, 1, 1, 1}},
             gfx::PrimitiveType::TriangleStrip, 2);
  const gfx::Image& image = d->BackBuffer();
  EXPECT_EQ(CountNot(image, kClear), 32 * 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) ASSERT_EQ(image.At(604 + x, 14 + y), texture.At(x, y)) << x << "," << y;
}

TEST(GfxReference, CullingFollowsTheWindingOnTheScreen) {
  const std::vector<ScreenVertex> clockwise = {{10, 10, 0.5f, 1, 0, 0}, {50, 10, 0.5f, 1, 0, 0}, {10, 50, 0.5f, 1, 0, 0}};
  const std::vector<ScreenVertex> counter = {clockwise[0], clockwise[2], clockwise[1]};
  struct Case {
    std::uint32_t cull;
    bool clockwise_drawn, counter_drawn;
  };
  for (const Case c : {Case{gfx::kCullCounterClockwise, true, false}, Case{gfx::kCullClockwise, false, true},
                       Case{gfx::kCullNone, true, true}}) {
    for (const bool cw : {true, false}) {
      auto d = test::MakeDevice(64, 64);
      d->SetRenderState(RenderState::CullMode, c.cull);
      Begin(*d);
      DrawScreen(*d, cw ? clockwise : counter, gfx::PrimitiveType::TriangleList, 1);
      EXPECT_EQ(d->BackBuffer().At(20, 20) == 0xFFFFFFFFu, cw ? c.clockwise_drawn : c.counter_drawn) << c.cull << cw;
    }
  }
}

TEST(GfxReference, AlphaFromTheTextureBlendsOverWhatIsBehind) {
  auto d = test::MakeDevice(64, 64);
  Begin(*d);
  // Opaque red first, then blue with alpha 96 over its right half; depth test off for the second.
  d->SetTexture(0, d->CreateTexture(test::Solid(1, 1, 0xFFFF0000)));
  DrawScreen(*d, {{0, 0, 0.5f, 1, 0, 0}, {64, 0, 0.5f, 1, 1, 0}, {0, 64, 0.5f, 1, 0, 1}, {64, 64, 0.5f, 1, 1, 1}},
             gfx::PrimitiveType::TriangleStrip, 2);
  d->SetTexture(0, d->CreateTexture(test::Solid(1, 1, 0x600000FF)));
  d->SetRenderState(RenderState::AlphaBlendEnable, 1);
  d->SetRenderState(RenderState::SrcBlend, gfx::kBlendSrcAlpha);
  d->SetRenderState(RenderState::DestBlend, gfx::kBlendInvSrcAlpha);
  DrawScreen(*d, {{32, 0, 0.5f, 1, 0, 0}, {64, 0, 0.5f, 1, 1, 0}, {32, 64, 0.5f, 1, 0, 1}, {64, 64, 0.5f, 1, 1, 1}},
             gfx::PrimitiveType::TriangleStrip, 2);
  const gfx::Image& image = d->BackBuffer();
  EXPECT_EQ(test::Rgb(image, 10, 10), 0xFF0000u);
  const float a = 96.0f / 255.0f;
  const auto red = static_cast<std::uint32_t>(std::lround(255.0f * (1.0f - a)));
  const auto blue = static_cast<std::uint32_t>(std::lround(255.0f * a));
  EXPECT_TRUE(test::Near(test::Rgb(image, 50, 10), red << 16 | blue, 1)) << std::hex << test::Rgb(image, 50, 10);
}

TEST(GfxReference, DepthTestMakesTheNearerSurfaceWinInEitherOrder) {
  const std::vector<ScreenVertex> near_quad = {{0, 0, 0.2f, 1, 0, 0}, {40, 0, 0.2f, 1, 0, 0}, {0, 40, 0.2f, 1, 0, 0}, {40, 40, 0.2f, 1, 0, 0}};
  const std::vector<ScreenVertex> far_quad = {{20, 20, 0.8f, 1, 0, 0}, {64, 20, 0.8f, 1, 0, 0}, {20, 64, 0.8f, 1, 0, 0}, {64, 64, 0.8f, 1, 0, 0}};
  for (const bool near_first : {true, false}) {
    auto d = test::MakeDevice(64, 64);
    Begin(*d);
    auto texture_near = d->CreateTexture(test::Solid(1, 1, 0xFF00FF00));
    auto texture_far = d->CreateTexture(test::Solid(1, 1, 0xFFFF0000));
    for (int pass = 0; pass < 2; ++pass) {
      const bool draw_near = (pass == 0) == near_first;
      d->SetTexture(0, draw_near ? texture_near : texture_far);
      DrawScreen(*d, draw_near ? near_quad : far_quad, gfx::PrimitiveType::TriangleStrip, 2);
    }
    EXPECT_EQ(test::Rgb(d->BackBuffer(), 30, 30), 0x00FF00u) << near_first;
    EXPECT_EQ(test::Rgb(d->BackBuffer(), 50, 50), 0xFF0000u) << near_first;
  }
}

// The viewer's camera and light, on a 128 x 96 target.
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

TEST(GfxReference, LitSphereHasAmbientDiffuseAndASpecularHighlight) {
  auto d = test::MakeDevice(128, 96);
  SetUpCamera(*d, {0, 0, -4}, {0, 0, 0});
  std::vector<MeshVertex> vertices;
  std::vector<std::uint16_t> indices;
  test::MakeSphere(32, 16, vertices, indices);
  gfx::Material m;
  m.Diffuse = {0.9f, 0.5f, 0.2f, 1};
  m.Ambient = {0.3f, 0.3f, 0.3f, 1};
  m.Specular = {0.6f, 0.6f, 0.6f, 1};
  m.Power = 20;
  d->SetMaterial(m);
  d->SetRenderState(RenderState::SpecularEnable, 1);
  Begin(*d);
  d->SetStreamSource(0, test::Upload(*d, vertices, gfx::kFvfMesh), 32);
  d->SetIndices(test::UploadIndices(*d, indices), 0);
  d->SetVertexShader(gfx::kFvfMesh);
  ASSERT_TRUE(d->DrawIndexedPrimitive(gfx::PrimitiveType::TriangleList, 0, static_cast<unsigned>(vertices.size()), 0,
                                      static_cast<unsigned>(indices.size() / 3)));
  const gfx::Image& image = d->BackBuffer();
  // Where the normal faces away from the light only the ambient term is left: 0.8 x 0.3 = 0.24 red.
  // The upper right of the sphere is lit (the light travels towards -x, -y, +z), the lower left is not.
  const std::uint32_t shadow = test::Rgb(image, 64 - 28, 48 + 26);
  EXPECT_TRUE(test::Near(shadow, 0x3D2E2E, 3)) << std::hex << shadow;
  const std::uint32_t lit = test::Rgb(image, 64 + 12, 48 - 12);
  EXPECT_GT(lit >> 16, 0xB0u) << std::hex << lit;
  EXPECT_EQ(test::Rgb(image, 2, 2), kClear & 0xFFFFFF);
  EXPECT_TRUE(test::MatchesGolden(image, "lit_sphere", 2, 8));
}

TEST(GfxReference, TheSecondRasterisingThreadChangesNoPixel) {
  gfx::Image pictures[2];
  for (const bool two : {false, true}) {
    gfx::PresentParameters p;
    p.BackBufferWidth = 160;
    p.BackBufferHeight = 120;
    auto d = gfx::ReferenceDevice::Create(p);
    d->UseTwoThreads(two);
    SetUpCamera(*d, {0.3f, 0.2f, -3}, {0, 0, 0});
    std::vector<MeshVertex> vertices;
    std::vector<std::uint16_t> indices;
    test::MakeSphere(48, 24, vertices, indices);
    gfx::Material m;
    m.Diffuse = {0.9f, 0.7f, 0.5f, 0.6f};
    m.Specular = {1, 1, 1, 1};
    m.Power = 8;
    d->SetMaterial(m);
    d->SetRenderState(RenderState::SpecularEnable, 1);
    d->SetRenderState(RenderState::AlphaBlendEnable, 1);
    d->SetRenderState(RenderState::SrcBlend, gfx::kBlendSrcAlpha);
    d->SetRenderState(RenderState::DestBlend, gfx::kBlendInvSrcAlpha);
    gfx::Image checker(8, 8);
    for (int i = 0; i < 64; ++i) checker.Pixels[static_cast<size_t>(i)] = ((i + i / 8) % 2) ? 0x80FFFFFF : 0xFF4080C0;
    d->SetTexture(0, d->CreateTexture(checker));
    Begin(*d);
    d->SetStreamSource(0, test::Upload(*d, vertices, gfx::kFvfMesh), 32);
    d->SetIndices(test::UploadIndices(*d, indices), 0);
    d->SetVertexShader(gfx::kFvfMesh);
    d->DrawIndexedPrimitive(gfx::PrimitiveType::TriangleList, 0, static_cast<unsigned>(vertices.size()), 0,
                            static_cast<unsigned>(indices.size() / 3));
    pictures[two ? 1 : 0] = d->BackBuffer();
  }
  EXPECT_EQ(pictures[0].Pixels, pictures[1].Pixels);
}

TEST(GfxReference, GeometryCrossingTheNearPlaneAndTheEyeIsClippedCleanly) {
  auto d = test::MakeDevice(128, 96);
  SetUpCamera(*d, {0, 0, 0}, {0, 0, 1});
  d->SetRenderState(RenderState::Lighting, 0);
  d->SetRenderState(RenderState::CullMode, gfx::kCullNone);
  Begin(*d);
  // A floor one unit below the eye, reaching from behind the camera to far in front.
  const std::vector<MeshVertex> floor = {{{-50, -1, -50}, {0, 1, 0}, 0, 0},
                                         {{50, -1, -50}, {0, 1, 0}, 10, 0},
                                         {{-50, -1, 90}, {0, 1, 0}, 0, 10},
                                         {{50, -1, 90}, {0, 1, 0}, 10, 10}};
  gfx::Image checker(2, 2);
  checker.At(0, 0) = checker.At(1, 1) = 0xFFFFFFFF;
  checker.At(1, 0) = checker.At(0, 1) = 0xFF202020;
  d->SetTexture(0, d->CreateTexture(checker));
  d->SetStreamSource(0, test::Upload(*d, floor, gfx::kFvfMesh), 32);
  d->SetVertexShader(gfx::kFvfMesh);
  ASSERT_TRUE(d->DrawPrimitive(gfx::PrimitiveType::TriangleStrip, 0, 2));
  const gfx::Image& image = d->BackBuffer();
  // Nothing above the horizon (row 48), the floor everywhere below it down to the bottom edge.
  for (int y = 0; y < 47; ++y)
    for (int x = 0; x < 128; ++x) ASSERT_EQ(image.At(x, y), kClear) << x << "," << y;
  for (int y = 52; y < 96; ++y)
    for (int x = 0; x < 128; ++x) ASSERT_NE(image.At(x, y), kClear) << x << "," << y;
  EXPECT_TRUE(test::MatchesGolden(image, "near_plane_floor", 2, 16));
}

TEST(GfxReference, HostileDrawCallsAreRefusedOrHarmless) {
  auto d = test::MakeDevice(32, 32);
  Begin(*d);
  const std::vector<MeshVertex> three = {{{0, 0, 0}, {0, 0, -1}, 0, 0}, {{1, 0, 0}, {0, 0, -1}, 0, 0}, {{0, 1, 0}, {0, 0, -1}, 0, 0}};
  d->SetVertexShader(gfx::kFvfMesh);
  EXPECT_FALSE(d->DrawPrimitive(gfx::PrimitiveType::TriangleList, 0, 1));  // no stream
  d->SetStreamSource(0, test::Upload(*d, three, gfx::kFvfMesh), 32);
  EXPECT_FALSE(d->DrawPrimitive(gfx::PrimitiveType::TriangleList, 1, 1));  // past the end
  EXPECT_FALSE(d->DrawPrimitive(gfx::PrimitiveType::TriangleList, 0, 0xFFFFFFFFu));
  EXPECT_FALSE(d->DrawPrimitive(static_cast<gfx::PrimitiveType>(99), 0, 1));
  d->SetStreamSource(0, test::Upload(*d, three, gfx::kFvfMesh), 8);  // stride smaller than the vertex
  EXPECT_FALSE(d->DrawPrimitive(gfx::PrimitiveType::TriangleList, 0, 1));
  d->SetStreamSource(0, test::Upload(*d, three, gfx::kFvfMesh), 32);
  d->SetVertexShader(0x8000);  // a format nobody knows
  EXPECT_FALSE(d->DrawPrimitive(gfx::PrimitiveType::TriangleList, 0, 1));
  d->SetVertexShader(gfx::kFvfMesh);
  EXPECT_FALSE(d->DrawIndexedPrimitive(gfx::PrimitiveType::TriangleList, 0, 3, 0, 1));  // no indices
  d->SetIndices(test::UploadIndices(*d, {0, 1, 7}), 0);
  EXPECT_FALSE(d->DrawIndexedPrimitive(gfx::PrimitiveType::TriangleList, 0, 3, 0, 1));  // index past the stream
  EXPECT_FALSE(d->DrawIndexedPrimitive(gfx::PrimitiveType::TriangleList, 0, 3, 1, 1));  // past the indices
  d->SetIndices(test::UploadIndices(*d, {0, 1, 2}), 0xFFFFFFFFu);
  EXPECT_FALSE(d->DrawIndexedPrimitive(gfx::PrimitiveType::TriangleList, 0, 3, 0, 1));  // base overflows
  // Non-finite positions and matrices draw nothing and do not crash.
  const float inf = std::numeric_limits<float>::infinity(), nan = std::nanf("");
  const std::vector<MeshVertex> broken = {{{nan, 0, 0}, {0, 0, -1}, 0, 0}, {{inf, 0, 0}, {0, 0, -1}, 0, 0}, {{0, -inf, 0}, {nan, 0, -1}, nan, inf}};
  d->SetStreamSource(0, test::Upload(*d, broken, gfx::kFvfMesh), 32);
  EXPECT_TRUE(d->DrawPrimitive(gfx::PrimitiveType::TriangleList, 0, 1));
  EXPECT_EQ(CountNot(d->BackBuffer(), kClear), 0);
  gfx::Matrix huge = gfx::Matrix::Identity();
  huge[0][0] = 1e30f;
  d->SetTransform(gfx::TransformType::World, huge);
  d->SetStreamSource(0, test::Upload(*d, three, gfx::kFvfMesh), 32);
  EXPECT_TRUE(d->DrawPrimitive(gfx::PrimitiveType::TriangleList, 0, 1));
}

}  // namespace
