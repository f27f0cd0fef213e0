// Momo: a round, peach-coloured blob with bunny ears, stubby arms and feet, and a cream belly.
#include <cmath>

#include "demo/body_tools.h"
#include "demo/creature.h"
#include "demo/noise.h"
#include "demo/shapes.h"

namespace demo {

namespace {

const Vec3 kLeftEar = Dir(-0.42f, 0.9f, 0.08f), kRightEar = Dir(0.42f, 0.9f, 0.08f);
const Vec3 kLeftArm = Dir(-0.93f, -0.2f, -0.3f), kRightArm = Dir(0.93f, -0.2f, -0.3f);
const Vec3 kLeftFoot = Dir(-0.42f, -0.8f, -0.42f), kRightFoot = Dir(0.42f, -0.8f, -0.42f);
const Vec3 kTail = Dir(0.0f, -0.3f, 0.95f);

float Ears(Vec3 d) { return Lump(d, kLeftEar, 0.2f, 0.12f, 1.6f) + Lump(d, kRightEar, 0.2f, 0.12f, 1.6f); }

Vec3 Shape(Vec3 d) {
  const float lumps = 0.85f * Ears(d) + 0.13f * (Lump(d, kLeftArm, 0.17f, 0.17f) + Lump(d, kRightArm, 0.17f, 0.17f)) +
                      0.1f * (Lump(d, kLeftFoot, 0.2f, 0.2f) + Lump(d, kRightFoot, 0.2f, 0.2f)) +
                      0.12f * Lump(d, kTail, 0.15f, 0.15f);
  const Vec3 p = d * (1.0f + lumps);
  return {p.x, SoftFloor(p.y * 0.9f, -0.7f, 0.35f, 0.2f), p.z * 0.95f};
}

Rgba Skin(float s, float t) {
  const Vec3 d = BodyDirection(s, t);
  const Rgba peach = Hex(0xFFC8C6), deep = Hex(0xF6A9B2), cream = Hex(0xFFE8E2), pink = Hex(0xFF8FAE);
  // Deeper on the back and the top, a cream belly in front.
  Rgba c = Mix(peach, deep, SmoothStep(-0.2f, 0.9f, d.z * 0.7f + d.y * 0.3f));
  const float belly = SmoothStep(0.55f, 0.25f, std::sqrt(d.x * d.x * 1.4f + (d.y + 0.45f) * (d.y + 0.45f))) *
                      SmoothStep(0.1f, -0.4f, d.z);
  c = Mix(c, cream, 0.6f * belly);
  // The inner ears: pink on their front halves.
  for (const Vec3& ear : {kLeftEar, kRightEar}) {
    const float inner = Lump(d, ear, 0.12f, 0.09f, 1.4f);
    c = Mix(c, pink, SmoothStep(0.45f, 0.75f, inner) * SmoothStep(0.02f, -0.04f, d.z - ear.z * gfx::Dot(d, ear)));
  }
  const float grain = FractalNoise(s * 24.0f, t * 12.0f, 3, 24, 0, 11u);
  return Shade(c, 0.96f + 0.07f * grain);
}

void Face(FaceCanvas& f) {
  const Rgba dark = Hex(0x3B2233), glow = Hex(0x9C5C84);
  PaintBlush(f, -0.52f, 0.0f, 0.14f, 0.085f, Hex(0xFF7F9A, 0.65f));
  PaintBlush(f, 0.52f, 0.0f, 0.14f, 0.085f, Hex(0xFF7F9A, 0.65f));
  PaintEye(f, -0.3f, -0.2f, 0.13f, 0.17f, dark, glow);
  PaintEye(f, 0.3f, -0.2f, 0.13f, 0.17f, dark, glow);
  // A little cat mouth: two arcs side by side.
  PaintSmile(f, -0.05f, 0.0f, 0.05f, 0.045f, 0.026f, dark);
  PaintSmile(f, 0.05f, 0.0f, 0.05f, 0.045f, 0.026f, dark);
}

}  // namespace

CreatureDesign MomoDesign() {
  CreatureDesign d;
  d.Shape = Shape;
  d.Scale = 0.75f;
  d.Face = {0.36f, 0.64f, 0.3f, 0.7f};
  d.GrabDirections = {kRightEar, kLeftArm, Dir(0.1f, -0.55f, -0.83f)};
  d.CompanionOffset = {1.55f, 0.55f, -0.6f};
  d.Skin = Skin;
  d.PaintFace = Face;
  d.Specular = 0.3f;
  d.Power = 36.0f;
  d.Emissive = Hex(0x2A1E24);
  return d;
}

}  // namespace demo
