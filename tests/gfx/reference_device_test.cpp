#include <gtest/gtest.h>

#include <cmath>

#include "gfx/draw_fixture.h"
#include "support/device_scenes.h"
#include "support/golden.h"

namespace {

using gfx::RenderState;
using test::ScreenVertex;

constexpr std::uint32_t kClear = test::kSceneClear;

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

// A scene of the shared set on a new reference device of its size.
gfx::Image DrawScene(const std::string& name, bool two_threads = true) {
  const test::DeviceScene& scene = test::SceneNamed(name);
  auto d = gfx::ReferenceDevice::Create(scene.Width, scene.Height);
  d->UseTwoThreads(two_threads);
  scene.Draw(*d);
  return d->BackBuffer();
}

TEST(GfxReference, LitSphereHasAmbientDiffuseAndASpecularHighlight) {
  const gfx::Image image = DrawScene("lit_sphere");
  // Where the normal faces away from the light only the ambient term is left: 0.8 x 0.3 = 0.24 red.
  // The upper right of the sphere is lit (the light travels towards -x, -y, +z), the lower left is not.
  const std::uint32_t shadow = test::Rgb(image, 64 - 28, 48 + 26);
  EXPECT_TRUE(test::Near(shadow, 0x3D2E2E, 3)) << std::hex << shadow;
  const std::uint32_t lit = test::Rgb(image, 64 + 12, 48 - 12);
  EXPECT_GT(lit >> 16, 0xB0u) << std::hex << lit;
  EXPECT_EQ(test::Rgb(image, 2, 2), test::kSceneClear & 0xFFFFFF);
  EXPECT_TRUE(test::MatchesGolden(image, "lit_sphere", 2, 8));
}

TEST(GfxReference, TheSecondRasterisingThreadChangesNoPixel) {
  EXPECT_EQ(DrawScene("translucent_sphere", false).Pixels, DrawScene("translucent_sphere", true).Pixels);
}

TEST(GfxReference, GeometryCrossingTheNearPlaneAndTheEyeIsClippedCleanly) {
  const gfx::Image image = DrawScene("near_plane_floor");
  // Nothing above the horizon (row 48), the floor everywhere below it down to the bottom edge.
  for (int y = 0; y < 47; ++y)
    for (int x = 0; x < 128; ++x) ASSERT_EQ(image.At(x, y), kClear) << x << "," << y;
  for (int y = 52; y < 96; ++y)
    for (int x = 0; x < 128; ++x) ASSERT_NE(image.At(x, y), kClear) << x << "," << y;
  EXPECT_TRUE(test::MatchesGolden(image, "near_plane_floor", 2, 16));
}

TEST(GfxReference, HostileDrawCallsAreRefusedOrHarmless) {
  auto d = test::MakeDevice(32, 32);
  test::ExpectHostileDrawsRefused(*d);
}

}  // namespace
