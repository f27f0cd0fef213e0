// The common spans (texture x diffuse, alpha from the texture, no blending or source-alpha blending)
// four pixels at a time with SSE2, which every x86-64 processor has. Other processors, and other
// states, use the portable shaders.
#include "platform/gfx/reference/span.h"

#if defined(__SSE2__)
#include <emmintrin.h>

#include <algorithm>
#include <cstring>

namespace gfx::reference {

namespace {

// Texel indices along one axis for four coordinates: floor(c x size) wrapped into 0 .. size - 1.
// Coordinates too large to address a texel sensibly (or not a number) sample texel 0.
__m128i WrapIndices(__m128 c, int size) {
  const __m128 t = _mm_mul_ps(c, _mm_set1_ps(static_cast<float>(size)));
  const __m128 limit = _mm_set1_ps(1073741824.0f);
  const __m128 in_range = _mm_and_ps(_mm_cmplt_ps(t, limit), _mm_cmpgt_ps(t, _mm_sub_ps(_mm_setzero_ps(), limit)));
  const __m128 safe = _mm_and_ps(t, in_range);
  __m128i i = _mm_cvttps_epi32(safe);
  // Truncation rounds negative values up: step them down to the floor.
  i = _mm_add_epi32(i, _mm_castps_si128(_mm_cmplt_ps(safe, _mm_cvtepi32_ps(i))));
  if ((size & (size - 1)) == 0) return _mm_and_si128(i, _mm_set1_epi32(size - 1));
  alignas(16) int lanes[4];
  _mm_store_si128(reinterpret_cast<__m128i*>(lanes), i);
  for (int& lane : lanes) {
    lane %= size;
    if (lane < 0) lane += size;
  }
  return _mm_load_si128(reinterpret_cast<const __m128i*>(lanes));
}

__m128 Channel(__m128i packed, int shift) {
  return _mm_cvtepi32_ps(_mm_and_si128(_mm_srli_epi32(packed, shift), _mm_set1_epi32(0xFF)));
}

// Rounds to the nearest integer and clamps to 0 .. 255 (NaN gives 0).
__m128i ToBytes(__m128 v) {
  v = _mm_min_ps(_mm_max_ps(v, _mm_setzero_ps()), _mm_set1_ps(255.0f));
  return _mm_cvtps_epi32(v);
}

template <BlendMode kBlend, bool kTextured, bool kSpecular, bool kPerspective>
void ShadeSpan4(const Span& span, const PixelState& state) {
  const Image* texture = state.Texture;
  const bool depth_test = state.DepthTest, depth_write = state.DepthTest && state.DepthWrite;
  const __m128 lane = _mm_set_ps(3, 2, 1, 0);
  __m128 q[kAttributes], step4[kAttributes];
  for (int k = 0; k < kAttributes; ++k) {
    q[k] = _mm_add_ps(_mm_set1_ps(span.q[k]), _mm_mul_ps(lane, _mm_set1_ps(span.step[k])));
    step4[k] = _mm_set1_ps(span.step[k] * 4.0f);
  }
  const __m128 k255 = _mm_set1_ps(255.0f), inv255 = _mm_set1_ps(1.0f / 255.0f);
  for (int i = 0; i < span.count; i += 4) {
    const int n = std::min(4, span.count - i);
    const bool whole = n == 4;
    // A group the span ends inside goes through copies, so nothing past its end is touched.
    alignas(16) float depth_in[4] = {0, 0, 0, 0};
    alignas(16) std::uint32_t colour_in[4] = {0, 0, 0, 0};
    if (!whole) {
      std::memcpy(depth_in, span.depth + i, sizeof(float) * static_cast<size_t>(n));
      std::memcpy(colour_in, span.colour + i, sizeof(std::uint32_t) * static_cast<size_t>(n));
    }
    const __m128 stored = whole ? _mm_loadu_ps(span.depth + i) : _mm_load_ps(depth_in);
    __m128 pass = _mm_cmplt_ps(lane, _mm_set1_ps(static_cast<float>(n)));
    if (depth_test) pass = _mm_and_ps(pass, _mm_cmple_ps(q[kZ], stored));
    if (_mm_movemask_ps(pass) != 0) {
      const __m128 w = kPerspective ? _mm_div_ps(_mm_set1_ps(1.0f), q[kRhw]) : _mm_set1_ps(1.0f);
      const __m128 scale = _mm_mul_ps(w, k255);
      __m128 r = _mm_mul_ps(q[kR], scale), g = _mm_mul_ps(q[kG], scale), b = _mm_mul_ps(q[kB], scale);
      __m128 a = k255;
      if constexpr (kTextured) {
        const __m128i tx = WrapIndices(_mm_mul_ps(q[kU], w), texture->Width);
        const __m128i ty = WrapIndices(_mm_mul_ps(q[kV], w), texture->Height);
        alignas(16) int xs[4], ys[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(xs), tx);
        _mm_store_si128(reinterpret_cast<__m128i*>(ys), ty);
        const std::uint32_t* texels = texture->Pixels.data();
        const size_t tw = static_cast<size_t>(texture->Width);
        const __m128i t = _mm_set_epi32(static_cast<int>(texels[static_cast<size_t>(ys[3]) * tw + static_cast<size_t>(xs[3])]),
                                        static_cast<int>(texels[static_cast<size_t>(ys[2]) * tw + static_cast<size_t>(xs[2])]),
                                        static_cast<int>(texels[static_cast<size_t>(ys[1]) * tw + static_cast<size_t>(xs[1])]),
                                        static_cast<int>(texels[static_cast<size_t>(ys[0]) * tw + static_cast<size_t>(xs[0])]));
        r = _mm_mul_ps(_mm_mul_ps(r, Channel(t, 16)), inv255);
        g = _mm_mul_ps(_mm_mul_ps(g, Channel(t, 8)), inv255);
        b = _mm_mul_ps(_mm_mul_ps(b, Channel(t, 0)), inv255);
        a = Channel(t, 24);
      }
      if constexpr (kSpecular) {
        r = _mm_min_ps(k255, _mm_add_ps(r, _mm_mul_ps(q[kSr], scale)));
        g = _mm_min_ps(k255, _mm_add_ps(g, _mm_mul_ps(q[kSg], scale)));
        b = _mm_min_ps(k255, _mm_add_ps(b, _mm_mul_ps(q[kSb], scale)));
      }
      const __m128i old = whole ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(span.colour + i))
                                : _mm_load_si128(reinterpret_cast<const __m128i*>(colour_in));
      if constexpr (kBlend == BlendMode::SourceAlpha) {
        const __m128 alpha = _mm_mul_ps(a, inv255);
        const __m128 dr = Channel(old, 16), dg = Channel(old, 8), db = Channel(old, 0);
        r = _mm_add_ps(dr, _mm_mul_ps(_mm_sub_ps(r, dr), alpha));
        g = _mm_add_ps(dg, _mm_mul_ps(_mm_sub_ps(g, dg), alpha));
        b = _mm_add_ps(db, _mm_mul_ps(_mm_sub_ps(b, db), alpha));
      }
      const __m128i packed = _mm_or_si128(
          _mm_or_si128(_mm_set1_epi32(static_cast<int>(0xFF000000u)), _mm_slli_epi32(ToBytes(r), 16)),
          _mm_or_si128(_mm_slli_epi32(ToBytes(g), 8), ToBytes(b)));
      const __m128i mask = _mm_castps_si128(pass);
      const __m128i colour_out = _mm_or_si128(_mm_and_si128(mask, packed), _mm_andnot_si128(mask, old));
      const __m128 depth_out = _mm_or_ps(_mm_and_ps(pass, q[kZ]), _mm_andnot_ps(pass, stored));
      if (whole) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(span.colour + i), colour_out);
        if (depth_write) _mm_storeu_ps(span.depth + i, depth_out);
      } else {
        _mm_store_si128(reinterpret_cast<__m128i*>(colour_in), colour_out);
        std::memcpy(span.colour + i, colour_in, sizeof(std::uint32_t) * static_cast<size_t>(n));
        if (depth_write) {
          _mm_store_ps(depth_in, depth_out);
          std::memcpy(span.depth + i, depth_in, sizeof(float) * static_cast<size_t>(n));
        }
      }
    }
    for (int k = 0; k < kAttributes; ++k) q[k] = _mm_add_ps(q[k], step4[k]);
  }
}

