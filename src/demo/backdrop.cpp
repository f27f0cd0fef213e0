#include "demo/backdrop.h"

#include <algorithm>

#include "demo/shapes.h"

namespace demo {

namespace {
// The light's ambient part as the viewer sets it, times the ambient every material gets: what a
// material receives even facing away from the light.
constexpr float kAmbientR = 0.8f * 0.3f, kAmbientGB = 0.6f * 0.3f;
}  // namespace

xfile::XMaterial BackdropMaterial(const std::string& texture, float lit, Rgba tint) {
  xfile::XMaterial m;
  m.Diffuse[0] = tint.r * lit, m.Diffuse[1] = tint.g * lit, m.Diffuse[2] = tint.b * lit;
  m.Diffuse[3] = 1.0f;
  // Emissive makes up the rest of full brightness; the scene's light adds about half of `lit`.
  const float rest = 1.0f - 0.5f * lit;
  m.Emissive[0] = std::max(0.0f, tint.r * rest - kAmbientR);
  m.Emissive[1] = std::max(0.0f, tint.g * rest - kAmbientGB);
  m.Emissive[2] = std::max(0.0f, tint.b * rest - kAmbientGB);
  m.Power = 1.0f;
  m.TextureFileName = texture;
  return m;
}

void AddSkyDome(MeshBuilder& builder, std::uint32_t material, float radius, float repeats) {
  BodyLayout dome;
  dome.Rows = 24;
  dome.Cols = 48;
  dome.TEnd = 0.5f / kDomeHorizonV;  // 90 degrees at the horizon, the edge 10 degrees below
  dome.Inward = true;
  dome.Shape = [radius](Vec3 d) { return d * radius; };
  dome.Material = [material](int, int) { return material; };
  dome.Uv = [repeats](std::uint32_t, float s, float t) { return std::pair{s * repeats, std::min(t, 0.998f)}; };
  AddBody(builder, dome);
}

void AddPedestal(MeshBuilder& builder, std::uint32_t top, std::uint32_t side, std::uint32_t foot, float radius,
                 float depth, float repeats) {
  AddDisc(builder, top, 0.0f, radius, 4, 64, [radius](float x, float z) {
    return std::pair{0.5f + 0.5f * x / radius * 0.998f, 0.5f - 0.5f * z / radius * 0.998f};
  });
  AddCylinderWall(builder, side, radius, -depth, 0.0f, 64, repeats);
  // The foot: a short, wider drum; its top disc is hidden inside the column except for its rim.
  const float foot_height = std::min(0.12f, depth * 0.3f), foot_radius = radius * 1.1f;
  AddDisc(builder, foot, foot_height - depth, foot_radius, 2, 64, [](float, float) { return std::pair{0.5f, 0.5f}; });
  AddCylinderWall(builder, foot, foot_radius, -depth, foot_height - depth, 64, 1.0f);
}

}  // namespace demo
