#include "platform/gfx/texture_file.h"

#include <squish.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/os/file.h"

// stb_image reads BMP, PNG, JPEG and TGA. Every allocation it makes goes through StbAllocate, which
// refuses anything larger than an honest file of the announced size needs: a small hostile PNG whose
// compressed stream inflates without end then fails instead of taking gigabytes.
namespace gfx {
namespace {
thread_local std::size_t tStbAllocationLimit = 0;
void* StbAllocate(std::size_t size) { return size > tStbAllocationLimit ? nullptr : std::malloc(size); }
void* StbReallocate(void* p, std::size_t size) { return size > tStbAllocationLimit ? nullptr : std::realloc(p, size); }
}  // namespace
}  // namespace gfx

#define STBI_MALLOC(size) ::gfx::StbAllocate(size)
#define STBI_REALLOC(p, size) ::gfx::StbReallocate(p, size)
#define STBI_FREE(p) std::free(p)
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_BMP
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_TGA
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_MAX_DIMENSIONS 8192
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wconversion"
#pragma GCC diagnostic ignored "-Wsign-conversion"
#pragma GCC diagnostic ignored "-Wshadow"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wdouble-promotion"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wpedantic"
#endif
#include <stb/stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace gfx {

static_assert(STBI_MAX_DIMENSIONS == kMaxTextureSide);

namespace {

using Bytes = std::string_view;

std::uint32_t Byte(Bytes b, std::size_t at) { return static_cast<unsigned char>(b[at]); }
std::uint32_t Le16(Bytes b, std::size_t at) { return Byte(b, at) | Byte(b, at + 1) << 8; }
std::uint32_t Le32(Bytes b, std::size_t at) { return Le16(b, at) | Le16(b, at + 2) << 16; }
std::uint32_t Be16(Bytes b, std::size_t at) { return Byte(b, at) << 8 | Byte(b, at + 1); }
std::uint32_t Be32(Bytes b, std::size_t at) { return Be16(b, at) << 16 | Be16(b, at + 2); }

bool SideFits(std::uint64_t side) { return side >= 1 && side <= static_cast<std::uint64_t>(kMaxTextureSide); }

std::uint32_t Argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return a << 24 | r << 16 | g << 8 | b;
}

Image FromRgba(const unsigned char* rgba, int width, int height) {
  Image image(width, height);
  for (std::size_t i = 0; i < image.Pixels.size(); ++i) {
    const unsigned char* p = rgba + i * 4;
    image.Pixels[i] = Argb(p[3], p[0], p[1], p[2]);
  }
  return image;
}

// ---------------------------------------------------------------------------------------------
// DDS

constexpr std::size_t kDdsHeaderEnd = 128;  // "DDS " and the 124-byte header
constexpr std::size_t kDx10HeaderSize = 20;

constexpr std::uint32_t kDdsdDepth = 0x800000;
constexpr std::uint32_t kDdpfAlphaPixels = 0x1;
constexpr std::uint32_t kDdpfAlpha = 0x2;
constexpr std::uint32_t kDdpfFourCc = 0x4;
constexpr std::uint32_t kDdpfRgb = 0x40;
constexpr std::uint32_t kDdpfLuminance = 0x20000;
constexpr std::uint32_t kDdsCaps2Cubemap = 0x200;
constexpr std::uint32_t kDdsCaps2Volume = 0x200000;

