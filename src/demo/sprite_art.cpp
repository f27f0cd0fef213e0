#include "demo/sprite_art.h"

#include <cmath>
#include <string>

#include "demo/noise.h"
#include "demo/paint.h"
#include "demo/pixel_font.h"

namespace demo {

gfx::Image MarkerSparkleArt() {
  constexpr int kSize = 200;
  constexpr float kCentre = kSize * 0.5f;
  gfx::Image image(kSize, kSize, 0);
  // A soft halo, a faint ring and a bright core: the square itself never shows.
  FillFunction(image, [](float u, float v) {
    const float dx = (u - 0.5f) * kSize, dy = (v - 0.5f) * kSize;
    const float r = std::sqrt(dx * dx + dy * dy);
    const float halo = 0.38f * std::exp(-(r * r) / (2.0f * 16.0f * 16.0f));
    const float ring = 0.16f * std::exp(-((r - 30.0f) * (r - 30.0f)) / (2.0f * 1.6f * 1.6f));
    const float a = Clamp01(halo + ring);
    const Rgba warm = Hex(0xFFE6A8), cool = Hex(0xBFE4FF);
    return WithAlpha(Mix(warm, cool, SmoothStep(6.0f, 32.0f, r)), a);
  });
  PaintTwinkle(image, kCentre, kCentre, 24.0f, Hex(0xFFFFFF, 0.95f));
  FillEllipse(image, kCentre, kCentre, 4.0f, 4.0f, Hex(0xFFFFF4));
  // Two small companions on the ring.
  PaintTwinkle(image, kCentre + 21.0f, kCentre - 21.5f, 6.0f, Hex(0xFFF2C8, 0.9f));
  PaintTwinkle(image, kCentre - 25.0f, kCentre + 16.0f, 4.5f, Hex(0xD8F0FF, 0.85f));
  return image;
}

gfx::Image HoverRingArt() {
  constexpr int kSize = 50;
  constexpr float kCentre = kSize * 0.5f;
  gfx::Image image(kSize, kSize, 0);
  FillEllipse(image, kCentre, kCentre, 19.0f, 19.0f, Hex(0xFFFFFF, 0.16f));
  StrokeEllipse(image, kCentre, kCentre, 19.0f, 19.0f, 6.0f, Hex(0x1E2440, 0.7f));
  StrokeEllipse(image, kCentre, kCentre, 19.0f, 19.0f, 3.0f, Hex(0xFFF3B0));
  // Four ticks pointing in, and a dot in the middle.
  for (int k = 0; k < 4; ++k) {
    const float a = static_cast<float>(k) * 1.5707964f + 0.7853982f;
    const float c = std::cos(a), s = std::sin(a);
    FillCapsule(image, kCentre + c * 10.0f, kCentre + s * 10.0f, kCentre + c * 15.0f, kCentre + s * 15.0f, 1.6f,
                Hex(0xFFF3B0));
  }
  FillEllipse(image, kCentre, kCentre, 2.5f, 2.5f, Hex(0xFFFFFF));
  return image;
}

gfx::Image LogoArt() {
  constexpr int kSize = 256;
  gfx::Image image(kSize, kSize, 0);
  // The plate: the sprite is centred near the bottom-left corner of the screen, so the lettering sits
  // in the upper half of the square, where it stays on screen.
  FillRoundRect(image, 10.0f, 40.0f, 246.0f, 168.0f, 22.0f, Hex(0x1A1F3A, 0.62f));
  FillRoundRect(image, 14.0f, 44.0f, 242.0f, 48.0f, 2.0f, Hex(0xFFFFFF, 0.18f));

  const std::string title = "KORVEL", subtitle = "VIEW";
  const float title_scale = 6.0f, sub_scale = 4.0f;
  const float tx = (kSize - TextWidth(title, title_scale)) * 0.5f, ty = 58.0f;
  const float sx = (kSize - TextWidth(subtitle, sub_scale)) * 0.5f, sy = 120.0f;
  PaintThrough(image, TextCoverage(kSize, kSize, title, tx + 2.0f, ty + 3.0f, title_scale, 1.0f),
               [](int, int) { return Hex(0x000000, 0.45f); });
  PaintThrough(image, TextCoverage(kSize, kSize, title, tx, ty, title_scale, 2.0f), [](int, int) { return Hex(0x2A1830); });
  PaintThrough(image, TextCoverage(kSize, kSize, title, tx, ty, title_scale), [&](int, int y) {
    const float t = Clamp01((static_cast<float>(y) - ty) / (7.0f * title_scale));
    return Mix(Hex(0xFFE08A), Hex(0xFF7A9C), t);
  });
  // A highlight along the top row of every letter.
  PaintThrough(image, TextCoverage(kSize, kSize, title, tx, ty, title_scale), [&](int, int y) {
    const float k = 1.0f - SmoothStep(ty, ty + title_scale * 1.2f, static_cast<float>(y));
    return Hex(0xFFFFFF, 0.55f * k);
  });
  PaintThrough(image, TextCoverage(kSize, kSize, subtitle, sx, sy, sub_scale, 1.5f), [](int, int) { return Hex(0x2A1830); });
  PaintThrough(image, TextCoverage(kSize, kSize, subtitle, sx, sy, sub_scale), [](int, int) { return Hex(0xBFEFFF); });
  // Sparkles on the plate's corners.
  PaintTwinkle(image, 30.0f, 58.0f, 9.0f, Hex(0xFFF6D0, 0.9f));
  PaintTwinkle(image, 228.0f, 150.0f, 7.0f, Hex(0xD8F4FF, 0.9f));
  return image;
}

gfx::Image ButtonArt(int digit, bool highlighted) {
  constexpr int kSize = 32;
  gfx::Image image(kSize, kSize, 0);
  const Rgba plate = highlighted ? Hex(0xFFB347, 0.95f) : Hex(0x28304E, 0.78f);
  const Rgba rim = highlighted ? Hex(0xFFF1C4) : Hex(0x8C9BD0, 0.9f);
  const Rgba ink = highlighted ? Hex(0x3A2200) : Hex(0xF2F5FF);
  FillRoundRect(image, 1.0f, 1.0f, 31.0f, 31.0f, 7.0f, rim);
  FillRoundRect(image, 2.5f, 2.5f, 29.5f, 29.5f, 5.5f, plate);
  FillRoundRect(image, 4.0f, 4.0f, 28.0f, 12.0f, 4.0f, Hex(0xFFFFFF, highlighted ? 0.35f : 0.12f));
  const std::string text = std::to_string(digit);
  const float scale = 3.0f;
  const float x = (kSize - TextWidth(text, scale)) * 0.5f, y = (kSize - kGlyphHeight * scale) * 0.5f;
  DrawOutlinedText(image, text, x, y, scale, ink, highlighted ? Hex(0xFFFFFF, 0.4f) : Hex(0x000000, 0.35f), 0.8f);
  return image;
}

gfx::Image GlossArt() {
  constexpr int kSize = 128;
  gfx::Image image(kSize, kSize, 0);
  // A diagonal band of sheen over soft shimmer, fading out towards the edges: it is laid over the
  // whole face region, whose border must not show.
  FillFunction(image, [](float u, float v) {
    const float band = std::exp(-std::pow((u + v - 0.9f) / 0.16f, 2.0f));
    const float shimmer = FractalNoise(u * 8.0f, v * 8.0f, 3, 8, 8, 77u);
    const float x = u * 2.0f - 1.0f, y = v * 2.0f - 1.0f;
    const float fade = SmoothStep(1.0f, 0.6f, std::sqrt(x * x + y * y));
    const float a = Clamp01(0.34f * band + 0.16f * SmoothStep(0.55f, 0.85f, shimmer)) * fade;
    return WithAlpha(Mix(Hex(0xFFF4FA), Hex(0xFFE3A0), shimmer), a);
  });
  for (int i = 0; i < 10; ++i) {
    const float x = (0.2f + 0.6f * Hash01(static_cast<std::uint32_t>(i), 1u, 5u)) * kSize;
    const float y = (0.2f + 0.6f * Hash01(static_cast<std::uint32_t>(i), 2u, 5u)) * kSize;
    const float size = 3.0f + 6.0f * Hash01(static_cast<std::uint32_t>(i), 3u, 5u);
    PaintTwinkle(image, x, y, size, Hex(0xFFFFFF, 0.85f));
  }
  return image;
}

}  // namespace demo
