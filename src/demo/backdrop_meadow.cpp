// The first scene's background: a spring sky with clouds and far hills over a flowery lawn, and a
// pastel cake stand.
#include <cmath>

#include "demo/backdrop.h"
#include "demo/noise.h"
#include "demo/shapes.h"

namespace demo {

namespace {

constexpr float kSkyRepeats = 4.0f;

Rgba Sky(float u, float v) {
  const float horizon = kDomeHorizonV;
  Rgba c = Mix(Hex(0x5AA6EA), Hex(0xA6D6F6), SmoothStep(0.0f, 0.7f, v));
  c = Mix(c, Hex(0xF4F0E0), SmoothStep(0.6f, horizon, v));
  // Soft clouds, stretched along the horizon, thinning towards the zenith.
  const float n = FractalNoise(u * 6.0f, v * 14.0f, 4, 6, 0, 3u);
  const float cloud = SmoothStep(0.52f, 0.7f, n) * SmoothStep(0.15f, 0.45f, v) * SmoothStep(horizon, 0.72f, v);
  c = Mix(c, Hex(0xFFFFFF), cloud * 0.85f);
  // Far hills: a wavy band just above the horizon.
  const float ridge = horizon - 0.012f - 0.028f * FractalNoise(u * 5.0f, 0.5f, 3, 5, 0, 9u);
  const float hill = SmoothStep(ridge - 0.002f, ridge + 0.002f, v);
  c = Mix(c, Mix(Hex(0xA9D2BC), Hex(0x88C293), SmoothStep(ridge, horizon, v)), hill);
  return c;
}

Rgba Grass(float u, float v) {
  const float n = FractalNoise(u * 8.0f, v * 8.0f, 4, 8, 8, 21u);
  const float blades = ValueNoise(u * 64.0f, v * 64.0f, 64, 64, 22u);
  return Shade(Mix(Hex(0x7CC46A), Hex(0xA5D66F), n), 0.93f + 0.1f * blades);
}

gfx::Image GrassTile() {
  gfx::Image image(256, 256);
  FillFunction(image, Grass);
  // Little flowers, drawn again across each edge so that the tile repeats without seams.
  const Rgba colours[3] = {Hex(0xFFFFFF), Hex(0xFFE27A), Hex(0xFFB3D1)};
  for (std::uint32_t i = 0; i < 8; ++i) {
    const float x = Hash01(i, 1, 31) * 256.0f, y = Hash01(i, 2, 31) * 256.0f;
    const Rgba c = colours[i % 3];
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        const float px = x + static_cast<float>(dx) * 256.0f, py = y + static_cast<float>(dy) * 256.0f;
        for (int k = 0; k < 5; ++k) {
          const float a = static_cast<float>(k) * 1.2566f;
          FillEllipse(image, px + 3.2f * std::cos(a), py + 3.2f * std::sin(a), 2.6f, 2.6f, c);
        }
        FillEllipse(image, px, py, 2.0f, 2.0f, Hex(0xFFB940));
      }
  }
  return image;
}

gfx::Image StageTop() {
  gfx::Image image(512, 512);
  FillFunction(image, [](float u, float v) {
    const float x = u * 2.0f - 1.0f, y = v * 2.0f - 1.0f;
    const float r = std::sqrt(x * x + y * y);
    Rgba c = Mix(Hex(0xFFF6EA), Hex(0xFFE7D6), SmoothStep(0.2f, 0.9f, r));
    // Rings: a pink band near the edge and fine rings inside.
    c = Mix(c, Hex(0xFFB7C8), SmoothStep(0.83f, 0.845f, r) * SmoothStep(0.93f, 0.915f, r));
    c = Mix(c, Hex(0xF7D9C8), 0.5f * SmoothStep(0.006f, 0.0f, std::fabs(r - 0.7f)));
    c = Mix(c, Hex(0xFFFFFF), SmoothStep(0.965f, 0.985f, r));
    // The creature's soft shadow.
    return Shade(c, 1.0f - 0.38f * std::exp(-r * r / (2.0f * 0.22f * 0.22f)));
  });
  return image;
}

// The stand's side: pink, with white icing scallops hanging from the top edge (v = 0).
Rgba StandSide(float u, float v) {
  const float scallop = 0.16f + 0.06f * std::fabs(std::sin(u * kPi * 4.0f));
  Rgba c = Mix(Hex(0xF9B4C6), Hex(0xE68FA8), SmoothStep(0.2f, 1.0f, v));
  c = Mix(c, Hex(0xFFF8F2), SmoothStep(scallop + 0.01f, scallop - 0.01f, v));
  // A ribbon of dots lower down.
  const float dx = std::fmod(u * 16.0f, 1.0f) - 0.5f, dy = (v - 0.45f) * 10.0f;
  return Mix(c, Hex(0xFFF8F2), SmoothStep(0.22f, 0.16f, std::sqrt(dx * dx + dy * dy)));
}

}  // namespace

Backdrop MeadowBackdrop(const std::string& folder, float depth) {
  MeshBuilder b;
  const std::uint32_t sky = b.AddMaterial(BackdropMaterial(folder + "\\sky.dds", 0.0f));
  const std::uint32_t grass = b.AddMaterial(BackdropMaterial(folder + "\\grass.dds", 0.5f));
  const std::uint32_t stage = b.AddMaterial(BackdropMaterial(folder + "\\stage.dds", 0.35f));
  const std::uint32_t side = b.AddMaterial(BackdropMaterial(folder + "\\stand.dds", 0.6f));
  const std::uint32_t foot = b.AddMaterial(BackdropMaterial("", 0.6f, Hex(0xFFF3EA)));
  AddSkyDome(b, sky, 22.0f, kSkyRepeats);
  AddDisc(b, grass, -depth, 23.0f, 8, 64, [](float x, float z) { return std::pair{x * 0.5f, z * 0.5f}; });
  AddPedestal(b, stage, side, foot, 1.5f, depth, 8.0f);

  Backdrop out;
  out.Mesh = b.Build();
  gfx::Image sky_image(512, 512);
  FillFunction(sky_image, Sky);
  out.Textures.push_back({"sky.dds", std::move(sky_image)});
  out.Textures.push_back({"grass.dds", GrassTile()});
  out.Textures.push_back({"stage.dds", StageTop()});
  gfx::Image side_image(128, 128);
  FillFunction(side_image, StandSide);
  out.Textures.push_back({"stand.dds", std::move(side_image)});
  return out;
}

}  // namespace demo
