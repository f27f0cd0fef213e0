// Stella: a plump five-armed golden star that stands on two of its arms and glows a little.
#include <cmath>

#include "demo/body_tools.h"
#include "demo/creature.h"
#include "demo/noise.h"
#include "demo/shapes.h"

namespace demo {

namespace {

constexpr float kArmAngle = 2.0f * kPi / 5.0f;

// How much the direction lies along an arm: 1 at an arm's tip, 0 between arms and at the faces.
float Arm(Vec3 d) {
  const float a = std::atan2(d.x, d.y);
  return std::pow(0.5f + 0.5f * std::cos(5.0f * a), 2.5f) * (d.x * d.x + d.y * d.y);
}

Vec3 Shape(Vec3 d) {
  const float arm = Arm(d);
  const float k = 1.0f + 0.85f * arm;
  return {d.x * k, d.y * k, d.z * (0.62f - 0.2f * arm)};
}

Rgba Skin(float s, float t) {
  const Vec3 d = BodyDirection(s, t);
  const float arm = Arm(d);
  Rgba c = Mix(Hex(0xFFE071), Hex(0xFFA845), SmoothStep(0.25f, 0.95f, arm));
  // Freckles: soft darker dots scattered over the arms.
  const float n = ValueNoise(s * 40.0f, t * 20.0f, 40, 0, 61u);
  c = Mix(c, Hex(0xF28C38), 0.55f * SmoothStep(0.8f, 0.88f, n) * SmoothStep(0.2f, 0.5f, arm));
  return Shade(c, 0.96f + 0.06f * FractalNoise(s * 16.0f, t * 8.0f, 3, 16, 0, 62u));
}

void Face(FaceCanvas& f) {
  const Rgba ink = Hex(0x5A2E14);
  PaintBlush(f, -0.42f, 0.02f, 0.12f, 0.07f, Hex(0xFF6F6F, 0.5f));
  PaintBlush(f, 0.42f, 0.02f, 0.12f, 0.07f, Hex(0xFF6F6F, 0.5f));
  PaintClosedEye(f, -0.25f, -0.1f, 0.12f, 0.1f, 0.045f, ink);
  PaintClosedEye(f, 0.25f, -0.1f, 0.12f, 0.1f, 0.045f, ink);
  PaintSmile(f, 0.0f, 0.08f, 0.11f, 0.08f, 0.04f, ink);
}

}  // namespace

CreatureDesign StellaDesign() {
  CreatureDesign d;
  d.Shape = Shape;
  d.Scale = 0.6f;
  d.Face = {0.39f, 0.61f, 0.33f, 0.67f};
  const float c = std::cos(kArmAngle), s = std::sin(kArmAngle);
  d.GrabDirections = {Dir(0.0f, 1.0f, 0.0f), Dir(-s, c, -0.05f), Dir(s, c, -0.05f)};
  d.CompanionOffset = {1.2f, 0.95f, -0.6f};
  d.Skin = Skin;
  d.PaintFace = Face;
  d.Specular = 0.5f;
  d.Power = 30.0f;
  d.Emissive = Hex(0x4A3410);
  return d;
}

}  // namespace demo
