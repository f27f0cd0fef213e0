// The second scene's background: a cosy room with striped wallpaper above wooden panelling, a plank
// floor, and a round table with a tablecloth.
#include <cmath>

#include "demo/backdrop.h"
#include "demo/noise.h"
#include "demo/shapes.h"

namespace demo {

namespace {

constexpr float kHalf = 8.0f, kHeight = 6.0f;

// The wall texture covers 2 units across and the full height; the panelling is its lower fifth.
Rgba Wall(float u, float v) {
  const float panel_top = 0.8f;
  if (v > panel_top) {
    const float grain = FractalNoise(u * 4.0f, v * 40.0f, 3, 4, 0, 51u);
    Rgba c = Mix(Hex(0xB77B55), Hex(0xC98E63), grain);
    const float x = std::fmod(u * 4.0f, 1.0f);  // four panels a tile
    c = Shade(c, 1.0f - 0.25f * SmoothStep(0.04f, 0.0f, std::fmin(x, 1.0f - x)));
    c = Mix(c, Hex(0xF3E6D3), SmoothStep(0.006f, 0.0f, std::fabs(v - panel_top - 0.01f)));  // the rail
    return c;
  }
  // Wallpaper: soft stripes and a small dot between them.
  const float stripe = 0.5f + 0.5f * std::cos(u * 2.0f * kPi * 6.0f);
  Rgba c = Mix(Hex(0xEDE2F7), Hex(0xDCCDEF), SmoothStep(0.35f, 0.65f, stripe));
  const float dx = std::fmod(u * 6.0f + 0.5f, 1.0f) - 0.5f, dy = std::fmod(v * 24.0f, 1.0f) - 0.5f;
  c = Mix(c, Hex(0xFFC3D6), 0.8f * SmoothStep(0.12f, 0.08f, std::sqrt(dx * dx * 0.36f + dy * dy * 0.25f)));
  return Mix(c, Hex(0xC9B6E4), SmoothStep(0.04f, 0.0f, v));  // a border under the ceiling
}

Rgba Planks(float u, float v) {
  const float rows = 4.0f;
  const float row = std::floor(v * rows), along = v * rows - row;
  const float offset = Hash01(static_cast<std::uint32_t>(row), 0u, 52u);
  const float x = std::fmod(u + offset, 1.0f);
  const float shade = 0.9f + 0.14f * Hash01(static_cast<std::uint32_t>(row), 1u, 52u);
  const float grain = FractalNoise(u * 3.0f, v * 48.0f, 3, 3, 48, 53u);
  Rgba c = Shade(Mix(Hex(0xD8A06A), Hex(0xE8B884), grain), shade);
  const float gap = std::fmin(std::fmin(along, 1.0f - along), std::fmin(x, 1.0f - x) * 4.0f);
  return Shade(c, 1.0f - 0.35f * SmoothStep(0.05f, 0.0f, gap));
}

gfx::Image Rug() {
  gfx::Image image(512, 512);
  FillFunction(image, [](float u, float v) {
    const float x = u * 2.0f - 1.0f, y = v * 2.0f - 1.0f;
    const float r = std::sqrt(x * x + y * y);
    const Rgba rings[5] = {Hex(0xF6D6E3), Hex(0xF6D6E3), Hex(0xFFE6A6), Hex(0xC9B6E4), Hex(0xA8D8E8)};
    const float band = r * 5.0f;
    const int i = std::min(static_cast<int>(band), 4);
    Rgba c = rings[i];
    if (band > 1.5f) c = Shade(c, 1.0f - 0.12f * SmoothStep(0.06f, 0.0f, std::fabs(band - std::round(band))));
    // A woven texture and a fringe at the edge.
    c = Shade(c, 0.94f + 0.08f * ValueNoise(u * 160.0f, v * 160.0f, 0, 0, 54u));
    c = Mix(c, Hex(0xFFF8EE), SmoothStep(0.955f, 0.975f, r));
    return Shade(c, 1.0f - 0.45f * std::exp(-r * r / (2.0f * 0.27f * 0.27f)));
  });
  return image;
}

// The table's side: the tablecloth's lace hem over a turned wooden leg.
Rgba TableSide(float u, float v) {
  const float hem = 0.2f + 0.04f * std::fabs(std::sin(u * kPi * 6.0f));
  const float grain = FractalNoise(u * 8.0f, v * 2.0f, 3, 8, 0, 55u);
  Rgba c = Mix(Hex(0xA8683F), Hex(0xC4875A), grain);
  c = Shade(c, 0.9f + 0.15f * std::sin(v * kPi * 5.0f));
  c = Mix(c, Hex(0xFFF6EE), SmoothStep(hem + 0.01f, hem - 0.01f, v));
  const float dx = std::fmod(u * 12.0f, 1.0f) - 0.5f, dy = (v - 0.1f) * 12.0f;
  return Mix(c, Hex(0xF6C6D6), 0.8f * SmoothStep(0.25f, 0.18f, std::sqrt(dx * dx + dy * dy)));
}

gfx::Image Paint(int width, int height, Rgba (*f)(float, float)) {
  gfx::Image image(width, height);
  FillFunction(image, f);
  return image;
}

}  // namespace

Backdrop PlayroomBackdrop(const std::string& folder, float depth) {
  MeshBuilder b;
  const std::uint32_t wall = b.AddMaterial(BackdropMaterial(folder + "\\wall.dds", 0.25f));
  const std::uint32_t floor = b.AddMaterial(BackdropMaterial(folder + "\\floor.dds", 0.45f));
  const std::uint32_t ceiling = b.AddMaterial(BackdropMaterial("", 0.2f, Hex(0xFBF4EA)));
  const std::uint32_t rug = b.AddMaterial(BackdropMaterial(folder + "\\rug.dds", 0.35f));
  const std::uint32_t side = b.AddMaterial(BackdropMaterial(folder + "\\table.dds", 0.6f));
  const std::uint32_t foot = b.AddMaterial(BackdropMaterial("", 0.6f, Hex(0x9A5E38)));
  RoomLayout room;
  room.X0 = room.Z0 = -kHalf;
  room.X1 = room.Z1 = kHalf;
  room.Y0 = -depth;
  room.Y1 = kHeight - depth;
  room.Floor = floor, room.Ceiling = ceiling, room.Walls = wall;
  room.FloorTile = 2.0f, room.CeilingTile = 4.0f, room.WallTile = 2.0f;
  AddRoom(b, room);
  AddPedestal(b, rug, side, foot, 1.5f, depth, 6.0f);

  Backdrop out;
  out.Mesh = b.Build();
  out.Textures.push_back({"wall.dds", Paint(256, 512, Wall)});
  out.Textures.push_back({"floor.dds", Paint(256, 256, Planks)});
  out.Textures.push_back({"rug.dds", Rug()});
  out.Textures.push_back({"table.dds", Paint(128, 128, TableSide)});
  return out;
}

}  // namespace demo
