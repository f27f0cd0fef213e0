#include "platform/gfx/reference/span.h"

#include <algorithm>

#include "platform/gfx/device.h"

namespace gfx::reference {

namespace {

struct Colour {
  float r, g, b, a;  // 0..255
};

Colour Unpack(std::uint32_t p) {
  return {static_cast<float>((p >> 16) & 0xFF), static_cast<float>((p >> 8) & 0xFF), static_cast<float>(p & 0xFF),
          static_cast<float>(p >> 24)};
}

std::uint32_t ToByte(float v) {
  if (!(v > 0.0f)) return 0;  // also NaN
  if (v >= 255.0f) return 255;
  return static_cast<std::uint32_t>(v + 0.5f);
}

// Texel index along one axis for point sampling with wrap addressing. Coordinates too large to
// address a texel sensibly (or not a number) sample texel 0.
inline int Wrap(float coordinate, int size) {
  const float t = coordinate * static_cast<float>(size);
  if (!(t > -1073741824.0f && t < 1073741824.0f)) return 0;
  int i = static_cast<int>(t);
  i -= (t < static_cast<float>(i));  // floor
  if ((size & (size - 1)) == 0) return i & (size - 1);
  i %= size;
  return i < 0 ? i + size : i;
}

inline std::uint32_t Texel(const Image& t, float u, float v) {
  return t.Pixels[static_cast<size_t>(Wrap(v, t.Height)) * static_cast<size_t>(t.Width) +
                  static_cast<size_t>(Wrap(u, t.Width))];
}

float Argument(std::uint32_t arg, int channel, const Colour& texel, const Colour& diffuse) {
  const Colour& c = arg == kTaTexture ? texel : diffuse;  // diffuse and current are the same on stage 0
  return channel == 0 ? c.r : channel == 1 ? c.g : channel == 2 ? c.b : c.a;
}

float Combine(std::uint32_t op, std::uint32_t arg1, std::uint32_t arg2, int channel, const Colour& texel,
              const Colour& diffuse) {
  switch (op) {
    case kTopSelectArg1: return Argument(arg1, channel, texel, diffuse);
    case kTopSelectArg2: return Argument(arg2, channel, texel, diffuse);
    case kTopModulate:
      return Argument(arg1, channel, texel, diffuse) * Argument(arg2, channel, texel, diffuse) / 255.0f;
    default: return Argument(kTaDiffuse, channel, texel, diffuse);  // disabled: the diffuse colour passes
  }
}

float BlendFactor(std::uint32_t factor, int channel, const Colour& src, const Colour& dst) {
  auto pick = [channel](const Colour& c) { return channel == 0 ? c.r : channel == 1 ? c.g : channel == 2 ? c.b : c.a; };
  switch (factor) {
    case kBlendZero: return 0.0f;
    case kBlendOne: return 1.0f;
    case kBlendSrcColor: return pick(src) / 255.0f;
    case kBlendInvSrcColor: return 1.0f - pick(src) / 255.0f;
    case kBlendSrcAlpha: return src.a / 255.0f;
    case kBlendInvSrcAlpha: return 1.0f - src.a / 255.0f;
    case kBlendDestAlpha: return dst.a / 255.0f;
    case kBlendInvDestAlpha: return 1.0f - dst.a / 255.0f;
    case kBlendDestColor: return pick(dst) / 255.0f;
    case kBlendInvDestColor: return 1.0f - pick(dst) / 255.0f;
    default: return channel == 3 ? 1.0f : 0.0f;
  }
}


template <StageMode kStage, BlendMode kBlend, bool kTextured, bool kSpecular, bool kPerspective>
void ShadeSpan(const Span& span, const PixelState& state) {
  const Image* texture = state.Texture;
  float q[kAttributes];
  std::copy(span.q, span.q + kAttributes, q);
  for (int i = 0; i < span.count; ++i, [&] { for (int k = 0; k < kAttributes; ++k) q[k] += span.step[k]; }()) {
    const float z = q[kZ];
    float& stored = span.depth[i];
    if (state.DepthTest && !(z <= stored)) continue;
    const float w = kPerspective ? 1.0f / q[kRhw] : 1.0f;
    const float scale = 255.0f * w;
    const Colour diffuse{q[kR] * scale, q[kG] * scale, q[kB] * scale, q[kA] * scale};
    Colour src;
    if constexpr (kStage == StageMode::TextureTimesDiffuse) {
      if constexpr (kTextured) {
        const Colour t = Unpack(Texel(*texture, q[kU] * w, q[kV] * w));
        constexpr float k = 1.0f / 255.0f;
        src = {t.r * diffuse.r * k, t.g * diffuse.g * k, t.b * diffuse.b * k, t.a};
      } else {
        src = {diffuse.r, diffuse.g, diffuse.b, 255.0f};
      }
    } else {
      const Colour t = kTextured ? Unpack(Texel(*texture, q[kU] * w, q[kV] * w)) : Colour{255, 255, 255, 255};
      src = {Combine(state.ColorOp, state.ColorArg1, state.ColorArg2, 0, t, diffuse),
             Combine(state.ColorOp, state.ColorArg1, state.ColorArg2, 1, t, diffuse),
             Combine(state.ColorOp, state.ColorArg1, state.ColorArg2, 2, t, diffuse),
             Combine(state.AlphaOp, state.AlphaArg1, state.AlphaArg2, 3, t, diffuse)};
    }
    if constexpr (kSpecular) {
      src.r = std::min(255.0f, src.r + q[kSr] * scale);
      src.g = std::min(255.0f, src.g + q[kSg] * scale);
      src.b = std::min(255.0f, src.b + q[kSb] * scale);
    }
    std::uint32_t& pixel = span.colour[i];
    if constexpr (kBlend == BlendMode::SourceAlpha) {
      const Colour dst = Unpack(pixel);
      const float a = src.a * (1.0f / 255.0f);
      src.r = dst.r + (src.r - dst.r) * a;
      src.g = dst.g + (src.g - dst.g) * a;
      src.b = dst.b + (src.b - dst.b) * a;
    } else if constexpr (kBlend == BlendMode::General) {
      const Colour dst = Unpack(pixel);
      const Colour s = src;
      src.r = s.r * BlendFactor(state.SrcBlend, 0, s, dst) + dst.r * BlendFactor(state.DestBlend, 0, s, dst);
      src.g = s.g * BlendFactor(state.SrcBlend, 1, s, dst) + dst.g * BlendFactor(state.DestBlend, 1, s, dst);
      src.b = s.b * BlendFactor(state.SrcBlend, 2, s, dst) + dst.b * BlendFactor(state.DestBlend, 2, s, dst);
    }
    pixel = 0xFF000000u | (ToByte(src.r) << 16) | (ToByte(src.g) << 8) | ToByte(src.b);
    if (state.DepthTest && state.DepthWrite) stored = z;
  }
}

template <StageMode kStage, BlendMode kBlend, bool kTextured, bool kSpecular>
SpanShader PickPerspective(bool perspective) {
  return perspective ? &ShadeSpan<kStage, kBlend, kTextured, kSpecular, true>
                     : &ShadeSpan<kStage, kBlend, kTextured, kSpecular, false>;
}

template <StageMode kStage, BlendMode kBlend>
SpanShader PickFlags(bool textured, bool specular, bool perspective) {
  if (textured) {
    return specular ? PickPerspective<kStage, kBlend, true, true>(perspective)
                    : PickPerspective<kStage, kBlend, true, false>(perspective);
  }
  return specular ? PickPerspective<kStage, kBlend, false, true>(perspective)
                  : PickPerspective<kStage, kBlend, false, false>(perspective);
}

template <StageMode kStage>
SpanShader PickBlend(BlendMode blend, bool textured, bool specular, bool perspective) {
  switch (blend) {
    case BlendMode::Off: return PickFlags<kStage, BlendMode::Off>(textured, specular, perspective);
    case BlendMode::SourceAlpha: return PickFlags<kStage, BlendMode::SourceAlpha>(textured, specular, perspective);
    case BlendMode::General: break;
  }
  return PickFlags<kStage, BlendMode::General>(textured, specular, perspective);
}

}  // namespace

ShaderKey ShaderKeyFor(const PixelState& s, bool textured, bool perspective) {
  const bool modulate = s.ColorOp == kTopModulate &&
                        ((s.ColorArg1 == kTaTexture && s.ColorArg2 != kTaTexture) ||
                         (s.ColorArg2 == kTaTexture && s.ColorArg1 != kTaTexture));
  const bool alpha_from_texture = (s.AlphaOp == kTopSelectArg1 && s.AlphaArg1 == kTaTexture) ||
                                  (s.AlphaOp == kTopSelectArg2 && s.AlphaArg2 == kTaTexture);
  ShaderKey key{modulate && alpha_from_texture ? StageMode::TextureTimesDiffuse : StageMode::General,
                BlendMode::Off, textured, s.Specular, perspective};
  if (s.Blend) {
    key.Blend = s.SrcBlend == kBlendSrcAlpha && s.DestBlend == kBlendInvSrcAlpha ? BlendMode::SourceAlpha
                : s.SrcBlend == kBlendOne && s.DestBlend == kBlendZero        ? BlendMode::Off
                                                                               : BlendMode::General;
  }
  return key;
}

SpanShader PickSpanShader(const ShaderKey& key) {
  if (SpanShader vector = PickVectorSpanShader(key)) return vector;
  return PickPortableSpanShader(key);
}

SpanShader PickPortableSpanShader(const ShaderKey& key) {
  const bool textured = key.Textured, specular = key.Specular, perspective = key.Perspective;
  return key.Stage == StageMode::TextureTimesDiffuse
             ? PickBlend<StageMode::TextureTimesDiffuse>(key.Blend, textured, specular, perspective)
             : PickBlend<StageMode::General>(key.Blend, textured, specular, perspective);
}

}  // namespace gfx::reference
