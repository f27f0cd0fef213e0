#include "demo/key_poses.h"

#include <cmath>

namespace demo {

namespace {

using gfx::Vec3;

constexpr float kHalfTurn = 3.14159265f;

// Scales the point's distance from the axis by k_side and its height above the base by k_up.
Vec3 ScaleAbout(const PoseFrame& f, Vec3 p, float k_side, float k_up) {
  return {f.Centre.x + (p.x - f.Centre.x) * k_side, f.Bottom + (p.y - f.Bottom) * k_up, f.Centre.z + (p.z - f.Centre.z) * k_side};
}

// Turns the point about the axis by angle (radians, positive turns +x towards +z).
Vec3 TurnAbout(const PoseFrame& f, Vec3 p, float angle) {
  const float c = std::cos(angle), s = std::sin(angle);
  const float x = p.x - f.Centre.x, z = p.z - f.Centre.z;
  return {f.Centre.x + x * c - z * s, p.y, f.Centre.z + x * s + z * c};
}

Vec3 Reach(const PoseFrame& f, Vec3 p, Vec3 grab) {
  const float size = f.Top - f.Bottom;
  const Vec3 out = gfx::Vec3Normalize(grab - f.Centre);
  const float sigma = 0.32f * size;
  const Vec3 d = p - grab;
  const float w = std::exp(-gfx::Dot(d, d) / (2.0f * sigma * sigma));
  // The neighbourhood of the point follows the pull; the whole body leans after it a little.
  const float height = std::fmax(0.0f, (p.y - f.Bottom) / size);
  return p + out * (0.32f * size * w) + Vec3{out.x, 0.0f, out.z} * (0.06f * size * height);
}

}  // namespace

Vec3 ApplyPose(Pose pose, const PoseFrame& f, Vec3 p) {
  const float size = f.Top - f.Bottom;
  const float h = (p.y - f.Bottom) / size;  // 0 at the base, 1 at the top
  const float bend = h * h;
  switch (pose) {
    case Pose::Rest: return p;
    case Pose::Breathe: return ScaleAbout(f, p, 1.0f + 0.05f * std::sin(kHalfTurn * std::fmin(std::fmax(h, 0.0f), 1.0f)), 1.035f);
    case Pose::Squash: return ScaleAbout(f, p, 1.0f + 0.17f * (1.0f - 0.35f * h), 0.76f);
    case Pose::Stretch: return ScaleAbout(f, p, 0.88f + 0.04f * h, 1.2f);
    case Pose::TwistLeft: return TurnAbout(f, p, 0.5f * bend);
    case Pose::TwistRight: return TurnAbout(f, p, -0.5f * bend);
    case Pose::LeanLeft:
    case Pose::LeanRight: {
      const float side = pose == Pose::LeanLeft ? -1.0f : 1.0f;
      return {p.x + side * 0.3f * size * bend, p.y - 0.06f * size * bend * bend, p.z};
    }
    case Pose::ReachPoint1: return Reach(f, p, f.Grab[0]);
    case Pose::ReachPoint2: return Reach(f, p, f.Grab[1]);
    case Pose::ReachPoint3: return Reach(f, p, f.Grab[2]);
    case Pose::Wobble: {
      const float angle = std::atan2(p.z - f.Centre.z, p.x - f.Centre.x);
      const float waist = std::sin(kHalfTurn * std::fmin(std::fmax(h, 0.0f), 1.0f));
      const float k = 1.0f + 0.09f * waist * std::sin(3.0f * angle + 4.0f * h);
      return ScaleAbout(f, p, k, 1.0f + 0.03f * std::cos(3.0f * angle));
    }
    case Pose::Hop: {
      const Vec3 q = ScaleAbout(f, p, 0.92f, 1.12f);
      return {q.x, q.y + 0.22f * size, q.z};
    }
  }
  return p;
}

}  // namespace demo
