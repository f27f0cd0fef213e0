#include "demo/noise.h"

#include <cmath>

namespace demo {

namespace {

std::uint32_t Mix32(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x7FEB352Du;
  x ^= x >> 15;
  x *= 0x846CA68Bu;
  x ^= x >> 16;
  return x;
}

int Wrap(long long i, int period) {
  if (period <= 0) return static_cast<int>(i & 0x7FFFFFFF);
  const long long m = i % period;
  return static_cast<int>(m < 0 ? m + period : m);
}

float Fade(float t) { return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f); }

}  // namespace

float Hash01(std::uint32_t a, std::uint32_t b, std::uint32_t seed) {
  const std::uint32_t h = Mix32(a * 0x9E3779B1u ^ Mix32(b * 0x85EBCA77u ^ Mix32(seed + 0x27D4EB2Fu)));
  return static_cast<float>(h >> 8) / 16777216.0f;
}

float ValueNoise(float x, float y, int period_x, int period_y, std::uint32_t seed) {
  const float fx = std::floor(x), fy = std::floor(y);
  const long long ix = static_cast<long long>(fx), iy = static_cast<long long>(fy);
  const float tx = Fade(x - fx), ty = Fade(y - fy);
  auto at = [&](long long cx, long long cy) {
    return Hash01(static_cast<std::uint32_t>(Wrap(cx, period_x)), static_cast<std::uint32_t>(Wrap(cy, period_y)), seed);
  };
  const float a = at(ix, iy), b = at(ix + 1, iy), c = at(ix, iy + 1), d = at(ix + 1, iy + 1);
  const float top = a + (b - a) * tx, bottom = c + (d - c) * tx;
  return top + (bottom - top) * ty;
}

float FractalNoise(float x, float y, int octaves, int period_x, int period_y, std::uint32_t seed) {
  float sum = 0.0f, weight = 1.0f, total = 0.0f, scale = 1.0f;
  for (int o = 0; o < octaves; ++o) {
    sum += weight * ValueNoise(x * scale, y * scale, period_x << o, period_y << o, seed + static_cast<std::uint32_t>(o) * 101u);
    total += weight;
    weight *= 0.5f;
    scale *= 2.0f;
  }
  return sum / total;
}

}  // namespace demo