template <BlendMode kBlend, bool kTextured, bool kSpecular>
SpanShader PickPerspective(bool perspective) {
  return perspective ? &ShadeSpan4<kBlend, kTextured, kSpecular, true> : &ShadeSpan4<kBlend, kTextured, kSpecular, false>;
}

template <BlendMode kBlend>
SpanShader PickFlags(const ShaderKey& key) {
  if (key.Textured)
    return key.Specular ? PickPerspective<kBlend, true, true>(key.Perspective)
                        : PickPerspective<kBlend, true, false>(key.Perspective);
  return key.Specular ? PickPerspective<kBlend, false, true>(key.Perspective)
                      : PickPerspective<kBlend, false, false>(key.Perspective);
}

}  // namespace

SpanShader PickVectorSpanShader(const ShaderKey& key) {
  if (key.Stage != StageMode::TextureTimesDiffuse) return nullptr;
  switch (key.Blend) {
    case BlendMode::Off: return PickFlags<BlendMode::Off>(key);
    case BlendMode::SourceAlpha: return PickFlags<BlendMode::SourceAlpha>(key);
    case BlendMode::General: return nullptr;
  }
  return nullptr;
}

}  // namespace gfx::reference

#else

namespace gfx::reference {
SpanShader PickVectorSpanShader(const ShaderKey&) { return nullptr; }
}  // namespace gfx::reference

#endif
