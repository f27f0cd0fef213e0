#pragma once
// Deterministic smooth noise for the procedural textures: the same numbers on every run and system.
#include <cstdint>

namespace demo {

// Value noise, 0..1, on a unit lattice that repeats every period_x cells in x and period_y in y (a
// period of 0 never repeats), so that textures wrapped around a model show no seam.
float ValueNoise(float x, float y, int period_x, int period_y, std::uint32_t seed);

// Several octaves of value noise, each twice the frequency and half the weight; 0..1. The periods
// are those of the first octave and double with the frequency.
float FractalNoise(float x, float y, int octaves, int period_x, int period_y, std::uint32_t seed);

// A hash of the integers to 0..1, for scattering details.
float Hash01(std::uint32_t a, std::uint32_t b, std::uint32_t seed);

}  // namespace demo
