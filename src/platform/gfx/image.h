#pragma once
// A picture in memory: 32-bit ARGB pixels (0xAARRGGBB), rows top to bottom.
#include <cstdint>
#include <string_view>
#include <vector>

namespace gfx {

struct Image {
  int Width = 0, Height = 0;
  std::vector<std::uint32_t> Pixels;

  Image() = default;
  Image(int width, int height, std::uint32_t fill = 0)
      : Width(width), Height(height), Pixels(static_cast<size_t>(width) * static_cast<size_t>(height), fill) {}
  std::uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * static_cast<size_t>(Width) + static_cast<size_t>(x)]; }
  std::uint32_t& At(int x, int y) { return Pixels[static_cast<size_t>(y) * static_cast<size_t>(Width) + static_cast<size_t>(x)]; }
  bool Empty() const { return Pixels.empty(); }
};

// Writes the image as an opaque PNG (RGB). False when the file cannot be written.
bool WritePng(const Image& image, std::string_view path);

}  // namespace gfx
