#pragma once
// One row of a triangle's pixels, ready for shading, and the shaders that fill it.
#include <cstdint>

#include "platform/gfx/reference/rasterizer.h"

namespace gfx::reference {

// Interpolated per pixel: z, rhw, then r, g, b, a, sr, sg, sb, u, v (divided by w where the triangle
// is shaded with perspective correction).
enum Attribute { kZ, kRhw, kR, kG, kB, kA, kSr, kSg, kSb, kU, kV, kAttributes };

struct Span {
  std::uint32_t* colour;
  float* depth;
  int count;
  float q[kAttributes];     // at the first pixel
  float step[kAttributes];  // per pixel to the right
};

// How texture stage 0 combines: the form every mesh and sprite uses (texture x diffuse, alpha from
// the texture) has its own loops; anything else goes through the general combiner.
enum class StageMode { TextureTimesDiffuse, General };
enum class BlendMode { Off, SourceAlpha, General };

struct ShaderKey {
  StageMode Stage;
  BlendMode Blend;
  bool Textured, Specular, Perspective;
};

using SpanShader = void (*)(const Span& span, const PixelState& state);

ShaderKey ShaderKeyFor(const PixelState& state, bool textured, bool perspective);
// The shader for the key: a vectorised one where this processor has one, else the portable one.
SpanShader PickSpanShader(const ShaderKey& key);
// The portable shader for the key (every key has one).
SpanShader PickPortableSpanShader(const ShaderKey& key);
// The vectorised shader for the key, or nothing.
SpanShader PickVectorSpanShader(const ShaderKey& key);

}  // namespace gfx::reference
