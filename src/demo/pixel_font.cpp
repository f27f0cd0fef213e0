#include "demo/pixel_font.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace demo {

namespace {

struct Glyph {
  char Character;
  std::array<const char*, kGlyphHeight> Rows;
};

// Each row as five characters, '#' for a set cell.
constexpr Glyph kGlyphs[] = {
    {'0', {" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "}},
    {'1', {"  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
    {'2', {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"}},
    {'3', {"#####", "   # ", "  #  ", "   # ", "    #", "#   #", " ### "}},
    {'4', {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "}},
    {'5', {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "}},
    {'6', {"  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "}},
    {'7', {"#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "}},
    {'8', {" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "}},
    {'9', {" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "}},
    {'A', {" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'B', {"#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "}},
    {'C', {" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "}},
    {'D', {"###  ", "#  # ", "#   #", "#   #", "#   #", "#  # ", "###  "}},
    {'E', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"}},
    {'F', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "}},
    {'G', {" ### ", "#   #", "#    ", "# ###", "#   #", "#   #", " ####"}},
    {'H', {"#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'I', {" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
    {'J', {"  ###", "   # ", "   # ", "   # ", "   # ", "#  # ", " ##  "}},
    {'K', {"#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"}},
    {'L', {"#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"}},
    {'M', {"#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"}},
    {'N', {"#   #", "#   #", "##  #", "# # #", "#  ##", "#   #", "#   #"}},
    {'O', {" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
    {'P', {"#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "}},
    {'Q', {" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"}},
    {'R', {"#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"}},
    {'S', {" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "}},
    {'T', {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "}},
    {'U', {"#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
    {'V', {"#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "}},
    {'W', {"#   #", "#   #", "#   #", "# # #", "# # #", "# # #", " # # "}},
    {'X', {"#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"}},
    {'Y', {"#   #", "#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  "}},
    {'Z', {"#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"}},
    {'-', {"     ", "     ", "     ", "#####", "     ", "     ", "     "}},
    {'.', {"     ", "     ", "     ", "     ", "     ", " ##  ", " ##  "}},
    {'!', {"  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "     ", "  #  "}},
};

const Glyph* Find(char c) {
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  for (const Glyph& g : kGlyphs)
    if (g.Character == c) return &g;
  return nullptr;
}

// Every set cell of the text as a rounded square grown by `grow` pixels on each side.
void DrawCells(gfx::Image& image, std::string_view text, float x, float y, float scale, Rgba c, float grow) {
  const float radius = scale * 0.35f + grow;
  for (size_t i = 0; i < text.size(); ++i) {
    const float left = x + static_cast<float>(i) * scale * (kGlyphWidth + 1);
    for (int row = 0; row < kGlyphHeight; ++row)
      for (int col = 0; col < kGlyphWidth; ++col) {
        if (!GlyphCell(text[i], col, row)) continue;
        // Cells overlap their neighbours slightly so that strokes join without notches.
        const float cx = left + static_cast<float>(col) * scale, cy = y + static_cast<float>(row) * scale;
        const float overlap = scale * 0.08f;
        FillRoundRect(image, cx - overlap - grow, cy - overlap - grow, cx + scale + overlap + grow,
                      cy + scale + overlap + grow, std::min(radius, scale * 0.5f + grow), c);
      }
  }
}

}  // namespace

bool GlyphCell(char c, int column, int row) {
  if (column < 0 || column >= kGlyphWidth || row < 0 || row >= kGlyphHeight) return false;
  const Glyph* g = Find(c);
  return g != nullptr && g->Rows[static_cast<size_t>(row)][column] == '#';
}

float TextWidth(std::string_view text, float scale) {
  if (text.empty()) return 0.0f;
  return scale * static_cast<float>(text.size() * (kGlyphWidth + 1) - 1);
}

gfx::Image TextCoverage(int width, int height, std::string_view text, float x, float y, float scale, float grow) {
  gfx::Image mask(width, height, 0);
  DrawCells(mask, text, x, y, scale, {1, 1, 1, 1}, grow);
  return mask;
}

void PaintThrough(gfx::Image& image, const gfx::Image& coverage, const std::function<Rgba(int x, int y)>& colour) {
  for (int py = 0; py < image.Height && py < coverage.Height; ++py)
    for (int px = 0; px < image.Width && px < coverage.Width; ++px) {
      const float k = static_cast<float>(coverage.At(px, py) >> 24) / 255.0f;
      if (k > 0.0f) BlendPixel(image, px, py, colour(px, py), k);
    }
}

void DrawOutlinedText(gfx::Image& image, std::string_view text, float x, float y, float scale, Rgba fill, Rgba outline,
                      float outline_width) {
  // Coverage masks first, so that overlapping cells do not darken each other.
  PaintThrough(image, TextCoverage(image.Width, image.Height, text, x, y, scale, outline_width),
               [&](int, int) { return outline; });
  PaintThrough(image, TextCoverage(image.Width, image.Height, text, x, y, scale), [&](int, int) { return fill; });
}

}  // namespace demo
