#include <gtest/gtest.h>

#include <cmath>

#include "platform/gfx/math.h"

namespace {

using gfx::Vec3;

// The viewer's camera: 30 degrees vertical field of view, 4:3, near 0.1, far 100.
gfx::Matrix ViewProjection(Vec3 eye, Vec3 at) {
  return gfx::MatrixMultiply(gfx::MatrixLookAtLH(eye, at, {0, 1, 0}),
                             gfx::MatrixPerspectiveFovLH(0.52359867f, 640.0f / 480.0f, 0.1f, 100.0f));
}

void ExpectScreen(Vec3 p, const gfx::Matrix& m, float sx, float sy) {
  const gfx::Vec4 c = gfx::Transform(p, m);
  EXPECT_NEAR((c.x / c.w + 1.0f) * 320.0f, sx, 1e-3f);
  EXPECT_NEAR((1.0f - c.y / c.w) * 240.0f, sy, 1e-3f);
}

TEST(GfxMath, APointStraightAheadProjectsToThePanelCentre) {
  for (const Vec3 eye : {Vec3{0, 0, -5}, Vec3{3, 2, 1}, Vec3{-1, 4, -7}}) {
    const Vec3 at{0.5f, 0.25f, 2.0f};
    ExpectScreen(at, ViewProjection(eye, at), 320.0f, 240.0f);
  }
}

TEST(GfxMath, LeftHandedAxesAndDepthRange) {
  const gfx::Matrix m = ViewProjection({0, 0, -5}, {0, 0, 0});
  // +x appears to the right, +y upwards (smaller screen y).
  const gfx::Vec4 right = gfx::Transform({1, 0, 0}, m), up = gfx::Transform({0, 1, 0}, m);
  EXPECT_GT(right.x / right.w, 0.0f);
  EXPECT_GT(up.y / up.w, 0.0f);
  // Depth 0 at the near plane, 1 at the far plane.
  const gfx::Vec4 near_point = gfx::Transform({0, 0, -4.9f}, m), far_point = gfx::Transform({0, 0, 95}, m);
  EXPECT_NEAR(near_point.z / near_point.w, 0.0f, 1e-5f);
  EXPECT_NEAR(far_point.z / far_point.w, 1.0f, 1e-5f);
  // The top of a 30-degree field of view at distance 5.
  ExpectScreen({0, 5.0f * std::tan(0.52359867f / 2.0f), 0}, m, 320.0f, 0.0f);
}

TEST(GfxMath, RowVectorCompositionRotationAndTranslation) {
  // First rotate a quarter turn about y (x goes to -z), then translate.
  const gfx::Matrix m = gfx::MatrixMultiply(gfx::MatrixRotationY(1.5707963f), gfx::MatrixTranslation(10, 0, 0));
  const gfx::Vec4 p = gfx::Transform({1, 0, 0}, m);
  EXPECT_NEAR(p.x, 10.0f, 1e-5f);
  EXPECT_NEAR(p.z, -1.0f, 1e-5f);
  EXPECT_EQ(p.w, 1.0f);
  const Vec3 n = gfx::TransformNormal({0, 0, 1}, m);  // directions ignore the translation
  EXPECT_NEAR(n.x, 1.0f, 1e-5f);
}

TEST(GfxMath, NormalizeLeavesZeroAndNaNWithoutDirection) {
  const Vec3 n = gfx::Vec3Normalize({-1, -1, 1});
  EXPECT_NEAR(n.x, -0.57735f, 1e-5f);
  EXPECT_NEAR(n.z, 0.57735f, 1e-5f);
  for (const Vec3 v : {Vec3{0, 0, 0}, Vec3{NAN, 0, 0}}) {
    const Vec3 r = gfx::Vec3Normalize(v);
    EXPECT_EQ(r.x, 0.0f);
    EXPECT_EQ(r.y, 0.0f);
    EXPECT_EQ(r.z, 0.0f);
  }
}

}  // namespace
