#pragma once
// Vectors, matrices, colours and lights as the rendering layer and the logic exchange them.
// Matrices are for row vectors (v' = v x M) and the coordinate system is left-handed.

namespace gfx {

struct Vec3 {
  float x = 0, y = 0, z = 0;
};

struct Vec4 {
  float x = 0, y = 0, z = 0, w = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
inline float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
float Length(Vec3 v);
// The unit vector; the zero vector stays zero.
Vec3 Vec3Normalize(Vec3 v);

struct Matrix {
  float m[4][4] = {};

  static Matrix Identity();
  float* operator[](int row) { return m[row]; }
  const float* operator[](int row) const { return m[row]; }
};

// a x b: first a, then b.
Matrix MatrixMultiply(const Matrix& a, const Matrix& b);
Matrix MatrixTranslation(float x, float y, float z);
Matrix MatrixRotationY(float angle);
// The view from eye towards at, with up pointing upwards on screen.
Matrix MatrixLookAtLH(Vec3 eye, Vec3 at, Vec3 up);
// Perspective with a vertical field of view; depth 0 at the near plane, 1 at the far plane.
Matrix MatrixPerspectiveFovLH(float fov_y, float aspect, float z_near, float z_far);

// The value truncated towards zero, saturated to the int range; NaN gives 0. A plain conversion of an
// out-of-range float is undefined, and screen positions come from data a file may have damaged.
int TruncToInt(double value);

// The point (w = 1) through the matrix.
Vec4 Transform(Vec3 p, const Matrix& m);
// The direction (w = 0) through the matrix's upper 3 x 3 part.
Vec3 TransformNormal(Vec3 n, const Matrix& m);

// A colour with float channels, for lights and materials.
struct ColorValue {
  float r = 0, g = 0, b = 0, a = 0;
};

enum class LightType { Point = 1, Spot = 2, Directional = 3 };

struct Light {
  LightType Type = LightType::Directional;
  ColorValue Diffuse, Specular, Ambient;
  Vec3 Position, Direction;
  float Range = 0, Falloff = 0, Attenuation0 = 0, Attenuation1 = 0, Attenuation2 = 0, Theta = 0, Phi = 0;
};

struct Material {
  ColorValue Diffuse, Ambient, Specular, Emissive;
  float Power = 0;
};

}  // namespace gfx
