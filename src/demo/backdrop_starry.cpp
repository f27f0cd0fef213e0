// The third scene's background: a starry night with a faint nebula, dark ground with glowing
// pebbles, and a pillar lit by neon rings.
#include <cmath>

#include "demo/backdrop.h"
#include "demo/noise.h"
#include "demo/shapes.h"

namespace demo {

namespace {

constexpr float kSkyRepeats = 4.0f;
constexpr int kSkySize = 512;

gfx::Image Sky() {
  gfx::Image image(kSkySize, kSkySize);
  FillFunction(image, [](float u, float v) {
    Rgba c = Mix(Hex(0x070B26), Hex(0x1B2160), SmoothStep(0.1f, 0.8f, v));
    c = Mix(c, Hex(0x5B3F86), SmoothStep(0.7f, kDomeHorizonV, v));
    // A band of nebula across the sky.
    const float band = std::exp(-std::pow((v - 0.45f - 0.12f * std::sin(u * 2.0f * kPi)) / 0.14f, 2.0f));
    const float n = FractalNoise(u * 8.0f, v * 8.0f, 4, 8, 0, 71u);
    c = Mix(c, Mix(Hex(0x8A3FA0), Hex(0x2F8FB5), FractalNoise(u * 4.0f, v * 4.0f, 2, 4, 0, 72u)),
            0.55f * band * SmoothStep(0.4f, 0.75f, n));
    // Far hills, dark against the glow of the horizon.
    const float ridge = kDomeHorizonV - 0.01f - 0.025f * FractalNoise(u * 6.0f, 0.5f, 3, 6, 0, 73u);
    return Mix(c, Hex(0x0B0A1E), SmoothStep(ridge - 0.002f, ridge + 0.002f, v));
  });
  // Stars: soft dots of a few sizes.
  for (std::uint32_t i = 0; i < 260; ++i) {
    const float x = Hash01(i, 1u, 74u) * kSkySize, y = Hash01(i, 2u, 74u) * kSkySize * 0.84f;
    const float bright = Hash01(i, 3u, 74u);
    const Rgba c = Mix(Hex(0xFFFFFF), Hex(0xFFE9B0), Hash01(i, 4u, 74u));
    // A soft glow around the brighter ones; the sky is seen magnified, so no thin rays.
    if (bright > 0.85f) FillEllipse(image, x, y, 3.5f, 3.5f, WithAlpha(c, 0.18f));
    FillEllipse(image, x, y, 0.6f + 0.9f * bright, 0.6f + 0.9f * bright, WithAlpha(c, 0.45f + 0.55f * bright));
  }
  return image;
}

Rgba Ground(float u, float v) {
  const float n = FractalNoise(u * 6.0f, v * 6.0f, 4, 6, 6, 75u);
  Rgba c = Mix(Hex(0x151A3A), Hex(0x23295A), n);
  // Glowing pebbles: soft cyan and violet spots on a few cells.
  const float gx = u * 6.0f, gy = v * 6.0f;
  const auto cx = static_cast<std::uint32_t>(std::floor(gx)), cy = static_cast<std::uint32_t>(std::floor(gy));
  if (Hash01(cx, cy, 76u) < 0.2f) {
    const float px = std::floor(gx) + 0.2f + 0.6f * Hash01(cx, cy, 77u), py = std::floor(gy) + 0.2f + 0.6f * Hash01(cx, cy, 78u);
    const float d2 = (gx - px) * (gx - px) + (gy - py) * (gy - py);
    c = Mix(c, Hash01(cx, cy, 79u) < 0.5f ? Hex(0x6FE6FF) : Hex(0xC48CFF), 0.6f * std::exp(-d2 / 0.003f));
  }
  return c;
}

gfx::Image StageTop() {
  gfx::Image image(512, 512);
  FillFunction(image, [](float u, float v) {
    const float x = u * 2.0f - 1.0f, y = v * 2.0f - 1.0f;
    const float r = std::sqrt(x * x + y * y);
    Rgba c = Mix(Hex(0x2A2F6A), Hex(0x1A1E4A), SmoothStep(0.0f, 1.0f, r));
    // Neon rings with a glow around each.
    auto ring = [&](float at, Rgba colour, float width) {
      const float d = std::fabs(r - at);
      c = Mix(c, colour, 0.9f * SmoothStep(width, width * 0.4f, d) + 0.0f);
      c = Mix(c, colour, 0.35f * std::exp(-d * d / (2.0f * 0.03f * 0.03f)));
    };
    ring(0.93f, Hex(0x6FE6FF), 0.018f);
    ring(0.72f, Hex(0xD88CFF), 0.01f);
    ring(0.5f, Hex(0x6FE6FF), 0.006f);
    return Shade(c, 1.0f - 0.45f * std::exp(-r * r / (2.0f * 0.22f * 0.22f)));
  });
  return image;
}

// The pillar's side: dark panels between glowing bands at the top and the bottom.
Rgba PillarSide(float u, float v) {
  Rgba c = Mix(Hex(0x242A66), Hex(0x12153A), v);
  const float seam = std::fabs(std::fmod(u * 8.0f, 1.0f) - 0.5f);
  c = Mix(c, Hex(0x3A4290), SmoothStep(0.47f, 0.5f, seam));
  c = Mix(c, Hex(0x6FE6FF), SmoothStep(0.06f, 0.03f, v) + 0.5f * std::exp(-(v - 0.08f) * (v - 0.08f) / 0.002f));
  return Mix(c, Hex(0xD88CFF), SmoothStep(0.9f, 0.95f, v));
}

}  // namespace

Backdrop StarryBackdrop(const std::string& folder, float depth) {
  MeshBuilder b;
  const std::uint32_t sky = b.AddMaterial(BackdropMaterial(folder + "\\sky.dds", 0.0f));
  const std::uint32_t ground = b.AddMaterial(BackdropMaterial(folder + "\\ground.dds", 0.5f));
  const std::uint32_t stage = b.AddMaterial(BackdropMaterial(folder + "\\stage.dds", 0.2f));
  const std::uint32_t side = b.AddMaterial(BackdropMaterial(folder + "\\pillar.dds", 0.4f));
  const std::uint32_t foot = b.AddMaterial(BackdropMaterial("", 0.1f, Hex(0x6FE6FF)));
  AddSkyDome(b, sky, 22.0f, kSkyRepeats);
  AddDisc(b, ground, -depth, 23.0f, 8, 64, [](float x, float z) { return std::pair{x * 0.25f, z * 0.25f}; });
  AddPedestal(b, stage, side, foot, 1.6f, depth, 2.0f);

  Backdrop out;
  out.Mesh = b.Build();
  out.Textures.push_back({"sky.dds", Sky()});
  gfx::Image ground_image(256, 256);
  FillFunction(ground_image, Ground);
  out.Textures.push_back({"ground.dds", std::move(ground_image)});
  out.Textures.push_back({"stage.dds", StageTop()});
  gfx::Image side_image(256, 128);
  FillFunction(side_image, PillarSide);
  out.Textures.push_back({"pillar.dds", std::move(side_image)});
  return out;
}

}  // namespace demo