constexpr std::uint32_t FourCc(const char (&s)[5]) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(s[0])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(s[1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(s[2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(s[3])) << 24;
}

// How level 0 is stored: one of the DXT block formats, or pixels described by bit masks.
enum class DdsKind { Dxt1, Dxt3, Dxt5, Masks };
struct DdsLayout {
  DdsKind Kind = DdsKind::Masks;
  std::uint32_t BitCount = 0;
  std::uint32_t R = 0, G = 0, B = 0, A = 0;
  bool Luminance = false;  // R holds a grey level copied to all three colours
};

DdsLayout MaskLayout(std::uint32_t bits, std::uint32_t r, std::uint32_t g, std::uint32_t b, std::uint32_t a,
                     bool luminance = false) {
  return {DdsKind::Masks, bits, r, g, b, a, luminance};
}
DdsLayout BlockLayout(DdsKind kind) { return {kind, 0, 0, 0, 0, 0, false}; }

// Direct3D 9 format numbers that some writers put in the FourCC field instead of masks.
std::optional<DdsLayout> LayoutFromD3dFormat(std::uint32_t format) {
  switch (format) {
    case 20: return MaskLayout(24, 0xFF0000, 0xFF00, 0xFF, 0);                    // R8G8B8
    case 21: return MaskLayout(32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);           // A8R8G8B8
    case 22: return MaskLayout(32, 0xFF0000, 0xFF00, 0xFF, 0);                    // X8R8G8B8
    case 23: return MaskLayout(16, 0xF800, 0x07E0, 0x001F, 0);                    // R5G6B5
    case 24: return MaskLayout(16, 0x7C00, 0x03E0, 0x001F, 0);                    // X1R5G5B5
    case 25: return MaskLayout(16, 0x7C00, 0x03E0, 0x001F, 0x8000);               // A1R5G5B5
    case 26: return MaskLayout(16, 0x0F00, 0x00F0, 0x000F, 0xF000);               // A4R4G4B4
    case 28: return MaskLayout(8, 0, 0, 0, 0xFF);                                 // A8
    case 32: return MaskLayout(32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);           // A8B8G8R8
    case 33: return MaskLayout(32, 0xFF, 0xFF00, 0xFF0000, 0);                    // X8B8G8R8
    case 50: return MaskLayout(8, 0xFF, 0, 0, 0, true);                           // L8
    case 51: return MaskLayout(16, 0xFF, 0, 0, 0xFF00, true);                     // A8L8
    default: return std::nullopt;
  }
}

// The DX10 extension: only plain 2D textures in the formats the legacy header can also describe.
std::variant<DdsLayout, TextureError> LayoutFromDx10(Bytes bytes) {
  if (bytes.size() < kDdsHeaderEnd + kDx10HeaderSize) return TextureError::Truncated;
  const std::uint32_t format = Le32(bytes, 128);
  const std::uint32_t dimension = Le32(bytes, 132);
  const std::uint32_t miscFlag = Le32(bytes, 136);
  const std::uint32_t arraySize = Le32(bytes, 140);
  constexpr std::uint32_t kTexture2D = 3, kMiscTextureCube = 0x4;
  if (dimension != kTexture2D || (miscFlag & kMiscTextureCube) != 0 || arraySize != 1)
    return TextureError::UnsupportedFormat;
  switch (format) {
    case 28: case 29: return MaskLayout(32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);  // R8G8B8A8 (sRGB)
    case 87: case 91: return MaskLayout(32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);  // B8G8R8A8 (sRGB)
    case 88: case 93: return MaskLayout(32, 0xFF0000, 0xFF00, 0xFF, 0);           // B8G8R8X8 (sRGB)
    case 85: return MaskLayout(16, 0xF800, 0x07E0, 0x001F, 0);                    // B5G6R5
    case 86: return MaskLayout(16, 0x7C00, 0x03E0, 0x001F, 0x8000);               // B5G5R5A1
    case 115: return MaskLayout(16, 0x0F00, 0x00F0, 0x000F, 0xF000);              // B4G4R4A4
    case 65: return MaskLayout(8, 0, 0, 0, 0xFF);                                 // A8
    case 71: case 72: return BlockLayout(DdsKind::Dxt1);                          // BC1 (sRGB)
    case 74: case 75: return BlockLayout(DdsKind::Dxt3);                          // BC2 (sRGB)
    case 77: case 78: return BlockLayout(DdsKind::Dxt5);                          // BC3 (sRGB)
    default: return TextureError::UnsupportedFormat;
  }
}

// A mask is usable when it is one run of bits inside the pixel.
bool MaskUsable(std::uint32_t mask, std::uint32_t bitCount) {
  if (mask == 0) return true;
  if (bitCount < 32 && (mask >> bitCount) != 0) return false;
  const std::uint32_t run = mask >> std::countr_zero(mask);
  return (run & (run + 1)) == 0;
}

std::variant<DdsLayout, TextureError> DdsPixelLayout(Bytes bytes) {
  const std::uint32_t flags = Le32(bytes, 80);
  const std::uint32_t fourCc = Le32(bytes, 84);
  if (flags & kDdpfFourCc) {
    if (fourCc == FourCc("DXT1")) return BlockLayout(DdsKind::Dxt1);
    if (fourCc == FourCc("DXT3")) return BlockLayout(DdsKind::Dxt3);
    if (fourCc == FourCc("DXT5")) return BlockLayout(DdsKind::Dxt5);
    if (fourCc == FourCc("DX10")) return LayoutFromDx10(bytes);
    if (auto layout = LayoutFromD3dFormat(fourCc)) return *layout;
    return TextureError::UnsupportedFormat;
  }
  if ((flags & (kDdpfRgb | kDdpfLuminance | kDdpfAlpha)) == 0) return TextureError::UnsupportedFormat;
  DdsLayout layout = MaskLayout(Le32(bytes, 88), Le32(bytes, 92), Le32(bytes, 96), Le32(bytes, 100), 0);
  if (flags & (kDdpfAlphaPixels | kDdpfAlpha)) layout.A = Le32(bytes, 104);
  if (flags & kDdpfRgb) {
    if (layout.R == 0 && layout.G == 0 && layout.B == 0) return TextureError::UnsupportedFormat;
  } else if (flags & kDdpfLuminance) {
    layout.Luminance = true;
    layout.G = layout.B = 0;
    if (layout.R == 0) return TextureError::UnsupportedFormat;
  } else {  // alpha only
    layout.R = layout.G = layout.B = 0;
    if (layout.A == 0) return TextureError::UnsupportedFormat;
  }
  const std::uint32_t bits = layout.BitCount;
  if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return TextureError::UnsupportedFormat;
  for (std::uint32_t mask : {layout.R, layout.G, layout.B, layout.A})
    if (!MaskUsable(mask, bits)) return TextureError::UnsupportedFormat;
  return layout;
}

// One channel of a masked pixel widened to 8 bits: shorter channels repeat their bits (5-bit 31 gives
// 255), longer ones keep their top 8 bits.
struct Channel {
  std::uint32_t Mask = 0;
  int Shift = 0;
  int Bits = 0;

  explicit Channel(std::uint32_t mask) : Mask(mask) {
    if (mask != 0) {
      Shift = std::countr_zero(mask);
      Bits = std::popcount(mask);
    }
  }
  std::uint32_t Get(std::uint32_t pixel, std::uint32_t absent) const {
    if (Bits == 0) return absent;
    const std::uint32_t v = (pixel & Mask) >> Shift;
    if (Bits >= 8) return v >> (Bits - 8);
    std::uint32_t out = 0;
    int filled = 0;
    while (filled < 8) {
      out = out << Bits | v;
      filled += Bits;
    }
    return out >> (filled - 8);
  }
};

TextureResult DecodeMaskedDds(Bytes data, int width, int height, const DdsLayout& layout) {
  const std::size_t bytesPerPixel = layout.BitCount / 8;
  const Channel r(layout.R), g(layout.G), b(layout.B), a(layout.A);
  Image image(width, height);
  for (std::size_t i = 0; i < image.Pixels.size(); ++i) {
    std::uint32_t pixel = 0;
    for (std::size_t k = 0; k < bytesPerPixel; ++k) pixel |= Byte(data, i * bytesPerPixel + k) << (8 * k);
    const std::uint32_t red = r.Get(pixel, 0);
    const std::uint32_t green = layout.Luminance ? red : g.Get(pixel, 0);
    const std::uint32_t blue = layout.Luminance ? red : b.Get(pixel, 0);
    image.Pixels[i] = Argb(a.Get(pixel, 255), red, green, blue);
  }
  return image;
}

TextureResult DecodeDds(Bytes bytes) {
  if (bytes.size() < kDdsHeaderEnd) return TextureError::Truncated;
  if (Le32(bytes, 4) != 124) return TextureError::Corrupt;
  const std::uint32_t headerFlags = Le32(bytes, 8);
  const std::uint32_t height = Le32(bytes, 12), width = Le32(bytes, 16);
  const std::uint32_t depth = Le32(bytes, 24);
  const std::uint32_t caps2 = Le32(bytes, 112);
  // The pitch and mip count fields are not used: level 0 is the first thing after the headers and its
  // size follows from the format, and writers are known to fill the pitch field wrongly.
  if (!SideFits(width) || !SideFits(height)) return TextureError::TooLarge;
  if ((caps2 & (kDdsCaps2Cubemap | kDdsCaps2Volume)) != 0 || ((headerFlags & kDdsdDepth) != 0 && depth > 1))
    return TextureError::UnsupportedFormat;

  auto layoutOrError = DdsPixelLayout(bytes);
  if (auto* error = std::get_if<TextureError>(&layoutOrError)) return *error;
  const DdsLayout layout = std::get<DdsLayout>(layoutOrError);
  const bool dx10 = (Le32(bytes, 80) & kDdpfFourCc) != 0 && Le32(bytes, 84) == FourCc("DX10");
  const Bytes data = bytes.substr(kDdsHeaderEnd + (dx10 ? kDx10HeaderSize : 0));

  const std::uint64_t w = width, h = height;
  const int iw = static_cast<int>(width), ih = static_cast<int>(height);
  if (layout.Kind == DdsKind::Masks) {
    if (data.size() < w * h * (layout.BitCount / 8)) return TextureError::Truncated;
    return DecodeMaskedDds(data, iw, ih, layout);
  }
  // Whole 4x4 blocks, also for sides that are not multiples of 4.
  const std::uint64_t blockBytes = layout.Kind == DdsKind::Dxt1 ? 8 : 16;
  if (data.size() < (w + 3) / 4 * ((h + 3) / 4) * blockBytes) return TextureError::Truncated;
  const int flags = layout.Kind == DdsKind::Dxt1   ? squish::kDxt1
                    : layout.Kind == DdsKind::Dxt3 ? squish::kDxt3
                                                   : squish::kDxt5;
  std::vector<unsigned char> rgba(static_cast<std::size_t>(w * h * 4));
  squish::DecompressImage(rgba.data(), iw, ih, data.data(), flags);
  return FromRgba(rgba.data(), iw, ih);
}

// ---------------------------------------------------------------------------------------------
// Structure checks for the stb formats. stb_image reads zeros past the end of its input and returns a
// partly blank picture for a cut-off BMP, TGA or JPEG, so each file is first walked far enough to
// know that all of its pixel data is there.

// Nothing when the file's structure is whole.
using CheckResult = std::optional<TextureError>;

// stb_image looks palette indices up in a 256-entry table of which it fills only the entries the file
// holds, so an index past them would read an unset entry: such files are refused.
CheckResult CheckBmpPaletteIndices(Bytes b, std::uint32_t headerSize, std::uint64_t w, std::uint64_t h,
                                   std::uint32_t bitCount, std::uint64_t stride) {
  const std::int64_t offset = Le32(b, 10);
  // The entry count as stb_image derives it from the space between the headers and the pixels.
  const std::int64_t entries = headerSize == 12 ? (offset - 14 - 24) / 3 : (offset - 14 - headerSize) / 4;
  if (entries < 1 || entries > 256) return TextureError::Corrupt;
  const std::uint32_t limit = static_cast<std::uint32_t>(entries);
  if (limit >= (1u << bitCount)) return std::nullopt;
  const std::uint32_t valueMask = (1u << bitCount) - 1;
  for (std::uint64_t y = 0; y < h; ++y) {
    const std::size_t row = static_cast<std::size_t>(static_cast<std::uint64_t>(offset) + y * stride);
    for (std::uint64_t x = 0; x < w; ++x) {
      const std::uint64_t bit = x * bitCount;
      const std::uint32_t packed = Byte(b, row + static_cast<std::size_t>(bit / 8));
      const std::uint32_t index = packed >> (8 - bitCount - bit % 8) & valueMask;  // leftmost pixel first
      if (index >= limit) return TextureError::Corrupt;
    }
  }
  return std::nullopt;
}

CheckResult CheckBmp(Bytes b) {
  if (b.size() < 18) return TextureError::Truncated;
  const std::uint32_t headerSize = Le32(b, 14);
  std::int64_t width = 0, height = 0;
  std::uint32_t bitCount = 0, compression = 0;
  if (headerSize == 12) {  // OS/2 header
    if (b.size() < 26) return TextureError::Truncated;
    width = Le16(b, 18);
    height = Le16(b, 20);
    bitCount = Le16(b, 24);
  } else if (headerSize == 40 || headerSize == 56 || headerSize == 108 || headerSize == 124) {
    if (b.size() < 14 + std::uint64_t{headerSize}) return TextureError::Truncated;
    width = static_cast<std::int32_t>(Le32(b, 18));
    height = static_cast<std::int32_t>(Le32(b, 22));  // negative: rows stored top to bottom
    bitCount = Le16(b, 28);
    compression = Le32(b, 30);
    if (compression == 3 && headerSize <= 56 && b.size() < 14 + std::uint64_t{headerSize} + 12)
      return TextureError::Truncated;  // the three colour masks follow a short header
  } else {
    return TextureError::UnsupportedFormat;
  }
  if (width < 0) return TextureError::Corrupt;
  const std::uint64_t w = static_cast<std::uint64_t>(width);
  const std::uint64_t h = static_cast<std::uint64_t>(height < 0 ? -height : height);
  if (!SideFits(w) || !SideFits(h)) return TextureError::TooLarge;
  if (compression != 0 && compression != 3) return TextureError::UnsupportedFormat;  // RLE, JPEG, PNG
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
    return TextureError::UnsupportedFormat;
  if (compression == 3 && bitCount != 16 && bitCount != 32) return TextureError::Corrupt;
  // Rows are padded to 4 bytes; the last row's padding may be missing.
  const std::uint64_t rowBits = w * bitCount;
  const std::uint64_t stride = (rowBits + 31) / 32 * 4;
  const std::uint64_t needed = Le32(b, 10) + stride * (h - 1) + (rowBits + 7) / 8;
  if (b.size() < needed) return TextureError::Truncated;
  if (bitCount <= 8) return CheckBmpPaletteIndices(b, headerSize, w, h, bitCount, stride);
  return std::nullopt;
}

CheckResult CheckPng(Bytes b) {
  static constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
  if (b.size() < 8) return TextureError::Truncated;
  if (b.substr(0, 8) != Bytes(kSignature, 8)) return TextureError::Corrupt;
  for (std::size_t at = 8;;) {
    if (b.size() - at < 8) return TextureError::Truncated;
    const std::uint64_t length = Be32(b, at);
    const Bytes type = b.substr(at + 4, 4);
    if (length > 0x7FFFFFFF) return TextureError::Corrupt;
    if (b.size() - at - 8 < length + 4) return TextureError::Truncated;  // data and CRC
    if (at == 8) {
      if (type != "IHDR" || length < 13) return TextureError::Corrupt;
      if (!SideFits(Be32(b, 16)) || !SideFits(Be32(b, 20))) return TextureError::TooLarge;
    }
    at += 12 + static_cast<std::size_t>(length);
    if (type == "IEND") return std::nullopt;
  }
}

// Two things in valid PNG files that stb_image 2.27 handles badly are changed in a copy of the file:
// it looks palette indices up in a 256-entry table that it fills only as far as the PLTE chunk goes,
// so short palettes are padded with black entries (what other viewers show for indices past the
// palette); and it copies an empty IDAT chunk that comes first through a null pointer, so empty IDAT
// chunks are left out. Nothing when the file needs no change; its chunks must have passed CheckPng.
std::optional<std::string> PngForStb(Bytes b) {
  constexpr std::size_t kFullPalette = 256 * 3;
  std::optional<std::string> out;
  std::size_t copied = 0;
  for (std::size_t at = 8; b.size() - at >= 12;) {
    const std::size_t length = Be32(b, at);
    const Bytes type = b.substr(at + 4, 4);
    const bool shortPalette = type == "PLTE" && length >= 3 && length < kFullPalette && length % 3 == 0;
    if (shortPalette || (type == "IDAT" && length == 0)) {
      if (!out) out.emplace();
      out->append(b.substr(copied, at - copied));
      copied = at + 12 + length;
    }
    if (shortPalette) {
      out->append("\0\0\x03\0PLTE", 8);  // the new length, 768, then the type
      out->append(b.substr(at + 8, length));
      out->append(kFullPalette - length, '\0');
      out->append(b.substr(at + 8 + length, 4));  // the old CRC; stb_image does not check it
    }
    at += 12 + length;
    if (type == "IEND") break;
  }
  if (out) out->append(b.substr(copied));
  return out;
}

// JPEG files are checked by decoding their entropy-coded data without building pixels, in the way
// stb_image reads it. stb_image 2.27 trusts the file in ways that go wrong on damaged data: a Huffman
// table with more than 256 codes overflows an array, a scan that names a table never defined reads
// uninitialised memory, a scan whose data ends before its blocks do makes its bit reader shift past
// the width of its buffer, DC sums can overflow, and a component that no scan fills stays uninitialised.
// Files that would do any of this are refused here, so stb_image only sees complete, consistent data.

struct HuffmanTable {
  static constexpr int kFastBits = 9;
  bool Defined = false;
  std::uint32_t Count = 0;  // symbols
  std::uint8_t Symbols[256] = {};
  // Codes up to kFastBits long by their bits, padded: the length in the high byte, the symbol in the
  // low one; 0 for longer codes.
  std::uint16_t Fast[1 << kFastBits] = {};
  // For each length, the end of its codes as a 16-bit left-aligned number, and what turns a code into
  // its symbol's index.
  std::uint32_t End[17] = {};
  std::int32_t Offset[17] = {};
};

struct JpegComponent {
  std::uint32_t Id = 0, H = 1, V = 1, Quant = 0;
  bool Filled = false;  // every block decoded: by a sequential scan, or a first DC scan when progressive
  std::vector<std::uint64_t> Nonzero;  // progressive: per block, the zigzag positions holding a value
};

struct JpegState {
  HuffmanTable Dc[4], Ac[4];
  bool Quant[4] = {};
  bool HaveFrame = false, Progressive = false;
  std::uint32_t Width = 0, Height = 0, HMax = 1, VMax = 1, RestartInterval = 0;
  int Components = 0;
  JpegComponent Component[4];

  std::uint32_t McuColumns() const { return (Width + 8 * HMax - 1) / (8 * HMax); }
  std::uint32_t McuRows() const { return (Height + 8 * VMax - 1) / (8 * VMax); }
  // A component's blocks in a scan of that component alone.
  std::uint32_t BlockColumns(const JpegComponent& c) const { return ((Width * c.H + HMax - 1) / HMax + 7) / 8; }
  std::uint32_t BlockRows(const JpegComponent& c) const { return ((Height * c.V + VMax - 1) / VMax + 7) / 8; }
};

bool ReadQuantTables(Bytes segment, JpegState& state) {
  for (std::size_t at = 0; at < segment.size();) {
    const std::uint32_t precisionAndSlot = Byte(segment, at);
    if ((precisionAndSlot >> 4) > 1 || (precisionAndSlot & 15) > 3) return false;
    const std::size_t size = 1 + 64 * ((precisionAndSlot >> 4) + 1);
    if (segment.size() - at < size) return false;
    state.Quant[precisionAndSlot & 15] = true;
    at += size;
  }
  return true;
}

bool ReadHuffmanTables(Bytes segment, JpegState& state) {
  for (std::size_t at = 0; at < segment.size();) {
    if (segment.size() - at < 17) return false;
    const std::uint32_t classAndSlot = Byte(segment, at);
    if ((classAndSlot >> 4) > 1 || (classAndSlot & 15) > 3) return false;
    HuffmanTable& table = ((classAndSlot >> 4) == 0 ? state.Dc : state.Ac)[classAndSlot & 15];
    table = HuffmanTable();
    std::uint32_t symbols = 0;
    for (std::size_t length = 1; length <= 16; ++length) symbols += Byte(segment, at + length);
    if (symbols > 256 || segment.size() - at - 17 < symbols) return false;
    for (std::size_t i = 0; i < symbols; ++i) table.Symbols[i] = static_cast<std::uint8_t>(Byte(segment, at + 17 + i));
    // Canonical codes: each length's codes follow on from the previous length's, shifted left by one.
    std::uint32_t code = 0, index = 0;
    for (int length = 1; length <= 16; ++length) {
      const std::uint32_t count = Byte(segment, at + static_cast<std::size_t>(length));
      if (code + count > (1u << length)) return false;  // more codes than the length can hold
      table.Offset[length] = static_cast<std::int32_t>(index) - static_cast<std::int32_t>(code);
      for (std::uint32_t i = 0; i < count; ++i, ++code, ++index) {
        if (length > HuffmanTable::kFastBits) continue;
        const int spare = HuffmanTable::kFastBits - length;
        for (std::uint32_t fill = 0; fill < (1u << spare); ++fill)
          table.Fast[code << spare | fill] = static_cast<std::uint16_t>(length << 8 | table.Symbols[index]);
      }
      table.End[length] = code << (16 - length);
      code <<= 1;
    }
    table.Count = symbols;
    table.Defined = true;
    at += 17 + symbols;
  }
  return true;
}

CheckResult ReadFrame(std::uint32_t marker, Bytes segment, JpegState& state) {
  if (state.HaveFrame) return TextureError::Corrupt;
  if (marker > 0xC2) return TextureError::UnsupportedFormat;  // lossless, hierarchical or arithmetic coding
  if (segment.size() < 6) return TextureError::Corrupt;
  if (Byte(segment, 0) != 8) return TextureError::UnsupportedFormat;  // 12-bit samples
  state.Height = Be16(segment, 1);
  state.Width = Be16(segment, 3);
  if (!SideFits(state.Width) || !SideFits(state.Height)) return TextureError::TooLarge;
  const std::size_t count = Byte(segment, 5);
  if ((count != 1 && count != 3 && count != 4) || segment.size() != 6 + 3 * count) return TextureError::Corrupt;
  for (std::size_t i = 0; i < count; ++i) {
    JpegComponent& c = state.Component[i];
    c.Id = Byte(segment, 6 + 3 * i);
    c.H = Byte(segment, 7 + 3 * i) >> 4;
    c.V = Byte(segment, 7 + 3 * i) & 15;
    c.Quant = Byte(segment, 8 + 3 * i);
    if (c.H < 1 || c.H > 4 || c.V < 1 || c.V > 4 || c.Quant > 3) return TextureError::Corrupt;
    state.HMax = std::max(state.HMax, c.H);
    state.VMax = std::max(state.VMax, c.V);
  }
  for (std::size_t i = 0; i < count; ++i)
    if (state.HMax % state.Component[i].H != 0 || state.VMax % state.Component[i].V != 0) return TextureError::Corrupt;
  state.Components = static_cast<int>(count);
  state.Progressive = marker == 0xC2;
  state.HaveFrame = true;
  return std::nullopt;
}

// The bits of one restart interval, stuffed zero bytes removed. Running into a marker or the end of
// the file while the blocks still need bits is an error.
class EntropyBits {
 public:
  EntropyBits(Bytes file, std::size_t at) : file_(file), at_(at) {}

  CheckResult Read(int count, std::uint32_t& value) {
    if (held_ < count) Fill();
    if (held_ < count) return *stop_;
    value = static_cast<std::uint32_t>(buffer_ >> (held_ - count)) & ((1u << count) - 1);
    held_ -= count;
    return std::nullopt;
  }
  // The signed value of a coefficient sent in size bits (1..15).
  CheckResult ReadValue(int size, std::int32_t& value) {
    std::uint32_t bits = 0;
    if (CheckResult error = Read(size, bits)) return error;
    value = static_cast<std::int32_t>(bits);
    if (bits < (1u << (size - 1))) value -= (1 << size) - 1;
    return std::nullopt;
  }
  CheckResult Decode(const HuffmanTable& table, std::uint32_t& symbol) {
    if (held_ < 16) Fill();
    // The next 16 bits, padded with zeros where the data has ended; a code longer than the bits
    // there are is then an error.
    const std::uint32_t next = static_cast<std::uint32_t>(
        (held_ >= 16 ? buffer_ >> (held_ - 16) : buffer_ << (16 - held_)) & 0xFFFF);
    int length = 0;
    std::uint32_t index = 0;
    if (const std::uint32_t fast = table.Fast[next >> (16 - HuffmanTable::kFastBits)]; fast != 0) {
      length = static_cast<int>(fast >> 8);
      symbol = fast & 0xFF;
    } else {
      length = HuffmanTable::kFastBits + 1;
      while (length <= 16 && next >= table.End[length]) ++length;
      if (length > 16) return TextureError::Corrupt;  // no such code
      index = static_cast<std::uint32_t>(static_cast<std::int32_t>(next >> (16 - length)) + table.Offset[length]);
      if (index >= table.Count) return TextureError::Corrupt;
      symbol = table.Symbols[index];
    }
    if (length > held_) return stop_ ? *stop_ : TextureError::Corrupt;
    held_ -= length;
    return std::nullopt;
  }
  std::size_t Position() const { return at_; }
  int HeldBits() const { return held_; }

 private:
  // Loads whole bytes while there is room, up to a marker or the end of the file.
  void Fill() {
    while (held_ <= 56 && !stop_) {
      if (at_ >= file_.size()) {
        stop_ = TextureError::Truncated;
        break;
      }
      const std::uint32_t byte = Byte(file_, at_);
      if (byte == 0xFF) {
        std::size_t next = at_ + 1;
        while (next < file_.size() && Byte(file_, next) == 0xFF) ++next;  // fill bytes
        if (next >= file_.size()) {
          stop_ = TextureError::Truncated;
          break;
        }
        if (Byte(file_, next) != 0) {
          stop_ = TextureError::Corrupt;  // a marker; data needed past it is missing
          break;
        }
        at_ = next + 1;
      } else {
        ++at_;
      }
      buffer_ = buffer_ << 8 | byte;
      held_ += 8;
    }
  }

  Bytes file_;
  std::size_t at_;
  std::uint64_t buffer_ = 0;
  int held_ = 0;
  std::optional<TextureError> stop_;
};

// Finds the restart marker that ends an interval and the data after it. stb_image looks at most 24 bits
// past the interval's last block for the marker, so less than that may lie between them.
CheckResult SkipRestartMarker(Bytes b, std::size_t& at, int unusedBits) {
  while (unusedBits < 24) {
    if (at >= b.size()) return TextureError::Truncated;
    if (Byte(b, at) != 0xFF) {
      ++at;
      unusedBits += 8;
      continue;
    }
    std::size_t next = at + 1;
    while (next < b.size() && Byte(b, next) == 0xFF) ++next;
    if (next >= b.size()) return TextureError::Truncated;
    const std::uint32_t marker = Byte(b, next);
    if (marker >= 0xD0 && marker <= 0xD7) {
      at = next + 1;
      return std::nullopt;
    }
    if (marker != 0x00) return TextureError::Corrupt;
    at = next + 1;  // a stuffed 0xFF data byte
    unusedBits += 8;
  }
  return TextureError::Corrupt;
}

// One scan's entropy-coded data, block by block, as stb_image decodes it.
class ScanCheck {
 public:
  ScanCheck(Bytes file, std::size_t at, JpegState& state) : file_(file), bits_(file, at), state_(state) {}

  CheckResult Run(Bytes header) {
    if (header.empty()) return TextureError::Corrupt;
    const std::size_t count = Byte(header, 0);
    if (count < 1 || count > static_cast<std::size_t>(state_.Components) || header.size() != 4 + 2 * count)
      return TextureError::Corrupt;
    for (std::size_t i = 0; i < count; ++i) {
      const std::uint32_t id = Byte(header, 1 + 2 * i), selectors = Byte(header, 2 + 2 * i);
      int which = 0;
      while (which < state_.Components && state_.Component[which].Id != id) ++which;
      if (which == state_.Components || (selectors >> 4) > 3 || (selectors & 15) > 3) return TextureError::Corrupt;
      order_[i] = which;
      dc_[which] = &state_.Dc[selectors >> 4];
      ac_[which] = &state_.Ac[selectors & 15];
    }
    count_ = static_cast<int>(count);
    start_ = Byte(header, 1 + 2 * count);
    end_ = Byte(header, 2 + 2 * count);
    high_ = Byte(header, 3 + 2 * count) >> 4;
    low_ = Byte(header, 3 + 2 * count) & 15;
    if (state_.Progressive) {
      if (start_ > end_ || end_ > 63 || high_ > 13 || low_ > 13) return TextureError::Corrupt;
      if (start_ == 0 && end_ != 0) return TextureError::Corrupt;  // DC and AC in one scan
      if (count_ > 1 && start_ != 0) return TextureError::Corrupt;  // AC scans hold one component
    } else {
      if (start_ != 0 || high_ != 0 || low_ != 0) return TextureError::Corrupt;
      end_ = 63;
    }
    // Each component needs its quantisation table and the Huffman tables this scan decodes with.
    const bool needDc = !state_.Progressive || (start_ == 0 && high_ == 0);
    const bool needAc = !state_.Progressive || start_ != 0;
    for (int i = 0; i < count_; ++i) {
      const int n = order_[i];
      if (!state_.Quant[state_.Component[n].Quant]) return TextureError::Corrupt;
      if ((needDc && !dc_[n]->Defined) || (needAc && !ac_[n]->Defined)) return TextureError::Corrupt;
      if (state_.Progressive && state_.Component[n].Nonzero.empty())
        state_.Component[n].Nonzero.assign(static_cast<std::size_t>(state_.McuColumns()) * state_.Component[n].H *
                                               state_.McuRows() * state_.Component[n].V,
                                           0);
    }
    Reset();

    if (CheckResult error = count_ == 1 ? SingleComponent() : Interleaved()) return error;
    if (!state_.Progressive || (start_ == 0 && high_ == 0))
      for (int i = 0; i < count_; ++i) state_.Component[order_[i]].Filled = true;
    return std::nullopt;
  }

 private:
  void Reset() {
    for (std::int32_t& p : prediction_) p = 0;
    eobRun_ = 0;
    todo_ = state_.RestartInterval != 0 ? state_.RestartInterval : ~std::uint64_t{0};
  }

  // After each unit (an MCU, or one block of a single-component scan): a restart marker ends each
  // interval. Where stb_image would not find one it stops the scan and leaves blocks unset.
  CheckResult AfterUnit(bool last) {
    if (--todo_ > 0 || last) return std::nullopt;
    std::size_t next = bits_.Position();
    if (CheckResult error = SkipRestartMarker(file_, next, bits_.HeldBits())) return error;
    bits_ = EntropyBits(file_, next);
    Reset();
    return std::nullopt;
  }

  CheckResult SingleComponent() {
    const int n = order_[0];
    const JpegComponent& c = state_.Component[n];
    const std::uint32_t columns = state_.BlockColumns(c), rows = state_.BlockRows(c);
    const std::size_t stride = static_cast<std::size_t>(state_.McuColumns()) * c.H;
    for (std::uint32_t y = 0; y < rows; ++y)
      for (std::uint32_t x = 0; x < columns; ++x) {
        if (CheckResult error = Block(n, x + y * stride)) return error;
        if (CheckResult error = AfterUnit(y + 1 == rows && x + 1 == columns)) return error;
      }
    return std::nullopt;
  }

  CheckResult Interleaved() {
    const std::uint32_t columns = state_.McuColumns(), rows = state_.McuRows();
    for (std::uint32_t y = 0; y < rows; ++y)
      for (std::uint32_t x = 0; x < columns; ++x) {
        for (int i = 0; i < count_; ++i) {
          const int n = order_[i];
          const JpegComponent& c = state_.Component[n];
          const std::size_t stride = static_cast<std::size_t>(columns) * c.H;
          for (std::uint32_t v = 0; v < c.V; ++v)
            for (std::uint32_t h = 0; h < c.H; ++h)
              if (CheckResult error = Block(n, (x * c.H + h) + (y * c.V + v) * stride)) return error;
        }
        if (CheckResult error = AfterUnit(y + 1 == rows && x + 1 == columns)) return error;
      }
    return std::nullopt;
  }

  CheckResult Block(int n, std::size_t index) {
    if (!state_.Progressive) return SequentialBlock(n);
    if (start_ == 0) return DcBlock(n, state_.Component[n].Nonzero[index]);
    return AcBlock(n, state_.Component[n].Nonzero[index]);
  }

  // A DC difference; the running sum must stay where stb_image's arithmetic on it cannot overflow.
  CheckResult Dc(int n) {
    std::uint32_t size = 0;
    if (CheckResult error = bits_.Decode(*dc_[n], size)) return error;
    if (size > 15) return TextureError::Corrupt;
    std::int32_t difference = 0;
    if (size > 0)
      if (CheckResult error = bits_.ReadValue(static_cast<int>(size), difference)) return error;
    prediction_[n] += difference;
    if (prediction_[n] < -32767 || prediction_[n] > 32767) return TextureError::Corrupt;
    return std::nullopt;
  }

  CheckResult SequentialBlock(int n) {
    if (CheckResult error = Dc(n)) return error;
    for (std::uint32_t k = 1; k < 64;) {
      std::uint32_t symbol = 0;
      if (CheckResult error = bits_.Decode(*ac_[n], symbol)) return error;
      const std::uint32_t run = symbol >> 4, size = symbol & 15;
      if (size == 0) {
        if (symbol != 0xF0) break;  // end of block
        k += 16;
      } else {
        std::int32_t value = 0;
        if (CheckResult error = bits_.ReadValue(static_cast<int>(size), value)) return error;
        k += run + 1;
      }
    }
    return std::nullopt;
  }

  CheckResult DcBlock(int n, std::uint64_t& nonzero) {
    if (high_ == 0) {
      nonzero = 0;  // stb_image clears the block on its first DC pass
      return Dc(n);
    }
    std::uint32_t bit = 0;
    return bits_.Read(1, bit);  // refinement
  }

  CheckResult AcBlock(int n, std::uint64_t& nonzero) {
    std::uint32_t bit = 0;
    if (high_ == 0) {  // first pass over these coefficients
      if (eobRun_ > 0) {
        --eobRun_;
        return std::nullopt;
      }
      std::uint32_t k = start_;
      do {
        std::uint32_t symbol = 0;
        if (CheckResult error = bits_.Decode(*ac_[n], symbol)) return error;
        const std::uint32_t run = symbol >> 4, size = symbol & 15;
        if (size == 0) {
          if (run < 15) {
            std::uint32_t extra = 0;
            if (run > 0)
              if (CheckResult error = bits_.Read(static_cast<int>(run), extra)) return error;
            eobRun_ = (1u << run) + extra - 1;
            break;
          }
          k += 16;
        } else {
          std::int32_t value = 0;
          if (CheckResult error = bits_.ReadValue(static_cast<int>(size), value)) return error;
          k += run;
          // stb_image stores the value scaled into a short; positions past 63 land on 63.
          const std::uint64_t position = std::uint64_t{1} << std::min<std::uint32_t>(k, 63);
          if ((static_cast<std::uint32_t>(value * (1 << low_)) & 0xFFFF) != 0)
            nonzero |= position;
          else
            nonzero &= ~position;
          ++k;
        }
      } while (k <= end_);
      return std::nullopt;
    }
    // Refinement: one correction bit for each coefficient that already has a value.
    if (eobRun_ > 0) {
      --eobRun_;
      for (std::uint32_t k = start_; k <= end_; ++k)
        if (nonzero >> k & 1)
          if (CheckResult error = bits_.Read(1, bit)) return error;
      return std::nullopt;
    }
    std::uint32_t k = start_;
    do {
      std::uint32_t symbol = 0;
      if (CheckResult error = bits_.Decode(*ac_[n], symbol)) return error;
      std::uint32_t run = symbol >> 4;
      const std::uint32_t size = symbol & 15;
      if (size == 0) {
        if (run < 15) {
          std::uint32_t extra = 0;
          if (run > 0)
            if (CheckResult error = bits_.Read(static_cast<int>(run), extra)) return error;
          eobRun_ = (1u << run) - 1 + extra;
          run = 64;  // the rest of the block only refines
        }
      } else {
        if (size != 1) return TextureError::Corrupt;
        if (CheckResult error = bits_.Read(1, bit)) return error;  // the new value's sign
      }
      while (k <= end_) {
        const std::uint32_t position = k++;
        if (nonzero >> position & 1) {
          if (CheckResult error = bits_.Read(1, bit)) return error;
        } else {
          if (run == 0) {
            if (size != 0) nonzero |= std::uint64_t{1} << position;
            break;
          }
          --run;
        }
      }
    } while (k <= end_);
    return std::nullopt;
  }

  Bytes file_;
  EntropyBits bits_;
  JpegState& state_;
  int count_ = 0;
  int order_[4] = {};
  const HuffmanTable* dc_[4] = {};
  const HuffmanTable* ac_[4] = {};
  std::uint32_t start_ = 0, end_ = 63, high_ = 0, low_ = 0;
  std::int32_t prediction_[4] = {};
  std::uint32_t eobRun_ = 0;
  std::uint64_t todo_ = 0;
};

// Walks the JPEG markers, checking each scan's data, up to the end-of-image marker.
CheckResult CheckJpeg(Bytes b) {
  JpegState state;
  for (std::size_t at = 2;;) {
    if (at >= b.size()) return TextureError::Truncated;
    if (Byte(b, at) != 0xFF) return TextureError::Corrupt;
    while (at < b.size() && Byte(b, at) == 0xFF) ++at;
    if (at >= b.size()) return TextureError::Truncated;
    const std::uint32_t marker = Byte(b, at++);
    if (marker == 0xD9) {  // end of image: every component must have been filled
      if (!state.HaveFrame) return TextureError::Corrupt;
      for (int i = 0; i < state.Components; ++i)
        if (!state.Component[i].Filled) return TextureError::Corrupt;
      return std::nullopt;
    }
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length field
    if (b.size() - at < 2) return TextureError::Truncated;
    const std::size_t length = Be16(b, at);
    if (length < 2) return TextureError::Corrupt;
    if (b.size() - at < length) return TextureError::Truncated;
    const Bytes segment = b.substr(at + 2, length - 2);
    at += length;
    const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame)
      if (CheckResult error = ReadFrame(marker, segment, state)) return error;
    if (marker == 0xDB && !ReadQuantTables(segment, state)) return TextureError::Corrupt;
    if (marker == 0xC4 && !ReadHuffmanTables(segment, state)) return TextureError::Corrupt;
    if (marker == 0xDD) {  // restart interval
      if (segment.size() != 2) return TextureError::Corrupt;
      state.RestartInterval = Be16(segment, 0);
    }
    if (marker != 0xDA) continue;
    if (!state.HaveFrame) return TextureError::Corrupt;
    if (CheckResult error = ScanCheck(b, at, state).Run(segment)) return error;
    // Skip to the next marker that is not a restart marker.
    for (;;) {
      if (at >= b.size()) return TextureError::Truncated;
      if (Byte(b, at) != 0xFF) {
        ++at;
        continue;
      }
      if (at + 1 >= b.size()) return TextureError::Truncated;
      const std::uint32_t next = Byte(b, at + 1);
      if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
        at += 2;
      } else if (next == 0xFF) {
        ++at;
      } else {
        break;
      }
    }
  }
}

