// The fourth scene's background: a sunset over rippled sand with dunes on the horizon, and a round
// stone pillar topped by a sundial.
#include <cmath>

#include "demo/backdrop.h"
#include "demo/noise.h"
#include "demo/shapes.h"

namespace demo {

namespace {

// The sun stands behind the creature, a little to the left, as the camera first looks.
constexpr float kSunU = 0.035f, kSunV = 0.845f;

Rgba Sky(float u, float v) {
  Rgba c = Mix(Hex(0x2E2A6E), Hex(0x7B4C9C), SmoothStep(0.0f, 0.5f, v));
  c = Mix(c, Hex(0xF08A8A), SmoothStep(0.45f, 0.78f, v));
  c = Mix(c, Hex(0xFFC07A), SmoothStep(0.74f, kDomeHorizonV, v));
  // The sun and its glow. u wraps around the sky, and spans 360 degrees where v spans 100.
  float du = std::fabs(u - kSunU);
  du = std::fmin(du, 1.0f - du) * 3.6f;
  const float dv = v - kSunV, r = std::sqrt(du * du + dv * dv);
  c = Mix(c, Hex(0xFFD9A0), 0.6f * std::exp(-r * r / (2.0f * 0.07f * 0.07f)));
  c = Mix(c, Hex(0xFFF4D6), SmoothStep(0.034f, 0.016f, r));
  // Long thin clouds, lit from below.
  const float n = FractalNoise(u * 10.0f, v * 40.0f, 4, 10, 0, 91u);
  const float cloud = SmoothStep(0.55f, 0.72f, n) * SmoothStep(0.35f, 0.6f, v) * SmoothStep(0.86f, 0.7f, v);
  c = Mix(c, Mix(Hex(0x8A4F8F), Hex(0xFFB08A), SmoothStep(0.5f, 0.8f, v)), 0.75f * cloud);
  // Dunes against the sky.
  const float ridge = kDomeHorizonV - 0.008f - 0.03f * FractalNoise(u * 4.0f, 0.5f, 3, 4, 0, 92u);
  return Mix(c, Mix(Hex(0x5B3A5E), Hex(0x7A4A5E), SmoothStep(ridge, kDomeHorizonV, v)),
             SmoothStep(ridge - 0.002f, ridge + 0.002f, v));
}

Rgba Sand(float u, float v) {
  const float warp = FractalNoise(u * 3.0f, v * 3.0f, 3, 3, 3, 93u);
  const float ripple = 0.5f + 0.5f * std::sin((v * 4.0f + warp * 1.5f) * 2.0f * kPi);
  const float n = ValueNoise(u * 96.0f, v * 96.0f, 96, 96, 94u);
  return Shade(Mix(Hex(0xE8AE8E), Hex(0xF0BF98), ripple), 0.95f + 0.06f * n);
}

gfx::Image Slab() {
  gfx::Image image(512, 512);
  FillFunction(image, [](float u, float v) {
    const float x = u * 2.0f - 1.0f, y = v * 2.0f - 1.0f;
    const float r = std::sqrt(x * x + y * y), a = std::atan2(y, x);
    Rgba c = Mix(Hex(0xB9A4B8), Hex(0xA592AA), FractalNoise(u * 12.0f, v * 12.0f, 4, 12, 12, 95u));
    // Engraved rings and rays, like an old sundial.
    const float groove = std::fmin(std::fabs(r - 0.78f), std::fabs(r - 0.9f));
    const float ray = std::fabs(std::sin(a * 6.0f)) * r;
    float dark = SmoothStep(0.012f, 0.004f, groove);
    if (r > 0.78f && r < 0.9f) dark = std::fmax(dark, SmoothStep(0.02f, 0.008f, ray));
    c = Shade(c, 1.0f - 0.3f * dark);
    return Shade(c, 1.0f - 0.3f * std::exp(-r * r / (2.0f * 0.28f * 0.28f)));
  });
  return image;
}

// The pillar's side: courses of stone blocks, offset every other course.
Rgba StoneSide(float u, float v) {
  const float courses = 5.0f;
  const float row = std::floor(v * courses), along = v * courses - row;
  const float x = std::fmod(u * 6.0f + 0.5f * std::fmod(row, 2.0f), 1.0f);
  const float joint = std::fmin(std::fmin(along, 1.0f - along) * 1.5f, std::fmin(x, 1.0f - x));
  Rgba c = Mix(Hex(0xAE98AE), Hex(0x9A869E), FractalNoise(u * 12.0f, v * 6.0f, 3, 12, 0, 96u));
  c = Shade(c, 0.92f + 0.1f * Hash01(static_cast<std::uint32_t>(row), static_cast<std::uint32_t>(u * 6.0f), 97u));
  return Shade(c, 1.0f - 0.3f * SmoothStep(0.04f, 0.0f, joint));
}

}  // namespace

Backdrop DuskBackdrop(const std::string& folder, float depth) {
  MeshBuilder b;
  const std::uint32_t sky = b.AddMaterial(BackdropMaterial(folder + "\\sky.dds", 0.0f));
  const std::uint32_t sand = b.AddMaterial(BackdropMaterial(folder + "\\sand.dds", 0.5f));
  const std::uint32_t slab = b.AddMaterial(BackdropMaterial(folder + "\\slab.dds", 0.4f));
  const std::uint32_t side = b.AddMaterial(BackdropMaterial(folder + "\\stone.dds", 0.6f));
  const std::uint32_t foot = b.AddMaterial(BackdropMaterial("", 0.6f, Hex(0x8E7C94)));
  AddSkyDome(b, sky, 22.0f, 1.0f);
  AddDisc(b, sand, -depth, 23.0f, 8, 64, [](float x, float z) { return std::pair{x * 0.35f, z * 0.35f}; });
  AddPedestal(b, slab, side, foot, 1.4f, depth, 3.0f);

  Backdrop out;
  out.Mesh = b.Build();
  gfx::Image sky_image(1024, 512);
  FillFunction(sky_image, Sky);
  out.Textures.push_back({"sky.dds", std::move(sky_image)});
  gfx::Image sand_image(256, 256);
  FillFunction(sand_image, Sand);
  out.Textures.push_back({"sand.dds", std::move(sand_image)});
  out.Textures.push_back({"slab.dds", Slab()});
  gfx::Image side_image(256, 128);
  FillFunction(side_image, StoneSide);
  out.Textures.push_back({"stone.dds", std::move(side_image)});
  return out;
}

}  // namespace demo
