// Boo: a little ghost with a wavy hem, stubby arms and a curl on top, floating above the ground.
#include <cmath>

#include "demo/body_tools.h"
#include "demo/creature.h"
#include "demo/noise.h"
#include "demo/shapes.h"

namespace demo {

namespace {

const Vec3 kLeftArm = Dir(-1.0f, -0.1f, -0.25f), kRightArm = Dir(1.0f, -0.1f, -0.25f);
const Vec3 kCurl = Dir(0.35f, 1.0f, 0.05f);
constexpr float kHem = 0.78f;     // where the sheet turns under, along the lower half
constexpr float kDrop = 1.25f;    // how far the sheet hangs below the head's centre

Vec3 Shape(Vec3 d) {
  const float theta = std::acos(std::fmax(-1.0f, std::fmin(1.0f, d.y)));
  const float phi = std::atan2(d.x, -d.z);
  float rho, y;
  if (theta <= 0.5f * kPi) {
    rho = std::sin(theta), y = std::cos(theta);  // the round head
  } else {
    const float u = (theta - 0.5f * kPi) / (0.5f * kPi);
    const float wave = 0.1f * std::sin(6.0f * phi + 0.5f);
    if (u <= kHem) {  // the sheet, flaring a little, its hem waving
      const float k = u / kHem;
      rho = 1.0f + 0.16f * k * k, y = -kDrop * k + wave * k * k * k;
    } else {  // the underside, turning up inside the hem
      const float k = (u - kHem) / (1.0f - kHem), bend = 0.5f * kPi * k;
      rho = 1.16f * std::cos(bend), y = -kDrop + wave * std::cos(bend) + 0.3f * std::sin(bend);
    }
  }
  const float horizontal = std::sqrt(d.x * d.x + d.z * d.z);
  const float cx = horizontal > 1e-6f ? d.x / horizontal : 0.0f, cz = horizontal > 1e-6f ? d.z / horizontal : 0.0f;
  const Vec3 p{cx * rho, y, cz * rho};
  const float lumps = 0.24f * (Lump(d, kLeftArm, 0.2f, 0.16f, 1.3f) + Lump(d, kRightArm, 0.2f, 0.16f, 1.3f)) +
                      0.32f * Lump(d, kCurl, 0.11f, 0.11f, 1.3f);
  return p + d * lumps;
}

Rgba Skin(float s, float t) {
  const Vec3 d = BodyDirection(s, t);
  Rgba c = Mix(Hex(0xFBF9FF), Hex(0xD9CFF6), SmoothStep(0.2f, -0.9f, d.y));
  return Shade(c, 0.97f + 0.05f * FractalNoise(s * 16.0f, t * 8.0f, 3, 16, 0, 81u));
}

void Face(FaceCanvas& f) {
  const Rgba dark = Hex(0x1C1730), glow = Hex(0x5B4C8C);
  PaintBlush(f, -0.44f, 0.1f, 0.12f, 0.07f, Hex(0xFF8CB0, 0.55f));
  PaintBlush(f, 0.44f, 0.1f, 0.12f, 0.07f, Hex(0xFF8CB0, 0.55f));
  PaintEye(f, -0.24f, -0.06f, 0.085f, 0.14f, dark, glow);
  PaintEye(f, 0.24f, -0.06f, 0.085f, 0.14f, dark, glow);
  PaintOpenMouth(f, 0.0f, 0.15f, 0.065f, 0.075f, Hex(0x2A1B3A), Hex(0xFF7C98));
}

}  // namespace

CreatureDesign BooDesign() {
  CreatureDesign d;
  d.Shape = Shape;
  d.Scale = 0.72f;
  d.Hover = 0.3f;
  d.Face = {0.37f, 0.63f, 0.28f, 0.62f};
  d.GrabDirections = {kCurl, kLeftArm, kRightArm};
  d.CompanionOffset = {1.5f, 0.7f, -0.6f};
  d.Skin = Skin;
  d.PaintFace = Face;
  d.Specular = 0.25f;
  d.Power = 20.0f;
  d.Emissive = Hex(0x4A4660);
  return d;
}

}  // namespace demo