constexpr std::size_t kTgaHeaderSize = 18;

// TGA has no magic number; these are the header values stb_image accepts.
bool LooksLikeTga(Bytes b) {
  if (b.size() < kTgaHeaderSize) return false;
  const std::uint32_t mapType = Byte(b, 1), imageType = Byte(b, 2), bits = Byte(b, 16);
  if (mapType > 1) return false;
  if (mapType == 1) {
    const std::uint32_t mapBits = Byte(b, 7);
    if (imageType != 1 && imageType != 9) return false;
    if (mapBits != 8 && mapBits != 15 && mapBits != 16 && mapBits != 24 && mapBits != 32) return false;
    if (bits != 8 && bits != 16) return false;
  } else {
    if (imageType != 2 && imageType != 3 && imageType != 10 && imageType != 11) return false;
    if (bits != 8 && bits != 15 && bits != 16 && bits != 24 && bits != 32) return false;
  }
  return Le16(b, 12) >= 1 && Le16(b, 14) >= 1;
}

CheckResult CheckTga(Bytes b) {
  const std::uint64_t w = Le16(b, 12), h = Le16(b, 14);
  if (!SideFits(w) || !SideFits(h)) return TextureError::TooLarge;
  const bool mapped = Byte(b, 1) == 1;
  const bool rle = Byte(b, 2) >= 9;
  std::uint64_t at = kTgaHeaderSize + Byte(b, 0);  // after the image id
  if (mapped) {
    // stb_image reads a colour map that starts at a later entry as if it started at entry 0.
    if (Le16(b, 3) != 0) return TextureError::UnsupportedFormat;
    const std::uint64_t entries = Le16(b, 5);
    if (entries == 0) return TextureError::Corrupt;
    at += entries * ((Byte(b, 7) + 7) / 8);
  }
  const std::uint64_t pixelBytes = (Byte(b, 16) + 7) / 8;
  const std::uint64_t pixels = w * h;
  if (!rle) {
    if (b.size() < at + pixels * pixelBytes) return TextureError::Truncated;
    return std::nullopt;
  }
  // Run-length packets: a count byte, then one value (a run) or count values (raw).
  for (std::uint64_t done = 0; done < pixels;) {
    if (at >= b.size()) return TextureError::Truncated;
    const std::uint32_t packet = Byte(b, static_cast<std::size_t>(at));
    const std::uint64_t count = (packet & 0x7F) + 1;
    at += 1 + ((packet & 0x80) ? 1 : count) * pixelBytes;
    done += count;
  }
  if (b.size() < at) return TextureError::Truncated;
  return std::nullopt;
}

