#include "platform/gfx/math.h"

#include <cmath>

namespace gfx {

float Length(Vec3 v) { return std::sqrt(Dot(v, v)); }

Vec3 Vec3Normalize(Vec3 v) {
  const float length = Length(v);
  if (!(length > 0.0f)) return Vec3{};  // zero or NaN: no direction
  return v * (1.0f / length);
}

Matrix Matrix::Identity() {
  Matrix r;
  for (int i = 0; i < 4; ++i) r.m[i][i] = 1.0f;
  return r;
}

Matrix MatrixMultiply(const Matrix& a, const Matrix& b) {
  Matrix r;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j] + a.m[i][3] * b.m[3][j];
  return r;
}

Matrix MatrixTranslation(float x, float y, float z) {
  Matrix r = Matrix::Identity();
  r.m[3][0] = x;
  r.m[3][1] = y;
  r.m[3][2] = z;
  return r;
}

Matrix MatrixRotationY(float angle) {
  Matrix r = Matrix::Identity();
  const float c = std::cos(angle), s = std::sin(angle);
  r.m[0][0] = c;
  r.m[0][2] = -s;
  r.m[2][0] = s;
  r.m[2][2] = c;
  return r;
}

Matrix MatrixLookAtLH(Vec3 eye, Vec3 at, Vec3 up) {
  const Vec3 z = Vec3Normalize(at - eye);
  const Vec3 x = Vec3Normalize(Cross(up, z));
  const Vec3 y = Cross(z, x);
  Matrix r = Matrix::Identity();
  r.m[0][0] = x.x, r.m[0][1] = y.x, r.m[0][2] = z.x;
  r.m[1][0] = x.y, r.m[1][1] = y.y, r.m[1][2] = z.y;
  r.m[2][0] = x.z, r.m[2][1] = y.z, r.m[2][2] = z.z;
  r.m[3][0] = -Dot(x, eye), r.m[3][1] = -Dot(y, eye), r.m[3][2] = -Dot(z, eye);
  return r;
}

Matrix MatrixPerspectiveFovLH(float fov_y, float aspect, float z_near, float z_far) {
  const float y_scale = 1.0f / std::tan(fov_y / 2.0f);
  const float x_scale = y_scale / aspect;
  Matrix r;
  r.m[0][0] = x_scale;
  r.m[1][1] = y_scale;
  r.m[2][2] = z_far / (z_far - z_near);
  r.m[2][3] = 1.0f;
  r.m[3][2] = -z_near * z_far / (z_far - z_near);
  return r;
}

int TruncToInt(double value) {
  if (!(value == value)) return 0;
  if (value >= 2147483647.0) return 2147483647;
  if (value <= -2147483648.0) return -2147483647 - 1;
  return static_cast<int>(value);
}

Vec4 Transform(Vec3 p, const Matrix& m) {
  return {p.x * m.m[0][0] + p.y * m.m[1][0] + p.z * m.m[2][0] + m.m[3][0],
          p.x * m.m[0][1] + p.y * m.m[1][1] + p.z * m.m[2][1] + m.m[3][1],
          p.x * m.m[0][2] + p.y * m.m[1][2] + p.z * m.m[2][2] + m.m[3][2],
          p.x * m.m[0][3] + p.y * m.m[1][3] + p.z * m.m[2][3] + m.m[3][3]};
}

Vec3 TransformNormal(Vec3 n, const Matrix& m) {
  return {n.x * m.m[0][0] + n.y * m.m[1][0] + n.z * m.m[2][0], n.x * m.m[0][1] + n.y * m.m[1][1] + n.z * m.m[2][1],
          n.x * m.m[0][2] + n.y * m.m[1][2] + n.z * m.m[2][2]};
}

}  // namespace gfx
