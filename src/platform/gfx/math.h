#pragma once
// Vectors and colours as the rendering layer and the logic exchange them.

namespace gfx {

struct Vec3 {
  float x = 0, y = 0, z = 0;
};

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

}  // namespace gfx
