#include "demo/bmp_writer.h"

#include <cstdint>

namespace demo {

namespace {

void Put16(std::string& out, std::uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void Put32(std::string& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

constexpr std::uint32_t kHeaderBytes = 14 + 40;

}  // namespace

std::string EncodeBmp24(const gfx::Image& image) {
  const auto width = static_cast<std::uint32_t>(image.Width), height = static_cast<std::uint32_t>(image.Height);
  const std::uint32_t stride = (width * 3 + 3) & ~3u;  // rows padded to 4 bytes
  const std::uint32_t data_bytes = stride * height;
  std::string out;
  out.reserve(kHeaderBytes + data_bytes);
  out += "BM";
  Put32(out, kHeaderBytes + data_bytes);
  Put32(out, 0);
  Put32(out, kHeaderBytes);
  Put32(out, 40);  // BITMAPINFOHEADER
  Put32(out, width);
  Put32(out, height);  // positive: bottom-up rows
  Put16(out, 1);       // planes
  Put16(out, 24);      // bits per pixel
  Put32(out, 0);       // BI_RGB
  Put32(out, data_bytes);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = image.Height - 1; y >= 0; --y) {
    for (int x = 0; x < image.Width; ++x) {
      const std::uint32_t p = image.At(x, y);
      out.push_back(static_cast<char>(p & 0xFF));
      out.push_back(static_cast<char>((p >> 8) & 0xFF));
      out.push_back(static_cast<char>((p >> 16) & 0xFF));
    }
    for (std::uint32_t pad = width * 3; pad < stride; ++pad) out.push_back('\0');
  }
  return out;
}

}  // namespace demo