enum class StbFormat { Bmp, Png, Jpeg, Tga };

// Windows programs write 32-bit BMPs (and TGAs) whose alpha bytes are all zero although the picture
// is meant to be opaque; a texture that is transparent everywhere is never what such a file means.
bool AlphaAllZero(const unsigned char* rgba, std::size_t pixels) {
  for (std::size_t i = 0; i < pixels; ++i)
    if (rgba[i * 4 + 3] != 0) return false;
  return true;
}

TextureError StbError() {
  const char* reason = stbi_failure_reason();
  return reason != nullptr && std::strcmp(reason, "too large") == 0 ? TextureError::TooLarge : TextureError::Corrupt;
}

struct StbLimitScope {
  explicit StbLimitScope(std::size_t limit) { tStbAllocationLimit = limit; }
  ~StbLimitScope() { tStbAllocationLimit = 0; }
  StbLimitScope(const StbLimitScope&) = delete;
  StbLimitScope& operator=(const StbLimitScope&) = delete;
};

TextureResult DecodeWithStb(Bytes bytes, StbFormat format) {
  CheckResult checked;
  switch (format) {
    case StbFormat::Bmp: checked = CheckBmp(bytes); break;
    case StbFormat::Png: checked = CheckPng(bytes); break;
    case StbFormat::Jpeg: checked = CheckJpeg(bytes); break;
    case StbFormat::Tga: checked = CheckTga(bytes); break;
  }
  if (checked) return *checked;
  std::optional<std::string> changed;
  if (format == StbFormat::Png && (changed = PngForStb(bytes))) bytes = *changed;
  if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return TextureError::TooLarge;
  const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
  const int length = static_cast<int>(bytes.size());

  int width = 0, height = 0, channels = 0;
  {
    const StbLimitScope limit(std::size_t{1} << 20);  // the decoder's own state
    if (!stbi_info_from_memory(data, length, &width, &height, &channels)) return StbError();
  }
  if (format == StbFormat::Bmp && height < 0) height = -std::max(height, -kMaxTextureSide);  // top-down rows
  if (!SideFits(static_cast<std::uint64_t>(std::max(width, 0))) ||
      !SideFits(static_cast<std::uint64_t>(std::max(height, 0))))
    return TextureError::TooLarge;

  // The largest buffer an honest file needs: 16-bit RGBA PNG rows, JPEG planes padded to whole blocks,
  // or the compressed data gathered in one piece.
  const std::size_t padded = (static_cast<std::size_t>(width) + 64) * (static_cast<std::size_t>(height) + 64);
  const StbLimitScope limit(std::max(padded * 8, bytes.size() * 2) + (std::size_t{1} << 20));
  int w = 0, h = 0;
  const std::unique_ptr<stbi_uc, void (*)(void*)> rgba(stbi_load_from_memory(data, length, &w, &h, &channels, 4),
                                                       stbi_image_free);
  if (!rgba) return StbError();
  if (w != width || h != height) return TextureError::Corrupt;
  Image image = FromRgba(rgba.get(), w, h);
  if ((format == StbFormat::Bmp || format == StbFormat::Tga) && AlphaAllZero(rgba.get(), image.Pixels.size()))
    for (std::uint32_t& pixel : image.Pixels) pixel |= 0xFF000000;
  return image;
}

