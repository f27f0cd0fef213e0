#include "platform/gfx/dds_writer.h"

#include <cstdint>

namespace gfx {

namespace {

void Put32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

constexpr std::uint32_t kCaps = 0x1, kHeight = 0x2, kWidth = 0x4, kPitch = 0x8, kPixelFormat = 0x1000;
constexpr std::uint32_t kRgb = 0x40, kAlphaPixels = 0x1, kTextureCaps = 0x1000;

}  // namespace

std::string EncodeDds(const Image& image) {
  std::string out = "DDS ";
  Put32(out, 124);
  Put32(out, kCaps | kHeight | kWidth | kPitch | kPixelFormat);
  Put32(out, static_cast<std::uint32_t>(image.Height));
  Put32(out, static_cast<std::uint32_t>(image.Width));
  Put32(out, static_cast<std::uint32_t>(image.Width) * 4);  // pitch
  Put32(out, 0);                                           // depth
  Put32(out, 0);                                           // mip levels
  for (int i = 0; i < 11; ++i) Put32(out, 0);              // reserved
  Put32(out, 32);                                          // pixel format size
  Put32(out, kRgb | kAlphaPixels);
  Put32(out, 0);  // no FourCC
  Put32(out, 32);
  Put32(out, 0x00FF0000);
  Put32(out, 0x0000FF00);
  Put32(out, 0x000000FF);
  Put32(out, 0xFF000000);
  Put32(out, kTextureCaps);
  for (int i = 0; i < 4; ++i) Put32(out, 0);  // caps 2..4, reserved
  for (std::uint32_t p : image.Pixels) Put32(out, p);
  return out;
}

}  // namespace gfx
