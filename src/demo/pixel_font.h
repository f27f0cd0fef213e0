#pragma once
// A 5 x 7 pixel font (digits, capital letters, a few signs) for the sprites' lettering, drawn scaled
// up with rounded cells so that large text still looks smooth.
#include <functional>
#include <string_view>

#include "demo/paint.h"
#include "platform/gfx/image.h"

namespace demo {

inline constexpr int kGlyphWidth = 5, kGlyphHeight = 7;

// True when the glyph of c has the cell (column, row) set; characters without a glyph are blank.
// Lower-case letters use the capitals' glyphs.
bool GlyphCell(char c, int column, int row);

// The width in pixels of text drawn at the scale: glyphs scale x 5 wide with one scaled cell between.
float TextWidth(std::string_view text, float scale);

// The coverage of the text as an image of the given size (coverage in the alpha channel, white):
// top-left corner at (x, y), each cell a rounded square of scale pixels grown by `grow` on each side.
gfx::Image TextCoverage(int width, int height, std::string_view text, float x, float y, float scale, float grow = 0.0f);

// Paints colour(x, y) over the image wherever the coverage image covers it.
void PaintThrough(gfx::Image& image, const gfx::Image& coverage, const std::function<Rgba(int x, int y)>& colour);

// The text with a soft outline of the given width around it, then the text over it.
void DrawOutlinedText(gfx::Image& image, std::string_view text, float x, float y, float scale, Rgba fill, Rgba outline,
                      float outline_width);

}  // namespace demo