bool StartsWith(Bytes bytes, Bytes prefix) { return bytes.substr(0, prefix.size()) == prefix; }

}  // namespace

const char* TextureErrorText(TextureError error) {
  switch (error) {
    case TextureError::CannotRead: return "cannot read the file";
    case TextureError::UnknownFormat: return "not a texture format the viewer reads";
    case TextureError::Truncated: return "the file ends early";
    case TextureError::UnsupportedFormat: return "unsupported pixel format or texture type";
    case TextureError::TooLarge: return "the image is empty or too large";
    case TextureError::Corrupt: return "the image data is damaged";
  }
  return "unknown texture error";
}

TextureResult DecodeTexture(std::string_view bytes) {
  if (StartsWith(bytes, "DDS ")) return DecodeDds(bytes);
  if (StartsWith(bytes, "\x89PNG")) return DecodeWithStb(bytes, StbFormat::Png);
  if (StartsWith(bytes, "\xFF\xD8")) return DecodeWithStb(bytes, StbFormat::Jpeg);
  if (StartsWith(bytes, "BM")) return DecodeWithStb(bytes, StbFormat::Bmp);
  if (LooksLikeTga(bytes)) return DecodeWithStb(bytes, StbFormat::Tga);
  return TextureError::UnknownFormat;
}

TextureResult LoadTextureFile(std::string_view path) {
  const std::optional<std::string> bytes = os::ReadWholeFile(path);
  if (!bytes) return TextureError::CannotRead;
  return DecodeTexture(*bytes);
}

}  // namespace gfx
