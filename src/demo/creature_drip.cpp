// Drip: a glossy teal slime drop with a curled tip and bubbles under its skin.
#include <cmath>

#include "demo/body_tools.h"
#include "demo/creature.h"
#include "demo/noise.h"
#include "demo/shapes.h"

namespace demo {

namespace {

Vec3 Shape(Vec3 d) {
  const float up = std::fmax(d.y, 0.0f);
  // Narrow and drawn up above the waist, wide and soft below; the tip bends over to one side.
  const float side = 1.06f - 0.06f * d.y - 0.62f * std::pow(up, 1.4f);
  Vec3 p{d.x * side, 0.88f * d.y + 0.55f * up * up, d.z * side};
  p.x += 0.3f * std::pow(up, 4.0f);
  p.y = SoftFloor(p.y, -0.62f, 0.3f, 0.2f);
  return p;
}

Rgba Skin(float s, float t) {
  const Vec3 d = BodyDirection(s, t);
  Rgba c = Mix(Hex(0x2FA8A2), Hex(0x52D6C6), SmoothStep(-0.9f, 0.1f, d.y));
  c = Mix(c, Hex(0xA8F4E4), SmoothStep(0.3f, 0.95f, d.y));
  // Bubbles: light rings with a bright dot, scattered over a coarse grid of cells.
  const float gx = s * 20.0f, gy = t * 10.0f;
  const float cx = std::floor(gx), cy = std::floor(gy);
  const auto cell_x = static_cast<std::uint32_t>(static_cast<int>(cx) % 20), cell_y = static_cast<std::uint32_t>(cy);
  if (Hash01(cell_x, cell_y, 41u) < 0.22f) {
    const float bx = cx + 0.3f + 0.4f * Hash01(cell_x, cell_y, 42u), by = cy + 0.3f + 0.4f * Hash01(cell_x, cell_y, 43u);
    const float radius = 0.12f + 0.12f * Hash01(cell_x, cell_y, 44u);
    const float dx = (gx - bx) * 2.0f, dy = gy - by;  // cells are twice as wide in s as in t
    const float r = std::sqrt(dx * dx * 0.25f + dy * dy);
    c = Mix(c, Hex(0xD8FFF6), 0.25f * SmoothStep(0.03f, 0.0f, std::fabs(r - radius)));
    c = Mix(c, Hex(0xFFFFFF), 0.45f * SmoothStep(radius * 0.35f, radius * 0.2f,
                                                 std::sqrt((dx * 0.5f + radius * 0.4f) * (dx * 0.5f + radius * 0.4f) +
                                                           (dy + radius * 0.4f) * (dy + radius * 0.4f))));
  }
  const float n = FractalNoise(s * 16.0f, t * 8.0f, 3, 16, 0, 17u);
  return Shade(c, 0.95f + 0.08f * n);
}

void Face(FaceCanvas& f) {
  const Rgba dark = Hex(0x18243F), glow = Hex(0x3D86B8);
  PaintBlush(f, -0.46f, 0.06f, 0.12f, 0.07f, Hex(0xFF8FA8, 0.55f));
  PaintBlush(f, 0.46f, 0.06f, 0.12f, 0.07f, Hex(0xFF8FA8, 0.55f));
  PaintEye(f, -0.24f, -0.14f, 0.1f, 0.17f, dark, glow);
  PaintEye(f, 0.24f, -0.14f, 0.1f, 0.17f, dark, glow);
  PaintOpenMouth(f, 0.0f, 0.1f, 0.1f, 0.09f, Hex(0x2A1B3A), Hex(0xFF7C98));
}

}  // namespace

CreatureDesign DripDesign() {
  CreatureDesign d;
  d.Shape = Shape;
  d.Scale = 0.82f;
  d.Face = {0.36f, 0.64f, 0.34f, 0.72f};
  d.GrabDirections = {Dir(0.0f, 1.0f, 0.0f), Dir(-1.0f, -0.2f, -0.4f), Dir(1.0f, -0.2f, -0.4f)};
  d.CompanionOffset = {-1.6f, 0.6f, -0.6f};
  d.Skin = Skin;
  d.PaintFace = Face;
  d.Specular = 0.75f;
  d.Power = 48.0f;
  d.Emissive = Hex(0x183030);
  return d;
}

}  // namespace demo
