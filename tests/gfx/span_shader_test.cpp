#include <gtest/gtest.h>

#include <random>

#include "platform/gfx/device.h"
#include "platform/gfx/reference/span.h"

namespace {

using gfx::reference::BlendMode;
using gfx::reference::ShaderKey;
using gfx::reference::StageMode;

// The vectorised shaders must give the portable ones' pixels: spans of every length against textures
// of power-of-two and other sizes, with depth tests that pass and fail, in every state they cover.
TEST(GfxSpanShader, VectorShadersMatchThePortableOnes) {
  std::mt19937 random(7);
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  gfx::Image textures[2] = {gfx::Image(8, 4), gfx::Image(5, 3)};
  for (gfx::Image& t : textures)
    for (std::uint32_t& p : t.Pixels) p = static_cast<std::uint32_t>(random());
  int compared = 0;
  for (const BlendMode blend : {BlendMode::Off, BlendMode::SourceAlpha})
    for (const bool textured : {false, true})
      for (const bool specular : {false, true})
        for (const bool perspective : {false, true}) {
          const ShaderKey key{StageMode::TextureTimesDiffuse, blend, textured, specular, perspective};
          const auto vector = gfx::reference::PickVectorSpanShader(key);
          if (vector == nullptr) continue;  // no vector unit here: nothing to compare
          const auto portable = gfx::reference::PickPortableSpanShader(key);
          for (const gfx::Image& texture : textures)
            for (int count = 1; count <= 11; ++count) {
              gfx::reference::PixelState state;
              state.Texture = textured ? &texture : nullptr;
              state.Specular = specular;
              std::vector<std::uint32_t> colour(static_cast<size_t>(count) + 1);
              std::vector<float> depth(static_cast<size_t>(count) + 1);
              for (auto& c : colour) c = static_cast<std::uint32_t>(random());
              for (auto& d : depth) d = unit(random);
              gfx::reference::Span span{};
              span.count = count;
              span.q[gfx::reference::kRhw] = 0.5f + unit(random);
              for (int k = 0; k < gfx::reference::kAttributes; ++k) {
                if (k != gfx::reference::kRhw) span.q[k] = unit(random) * (k >= gfx::reference::kU ? 7.0f : 0.4f);
                span.step[k] = (unit(random) - 0.5f) * 0.05f;
              }
              auto colour_a = colour, colour_b = colour;
              auto depth_a = depth, depth_b = depth;
              span.colour = colour_a.data(), span.depth = depth_a.data();
              portable(span, state);
              span.colour = colour_b.data(), span.depth = depth_b.data();
              vector(span, state);
              for (size_t i = 0; i < colour.size(); ++i) {
                const std::uint32_t a = colour_a[i], b = colour_b[i];
                for (int shift : {0, 8, 16})
                  ASSERT_LE(std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)), 1)
                      << "pixel " << i << " of " << count << std::hex << " " << a << " " << b;
              }
              // The two step through the span in different orders: depths agree to rounding.
              for (size_t i = 0; i < depth.size(); ++i) ASSERT_NEAR(depth_a[i], depth_b[i], 1e-6f) << i;
              EXPECT_EQ(colour_a.back(), colour.back());  // nothing past the span
              ++compared;
            }
        }
  if (compared == 0) GTEST_SKIP() << "no vector shaders on this processor";
}

}  // namespace
