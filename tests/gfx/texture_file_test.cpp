#include "platform/gfx/texture_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "support/temp_dir.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wconversion"
#pragma GCC diagnostic ignored "-Wsign-conversion"
#pragma GCC diagnostic ignored "-Wshadow"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wdouble-promotion"
#endif
#include <stb/stb_image_write.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace {

using gfx::DecodeTexture;
using gfx::Image;
using gfx::TextureError;
using gfx::TextureResult;

// ---------------------------------------------------------------------------------------------
// Byte building

void PutLe(std::string& s, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void Put16(std::string& s, std::uint32_t v) { PutLe(s, v, 2); }
void Put32(std::string& s, std::uint32_t v) { PutLe(s, v, 4); }
void PutBe32(std::string& s, std::uint32_t v) {
  for (int i = 3; i >= 0; --i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s.push_back(static_cast<char>(v));
  return s;
}

std::optional<TextureError> ErrorOf(const TextureResult& result) {
  if (const auto* error = std::get_if<TextureError>(&result)) return *error;
  return std::nullopt;
}

int ChannelDistance(std::uint32_t a, std::uint32_t b) {
  int worst = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const int ca = static_cast<int>((a >> shift) & 0xFF), cb = static_cast<int>((b >> shift) & 0xFF);
    worst = std::max(worst, std::abs(ca - cb));
  }
  return worst;
}

struct Texel {
  int X, Y;
  std::uint32_t Argb;
};

// Decodes and checks the size and the given pixels, each channel within tolerance.
void ExpectDecodes(const std::string& bytes, int width, int height, const std::vector<Texel>& texels,
                   int tolerance = 0) {
  const TextureResult result = DecodeTexture(bytes);
  const Image* image = std::get_if<Image>(&result);
  ASSERT_NE(image, nullptr) << gfx::TextureErrorText(std::get<TextureError>(result));
  ASSERT_EQ(image->Width, width);
  ASSERT_EQ(image->Height, height);
  ASSERT_EQ(image->Pixels.size(), static_cast<size_t>(width) * static_cast<size_t>(height));
  for (const Texel& t : texels)
    EXPECT_LE(ChannelDistance(image->At(t.X, t.Y), t.Argb), tolerance)
        << "pixel (" << t.X << "," << t.Y << ") is " << std::hex << image->At(t.X, t.Y) << ", expected "
        << t.Argb;
}

// A copy of a value with one change.
template <typename T>
T With(T value, void (*change)(T&)) {
  change(value);
  return value;
}

// ---------------------------------------------------------------------------------------------
// DDS files

constexpr std::uint32_t kPfAlphaPixels = 0x1, kPfAlpha = 0x2, kPfFourCc = 0x4, kPfPalette8 = 0x20,
                        kPfRgb = 0x40, kPfLuminance = 0x20000;

constexpr std::uint32_t FourCc(const char (&s)[5]) {
  return static_cast<std::uint32_t>(s[0]) | static_cast<std::uint32_t>(s[1]) << 8 |
         static_cast<std::uint32_t>(s[2]) << 16 | static_cast<std::uint32_t>(s[3]) << 24;
}

struct DdsHeader {
  std::uint32_t Width = 4, Height = 4;
  std::uint32_t PfFlags = kPfFourCc, FourCc = 0, BitCount = 0, R = 0, G = 0, B = 0, A = 0;
  std::uint32_t Flags = 0x1007, Pitch = 0, Depth = 0, MipCount = 0, Caps2 = 0, Size = 124;
  std::uint32_t Dx10Format = 0;  // non-zero: a DX10 header follows
  std::uint32_t Dx10Dimension = 3, Dx10Misc = 0, Dx10ArraySize = 1;
};

std::string MakeDds(const DdsHeader& h, const std::string& data) {
  std::string s = "DDS ";
  Put32(s, h.Size);
  Put32(s, h.Flags);
  Put32(s, h.Height);
  Put32(s, h.Width);
  Put32(s, h.Pitch);
  Put32(s, h.Depth);
  Put32(s, h.MipCount);
  for (int i = 0; i < 11; ++i) Put32(s, 0);
  Put32(s, 32);
  Put32(s, h.PfFlags);
  Put32(s, h.Dx10Format != 0 ? FourCc("DX10") : h.FourCc);
  Put32(s, h.BitCount);
  Put32(s, h.R);
  Put32(s, h.G);
  Put32(s, h.B);
  Put32(s, h.A);
  Put32(s, 0x1000);  // caps: texture
  Put32(s, h.Caps2);
  for (int i = 0; i < 3; ++i) Put32(s, 0);
  if (h.Dx10Format != 0) {
    Put32(s, h.Dx10Format);
    Put32(s, h.Dx10Dimension);
    Put32(s, h.Dx10Misc);
    Put32(s, h.Dx10ArraySize);
    Put32(s, 0);
  }
  return s + data;
}

DdsHeader MaskHeader(std::uint32_t flags, std::uint32_t bits, std::uint32_t r, std::uint32_t g, std::uint32_t b,
                     std::uint32_t a) {
  DdsHeader h;
  h.PfFlags = flags;
  h.BitCount = bits;
  h.R = r, h.G = g, h.B = b, h.A = a;
  return h;
}

const DdsHeader kA8R8G8B8 = MaskHeader(kPfRgb | kPfAlphaPixels, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);

// A 2x2 image of pixels written with the header's bit count.
std::string MaskedDds(DdsHeader h, const std::array<std::uint32_t, 4>& raw) {
  h.Width = h.Height = 2;
  std::string data;
  for (std::uint32_t v : raw) PutLe(data, v, static_cast<int>(h.BitCount / 8));
  return MakeDds(h, data);
}

// Formats named by a number still need the bit count for MaskedDds, which the decoder does not read.
DdsHeader WithBits(DdsHeader h, std::uint32_t bits) {
  h.BitCount = bits;
  return h;
}

DdsHeader FourCcHeader(std::uint32_t fourCc, std::uint32_t width = 4, std::uint32_t height = 4) {
  DdsHeader h;
  h.FourCc = fourCc;
  h.Width = width;
  h.Height = height;
  return h;
}

DdsHeader Dx10Header(std::uint32_t format) {
  DdsHeader h;
  h.Dx10Format = format;
  return h;
}

struct MaskCase {
  const char* Name;
  DdsHeader Header;
  std::array<std::uint32_t, 4> Raw;       // row 0 left, right; row 1 left, right
  std::array<std::uint32_t, 4> Expected;  // ARGB in the same order
};

TEST(GfxTextureDds, DecodesEveryMaskedFormat) {
  const MaskCase cases[] = {
      {"A8R8G8B8", kA8R8G8B8,
       {0x80FF4020, 0x00000000, 0xFF123456, 0x7F0000FF},
       {0x80FF4020, 0x00000000, 0xFF123456, 0x7F0000FF}},
      {"X8R8G8B8", MaskHeader(kPfRgb, 32, 0xFF0000, 0xFF00, 0xFF, 0),
       {0x00112233, 0xAB445566, 0x00FFFFFF, 0x12000000},
       {0xFF112233, 0xFF445566, 0xFFFFFFFF, 0xFF000000}},
      {"A8B8G8R8", MaskHeader(kPfRgb | kPfAlphaPixels, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000),
       {0x80203040, 0xFF0000FF, 0x00FF0000, 0x12345678},
       {0x80403020, 0xFFFF0000, 0x000000FF, 0x12785634}},
      {"X8B8G8R8", MaskHeader(kPfRgb, 32, 0xFF, 0xFF00, 0xFF0000, 0),
       {0x00203040, 0x550000FF, 0x00FF0000, 0x12345678},
       {0xFF403020, 0xFFFF0000, 0xFF0000FF, 0xFF785634}},
      {"R8G8B8", MaskHeader(kPfRgb, 24, 0xFF0000, 0xFF00, 0xFF, 0),
       {0x112233, 0xFFFFFF, 0x000000, 0x0000FF},
       {0xFF112233, 0xFFFFFFFF, 0xFF000000, 0xFF0000FF}},
      {"R5G6B5", MaskHeader(kPfRgb, 16, 0xF800, 0x07E0, 0x001F, 0),
       {0xF800, 0x07E0, 0x001F, 0x8410},
       {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF848284}},
      {"X1R5G5B5", MaskHeader(kPfRgb, 16, 0x7C00, 0x03E0, 0x001F, 0),
       {0x7C00, 0x83E0, 0x001F, 0x8000},
       {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF000000}},
      {"A1R5G5B5", MaskHeader(kPfRgb | kPfAlphaPixels, 16, 0x7C00, 0x03E0, 0x001F, 0x8000),
       {0xFC00, 0x7C00, 0x801F, 0x0421},
       {0xFFFF0000, 0x00FF0000, 0xFF0000FF, 0x00080808}},
      {"A4R4G4B4", MaskHeader(kPfRgb | kPfAlphaPixels, 16, 0x0F00, 0x00F0, 0x000F, 0xF000),
       {0x8F40, 0x0FFF, 0xF000, 0x1234},
       {0x88FF4400, 0x00FFFFFF, 0xFF000000, 0x11223344}},
      {"A2B10G10R10", MaskHeader(kPfRgb | kPfAlphaPixels, 32, 0x3FF, 0xFFC00, 0x3FF00000, 0xC0000000),
       {0xC00FFC00, 0x40000200, 0x00000000, 0xFFFFFFFF},
       {0xFF00FF00, 0x55800000, 0x00000000, 0xFFFFFFFF}},
      {"L8", MaskHeader(kPfLuminance, 8, 0xFF, 0, 0, 0),
       {0x00, 0x80, 0xFF, 0x12},
       {0xFF000000, 0xFF808080, 0xFFFFFFFF, 0xFF121212}},
      {"A8L8", MaskHeader(kPfLuminance | kPfAlphaPixels, 16, 0xFF, 0, 0, 0xFF00),
       {0x40C0, 0xFF00, 0x00FF, 0x1234},
       {0x40C0C0C0, 0xFF000000, 0x00FFFFFF, 0x12343434}},
      {"A8", MaskHeader(kPfAlpha, 8, 0, 0, 0, 0xFF),
       {0x00, 0x80, 0xFF, 0x12},
       {0x00000000, 0x80000000, 0xFF000000, 0x12000000}},
      {"A8R8G8B8 as a Direct3D format number", WithBits(FourCcHeader(21), 32),
       {0x80FF4020, 0x00000000, 0xFF123456, 0x7F0000FF},
       {0x80FF4020, 0x00000000, 0xFF123456, 0x7F0000FF}},
      {"DX10 B8G8R8A8", WithBits(Dx10Header(87), 32),
       {0x80FF4020, 0x00000000, 0xFF123456, 0x7F0000FF},
       {0x80FF4020, 0x00000000, 0xFF123456, 0x7F0000FF}},
      {"DX10 B5G6R5", WithBits(Dx10Header(85), 16),
       {0xF800, 0x07E0, 0x001F, 0x8410},
       {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF848284}},
  };
  for (const MaskCase& c : cases) {
    SCOPED_TRACE(c.Name);
    ExpectDecodes(MaskedDds(c.Header, c.Raw), 2, 2,
                  {{0, 0, c.Expected[0]}, {1, 0, c.Expected[1]}, {0, 1, c.Expected[2]}, {1, 1, c.Expected[3]}});
  }
}

// DXT blocks built by hand. Colour endpoints are R5G6B5; texel i of a block is row i / 4, column i % 4.
std::string ColourBlock(std::uint32_t c0, std::uint32_t c1, const std::array<int, 16>& index) {
  std::string s;
  Put16(s, c0);
  Put16(s, c1);
  std::uint32_t bits = 0;
  for (int i = 0; i < 16; ++i) bits |= static_cast<std::uint32_t>(index[static_cast<size_t>(i)]) << (2 * i);
  Put32(s, bits);
  return s;
}
std::string SolidColourBlock(std::uint32_t c) { return ColourBlock(c, c, {}); }

std::string ExplicitAlphaBlock(const std::array<int, 16>& alpha4) {
  std::string s;
  for (int i = 0; i < 16; i += 2)
    s.push_back(static_cast<char>(alpha4[static_cast<size_t>(i)] | alpha4[static_cast<size_t>(i) + 1] << 4));
  return s;
}

std::string InterpolatedAlphaBlock(int a0, int a1, const std::array<int, 16>& index) {
  std::string s = Bytes({a0, a1});
  std::uint64_t bits = 0;
  for (int i = 0; i < 16; ++i) bits |= static_cast<std::uint64_t>(index[static_cast<size_t>(i)]) << (3 * i);
  for (int i = 0; i < 6; ++i) s.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
  return s;
}

constexpr std::uint32_t kRed565 = 0xF800, kGreen565 = 0x07E0, kBlue565 = 0x001F, kWhite565 = 0xFFFF;

struct BlockCase {
  const char* Name;
  std::uint32_t FourCc;
  std::uint32_t Width, Height;
  std::string Blocks;
  std::vector<Texel> Expected;
};

TEST(GfxTextureDds, DecodesDxtBlocks) {
  const BlockCase cases[] = {
      {"DXT1 four colours", FourCc("DXT1"), 4, 4,
       ColourBlock(kRed565, kBlue565, {0, 1, 2, 3}),
       {{0, 0, 0xFFFF0000}, {1, 0, 0xFF0000FF}, {2, 0, 0xFFAA0055}, {3, 0, 0xFF5500AA}, {3, 3, 0xFFFF0000}}},
      {"DXT1 three colours and a transparent texel", FourCc("DXT1"), 4, 4,
       ColourBlock(kBlue565, kRed565, {0, 1, 2, 3}),
       {{0, 0, 0xFF0000FF}, {1, 0, 0xFFFF0000}, {2, 0, 0xFF7F007F}, {3, 0, 0x00000000}}},
      {"DXT3 explicit alpha", FourCc("DXT3"), 4, 4,
       ExplicitAlphaBlock({0x0, 0xF, 0x8, 0x3}) + SolidColourBlock(kGreen565),
       {{0, 0, 0x0000FF00}, {1, 0, 0xFF00FF00}, {2, 0, 0x8800FF00}, {3, 0, 0x3300FF00}, {0, 1, 0x0000FF00}}},
      {"DXT5 eight alpha levels", FourCc("DXT5"), 4, 4,
       InterpolatedAlphaBlock(255, 0, {0, 1, 2, 7}) + SolidColourBlock(kWhite565),
       {{0, 0, 0xFFFFFFFF}, {1, 0, 0x00FFFFFF}, {2, 0, 0xDAFFFFFF}, {3, 0, 0x24FFFFFF}}},
      {"DXT5 six alpha levels with 0 and 255", FourCc("DXT5"), 4, 4,
       InterpolatedAlphaBlock(0, 255, {6, 7, 2, 1}) + SolidColourBlock(kWhite565),
       {{0, 0, 0x00FFFFFF}, {1, 0, 0xFFFFFFFF}, {2, 0, 0x33FFFFFF}, {3, 0, 0xFFFFFFFF}}},
      {"DXT5 5x6 in four blocks", FourCc("DXT5"), 5, 6,
       InterpolatedAlphaBlock(255, 255, {}) + SolidColourBlock(kRed565) +    //
           InterpolatedAlphaBlock(128, 128, {}) + SolidColourBlock(kGreen565) +  //
           InterpolatedAlphaBlock(64, 64, {}) + SolidColourBlock(kBlue565) +     //
           InterpolatedAlphaBlock(0, 0, {}) + SolidColourBlock(kWhite565),
       {{0, 0, 0xFFFF0000}, {3, 3, 0xFFFF0000}, {4, 0, 0x8000FF00}, {4, 3, 0x8000FF00},
        {0, 5, 0x400000FF}, {3, 4, 0x400000FF}, {4, 5, 0x00FFFFFF}}},
      {"DXT1 5x3", FourCc("DXT1"), 5, 3,
       SolidColourBlock(kRed565) + SolidColourBlock(kGreen565),
       {{0, 0, 0xFFFF0000}, {3, 2, 0xFFFF0000}, {4, 0, 0xFF00FF00}, {4, 2, 0xFF00FF00}}},
      {"DXT1 1x1", FourCc("DXT1"), 1, 1, SolidColourBlock(kBlue565), {{0, 0, 0xFF0000FF}}},
      {"DX10 BC1", 0, 4, 4, SolidColourBlock(kGreen565), {{2, 2, 0xFF00FF00}}},
  };
  for (const BlockCase& c : cases) {
    SCOPED_TRACE(c.Name);
    DdsHeader h = c.FourCc != 0 ? FourCcHeader(c.FourCc, c.Width, c.Height) : Dx10Header(71);
    // Interpolated values may round either way.
    ExpectDecodes(MakeDds(h, c.Blocks), static_cast<int>(c.Width), static_cast<int>(c.Height), c.Expected, 1);
  }
}

TEST(GfxTextureDds, IgnoresPitchMipCountAndLowerMips) {
  DdsHeader h = kA8R8G8B8;
  h.Flags |= 0x8 | 0x20000;  // pitch and mip count present
  h.Width = h.Height = 2;
  h.Pitch = 0xFFFFFFFF;
  h.MipCount = 0xFFFFFFFF;
  std::string data;
  for (std::uint32_t v : {0x11111111u, 0x22222222u, 0x33333333u, 0x44444444u, 0x55555555u}) Put32(data, v);
  ExpectDecodes(MakeDds(h, data), 2, 2, {{0, 0, 0x11111111}, {1, 1, 0x44444444}});
}

TEST(GfxTextureDds, AcceptsTheLargestSide) {
  DdsHeader h = MaskHeader(kPfLuminance, 8, 0xFF, 0, 0, 0);
  h.Width = gfx::kMaxTextureSide;
  h.Height = 1;
  std::string data(static_cast<size_t>(gfx::kMaxTextureSide), '\x40');
  data.back() = '\x80';
  ExpectDecodes(MakeDds(h, data), gfx::kMaxTextureSide, 1,
                {{0, 0, 0xFF404040}, {gfx::kMaxTextureSide - 1, 0, 0xFF808080}});
}

// ---------------------------------------------------------------------------------------------
// BMP files

struct BmpSpec {
  int Width = 2, Height = 2;  // a negative height stores rows top to bottom
  int Bits = 24;
  std::uint32_t HeaderSize = 40, Compression = 0;
  std::array<std::uint32_t, 4> Masks{};  // R, G, B, A for bit-field files
  std::vector<std::uint32_t> Palette;    // 0x00RRGGBB
};

// Values are the raw pixel values of the rows from top to bottom: palette indices, or the
// little-endian pixel in Bits / 8 bytes.
std::string MakeBmp(const BmpSpec& b, const std::vector<std::uint32_t>& topDown) {
  std::string header;
  Put32(header, b.HeaderSize);
  Put32(header, static_cast<std::uint32_t>(b.Width));
  Put32(header, static_cast<std::uint32_t>(b.Height));
  Put16(header, 1);
  Put16(header, static_cast<std::uint32_t>(b.Bits));
  Put32(header, b.Compression);
  Put32(header, 0);
  Put32(header, 2835);
  Put32(header, 2835);
  Put32(header, static_cast<std::uint32_t>(b.Palette.size()));
  Put32(header, 0);
  if (b.HeaderSize >= 108) {
    for (std::uint32_t m : b.Masks) Put32(header, m);
    header.resize(b.HeaderSize, '\0');
  } else if (b.Compression == 3) {
    for (int i = 0; i < 3; ++i) Put32(header, b.Masks[static_cast<size_t>(i)]);
  }
  for (std::uint32_t c : b.Palette) Put32(header, c & 0xFFFFFF);

  const int rows = std::abs(b.Height);
  const size_t rowBytes = (static_cast<size_t>(b.Width) * static_cast<size_t>(b.Bits) + 7) / 8;
  std::string pixels;
  for (int r = 0; r < rows; ++r) {
    const int source = b.Height > 0 ? rows - 1 - r : r;
    std::string row;
    for (int x = 0; x < b.Width; ++x) {
      const std::uint32_t value = topDown[static_cast<size_t>(source * b.Width + x)];
      if (b.Bits >= 8) {
        PutLe(row, value, b.Bits / 8);
        continue;
      }
      const int bit = x * b.Bits;  // packed with the leftmost pixel in the high bits
      if (bit % 8 == 0) row.push_back('\0');
      row.back() = static_cast<char>(static_cast<std::uint32_t>(row.back()) | value << (8 - b.Bits - bit % 8));
    }
    pixels += row;
    pixels.append((4 - rowBytes % 4) % 4, '\0');
  }
  std::string file = "BM";
  Put32(file, static_cast<std::uint32_t>(14 + header.size() + pixels.size()));
  Put32(file, 0);
  Put32(file, static_cast<std::uint32_t>(14 + header.size()));
  return file + header + pixels;
}

BmpSpec Bmp(int width, int height, int bits) {
  BmpSpec b;
  b.Width = width;
  b.Height = height;
  b.Bits = bits;
  return b;
}

// 32-bit with bit fields in a V4 header, stored as R, G, B, A from the top byte down.
BmpSpec BitFieldBmp32() {
  BmpSpec b = Bmp(2, 2, 32);
  b.HeaderSize = 108;
  b.Compression = 3;
  b.Masks = {0xFF000000, 0x00FF0000, 0x0000FF00, 0x000000FF};
  return b;
}

BmpSpec PaletteBmp() {
  BmpSpec b = Bmp(3, 2, 8);
  b.Palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0x123456};
  return b;
}

struct FileCase {
  const char* Name;
  std::string File;
  int Width, Height;
  std::vector<Texel> Expected;
};

void RunFileCases(const std::vector<FileCase>& cases, int tolerance = 0) {
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.Name);
    ExpectDecodes(c.File, c.Width, c.Height, c.Expected, tolerance);
  }
}

const std::vector<std::uint32_t> kRgb3x2 = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0x123456};
const std::vector<Texel> kRgb3x2Expected = {{0, 0, 0xFFFF0000}, {1, 0, 0xFF00FF00}, {2, 0, 0xFF0000FF},
                                            {0, 1, 0xFFFFFFFF}, {1, 1, 0xFF000000}, {2, 1, 0xFF123456}};

TEST(GfxTextureBmp, DecodesRowOrdersDepthsAndAlpha) {
  RunFileCases({
      {"24-bit bottom-up with row padding", MakeBmp(Bmp(3, 2, 24), kRgb3x2), 3, 2, kRgb3x2Expected},
      {"24-bit top-down", MakeBmp(Bmp(3, -2, 24), kRgb3x2), 3, 2, kRgb3x2Expected},
      {"8-bit palette", MakeBmp(PaletteBmp(), {1, 2, 3, 4, 0, 1}), 3, 2,
       {{0, 0, 0xFFFF0000}, {1, 0, 0xFF00FF00}, {2, 0, 0xFF0000FF}, {0, 1, 0xFF123456}, {1, 1, 0xFF000000}}},
      {"4-bit palette", MakeBmp(With<BmpSpec>(PaletteBmp(), [](BmpSpec& b) { b.Bits = 4; }), {1, 2, 3, 4, 0, 1}), 3, 2,
       {{0, 0, 0xFFFF0000}, {1, 0, 0xFF00FF00}, {2, 0, 0xFF0000FF}, {0, 1, 0xFF123456}, {1, 1, 0xFF000000},
        {2, 1, 0xFFFF0000}}},
      {"1-bit palette", MakeBmp(With<BmpSpec>(PaletteBmp(), [](BmpSpec& b) { b.Bits = 1; }), {1, 0, 1, 0, 1, 1}), 3, 2,
       {{0, 0, 0xFFFF0000}, {1, 0, 0xFF000000}, {2, 0, 0xFFFF0000}, {0, 1, 0xFF000000}, {2, 1, 0xFFFF0000}}},
      {"32-bit with alpha", MakeBmp(Bmp(2, 2, 32), {0x80FF0000, 0x00FFFFFF, 0xFF0000FF, 0x40123456}), 2, 2,
       {{0, 0, 0x80FF0000}, {1, 0, 0x00FFFFFF}, {0, 1, 0xFF0000FF}, {1, 1, 0x40123456}}},
      {"32-bit top-down with alpha", MakeBmp(Bmp(2, -2, 32), {0x80FF0000, 0x00FFFFFF, 0xFF0000FF, 0x40123456}),
       2, 2, {{0, 0, 0x80FF0000}, {1, 0, 0x00FFFFFF}, {0, 1, 0xFF0000FF}, {1, 1, 0x40123456}}},
      {"32-bit whose alpha is all zero is opaque",
       MakeBmp(Bmp(2, 2, 32), {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00000000}), 2, 2,
       {{0, 0, 0xFFFF0000}, {1, 0, 0xFF00FF00}, {0, 1, 0xFF0000FF}, {1, 1, 0xFF000000}}},
      {"32-bit bit fields with alpha", MakeBmp(BitFieldBmp32(), {0xFF000080, 0x00FF0000, 0x0000FFFF, 0x12345678}),
       2, 2, {{0, 0, 0x80FF0000}, {1, 0, 0x0000FF00}, {0, 1, 0xFF0000FF}, {1, 1, 0x78123456}}},
      {"32-bit bit fields whose alpha is all zero is opaque",
       MakeBmp(BitFieldBmp32(), {0xFF000000, 0x00FF0000, 0x0000FF00, 0x12345600}), 2, 2,
       {{0, 0, 0xFFFF0000}, {1, 0, 0xFF00FF00}, {0, 1, 0xFF0000FF}, {1, 1, 0xFF123456}}},
  });
}

// ---------------------------------------------------------------------------------------------
// TGA files

struct TgaSpec {
  int ImageType = 2;
  int Width = 2, Height = 2, Bits = 24;
  int Descriptor = 0;  // 0x20: rows stored top to bottom
  std::vector<std::uint32_t> Palette;  // 24-bit entries for colour-mapped files
  std::string Id;
};

// Data is the pixel data exactly as stored (rows bottom to top unless the descriptor says otherwise).
std::string MakeTga(const TgaSpec& t, const std::string& data) {
  std::string s;
  s.push_back(static_cast<char>(t.Id.size()));
  s.push_back(t.Palette.empty() ? 0 : 1);
  s.push_back(static_cast<char>(t.ImageType));
  Put16(s, 0);
  Put16(s, static_cast<std::uint32_t>(t.Palette.size()));
  s.push_back(t.Palette.empty() ? 0 : 24);
  Put16(s, 0);
  Put16(s, 0);
  Put16(s, static_cast<std::uint32_t>(t.Width));
  Put16(s, static_cast<std::uint32_t>(t.Height));
  s.push_back(static_cast<char>(t.Bits));
  s.push_back(static_cast<char>(t.Descriptor));
  s += t.Id;
  for (std::uint32_t c : t.Palette) PutLe(s, c, 3);
  return s + data;
}

std::string Pixels(int bytesEach, std::initializer_list<std::uint32_t> values) {
  std::string s;
  for (std::uint32_t v : values) PutLe(s, v, bytesEach);
  return s;
}

TgaSpec Tga(int type, int width, int height, int bits, int descriptor = 0) {
  TgaSpec t;
  t.ImageType = type;
  t.Width = width;
  t.Height = height;
  t.Bits = bits;
  t.Descriptor = descriptor;
  return t;
}

TgaSpec MappedTga() {
  TgaSpec t = Tga(1, 2, 2, 8);
  t.Palette = {0xFF0000, 0x00FF00, 0x0000FF};
  return t;
}

TgaSpec TgaWithId() {
  TgaSpec t = Tga(2, 2, 1, 24);
  t.Id = "made by hand";
  return t;
}

const std::vector<Texel> kRedGreenBlueWhite = {
    {0, 0, 0xFFFF0000}, {1, 0, 0xFF00FF00}, {0, 1, 0xFF0000FF}, {1, 1, 0xFFFFFFFF}};

TEST(GfxTextureTga, DecodesStoredRunLengthAndMappedImages) {
  RunFileCases({
      {"24-bit bottom-up", MakeTga(Tga(2, 2, 2, 24), Pixels(3, {0x0000FF, 0xFFFFFF, 0xFF0000, 0x00FF00})), 2, 2,
       kRedGreenBlueWhite},
      {"32-bit top-down with alpha",
       MakeTga(Tga(2, 2, 2, 32, 0x28), Pixels(4, {0x80FF0000, 0x0000FF00, 0xFF0000FF, 0x40FFFFFF})), 2, 2,
       {{0, 0, 0x80FF0000}, {1, 0, 0x0000FF00}, {0, 1, 0xFF0000FF}, {1, 1, 0x40FFFFFF}}},
      {"32-bit whose alpha is all zero is opaque",
       MakeTga(Tga(2, 2, 2, 32, 0x20), Pixels(4, {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF})), 2, 2,
       kRedGreenBlueWhite},
      {"16-bit", MakeTga(Tga(2, 2, 2, 16, 0x20), Pixels(2, {0x7C00, 0x03E0, 0x001F, 0x7FFF})), 2, 2,
       kRedGreenBlueWhite},
      {"run-length 24-bit across rows",
       MakeTga(Tga(10, 3, 2, 24), Bytes({0x83, 0x00, 0x00, 0xFF}) + Bytes({0x01}) + Pixels(3, {0x00FF00, 0x0000FF})),
       3, 2, {{0, 1, 0xFFFF0000}, {2, 1, 0xFFFF0000}, {0, 0, 0xFFFF0000}, {1, 0, 0xFF00FF00}, {2, 0, 0xFF0000FF}}},
      {"colour-mapped", MakeTga(MappedTga(), Bytes({2, 0, 0, 1})), 2, 2,
       {{0, 0, 0xFFFF0000}, {1, 0, 0xFF00FF00}, {0, 1, 0xFF0000FF}, {1, 1, 0xFFFF0000}}},
      {"grey", MakeTga(Tga(3, 2, 1, 8), Bytes({0x00, 0x80})), 2, 1, {{0, 0, 0xFF000000}, {1, 0, 0xFF808080}}},
      {"with an image id", MakeTga(TgaWithId(), Pixels(3, {0x0000FF, 0x00FF00})), 2, 1,
       {{0, 0, 0xFF0000FF}, {1, 0, 0xFF00FF00}}},
  });
}

// ---------------------------------------------------------------------------------------------
// PNG and JPEG files, written by stb_image_write

void Append(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<size_t>(size));
}

std::vector<unsigned char> Rgba(const std::vector<std::uint32_t>& argb) {
  std::vector<unsigned char> out;
  for (std::uint32_t p : argb)
    for (int shift : {16, 8, 0, 24}) out.push_back(static_cast<unsigned char>(p >> shift));
  return out;
}

std::string PngChunk(const char* type, const std::string& data) {
  std::string s;
  PutBe32(s, static_cast<std::uint32_t>(data.size()));
  s += type + data;
  PutBe32(s, 0);  // CRC, not checked by the decoder
  return s;
}

// An 8-bit PNG of the colour type with the chunks given between IHDR and IDAT.
std::string MakePng(std::uint32_t width, std::uint32_t height, int colourType, const std::string& chunks,
                    const std::string& zlib) {
  std::string header;
  PutBe32(header, width);
  PutBe32(header, height);
  header += Bytes({8, colourType, 0, 0, 0});
  return "\x89PNG\r\n\x1a\n" + PngChunk("IHDR", header) + chunks + PngChunk("IDAT", zlib) + PngChunk("IEND", "");
}

std::string PngIdat(const std::string& zlib, std::uint32_t width, std::uint32_t height) {
  return MakePng(width, height, 6, "", zlib);
}

// A zlib stream holding the bytes in one stored block.
std::string StoredZlib(const std::string& bytes) {
  std::string s = Bytes({0x78, 0x01, 0x01});
  Put16(s, static_cast<std::uint32_t>(bytes.size()));
  Put16(s, static_cast<std::uint32_t>(~bytes.size() & 0xFFFF));
  return s + bytes + std::string(4, '\0');  // the checksum is not checked
}

std::string SamplePng() {
  const auto rgba = Rgba({0x80FF0000, 0x0000FF00, 0xFF0000FF, 0x40FFFFFF, 0xFF123456, 0x01000000});
  std::string png;
  EXPECT_TRUE(stbi_write_png_to_func(Append, &png, 3, 2, 4, rgba.data(), 12));
  return png;
}

// Four 8x8 quadrants of flat colour, so that the compression leaves the quadrants' middles close.
std::string SampleJpeg() {
  std::vector<std::uint32_t> argb(16 * 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      argb[static_cast<size_t>(y * 16 + x)] =
          y < 8 ? (x < 8 ? 0xFFFF0000 : 0xFF00FF00) : (x < 8 ? 0xFF0000FF : 0xFFFFFFFF);
  const auto rgba = Rgba(argb);
  std::string jpeg;
  EXPECT_TRUE(stbi_write_jpg_to_func(Append, &jpeg, 16, 16, 4, rgba.data(), 100));
  return jpeg;
}

// Valid files that stb_image needs help with: an index past a short palette comes out black rather
// than as whatever memory held, and an empty first IDAT chunk is harmless.
TEST(GfxTexturePngJpeg, DecodesPngWithShortPaletteAndEmptyDataChunk) {
  const std::string png =
      MakePng(3, 1, 3, PngChunk("PLTE", Bytes({0xFF, 0, 0, 0x12, 0x34, 0x56})) + PngChunk("IDAT", ""),
              StoredZlib(Bytes({0, 1, 0, 200})));
  ExpectDecodes(png, 3, 1, {{0, 0, 0xFF123456}, {1, 0, 0xFFFF0000}, {2, 0, 0xFF000000}});
}

// The middles of the quadrants red, green over blue, white in the 16x16 JPEG samples.
const std::vector<Texel> kJpegQuadrants = {
    {4, 4, 0xFFFF0000}, {12, 4, 0xFF00FF00}, {4, 12, 0xFF0000FF}, {12, 12, 0xFFFFFFFF}};

std::string FromHex(std::string_view hex) {
  std::string bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
  return bytes;
}

// Files from libjpeg-turbo, for the JPEG features stb_image_write does not produce.
// 32x16, progressive, 2x2 chroma subsampling: 8x8 squares red, green, red, green over blue, white, blue, white.
const std::string kProgressiveJpeg = FromHex(
    "ffd8ffe000104a46494600010100000100010000ffdb0043000302020302020303030304030304050805050404050a070706"
    "080c0a0c0c0b0a0b0b0d0e12100d0e110e0b0b1016101113141515150c0f171816141812141514ffdb004301030404050405"
    "09050509140d0b0d141414141414141414141414141414141414141414141414141414141414141414141414141414141414"
    "1414141414141414ffc20011080010002003012200021101031101ffc4001600010101000000000000000000000000000708"
    "09ffc4001501010100000000000000000000000000000001ffda000c03010002100310000001396397b4b52106397b4b4fff"
    "c40014100100000000000000000000000000000030ffda00080101000105020fffc4001d1100010207000000000000000000"
    "00000012111300040616216272ffda0008010301013f01ac266f4630d345b290f28831584cde8c61a68b6521e51063ffc400"
    "1d110001020700000000000000000000000012061100131524314262ffda0008010201013f01532169d26e488b56c3750a64"
    "2d3a4dc9116ad86ea3ffc40014100100000000000000000000000000000030ffda0008010100063f020fffc4001410010000"
    "0000000000000000000000000030ffda0008010100013f210fffda000c03010002000300000010d75fffc400191100010500"
    "00000000000000000000000011214191a1b1ffda0008010301013f10ddfae902582eefd74812c17fffc40017110100030000"
    "0000000000000000000000110081d1ffda0008010201013f10c20adab3082b6acfffc4001410010000000000000000000000"
    "0000000030ffda0008010100013f100fffd9");
// 16x16 with a restart marker after every MCU: 8x8 squares red, green over blue, white.
const std::string kRestartJpeg = FromHex(
    "ffd8ffe000104a46494600010100000100010000ffdb0043000302020302020303030304030304050805050404050a070706"
    "080c0a0c0c0b0a0b0b0d0e12100d0e110e0b0b1016101113141515150c0f171816141812141514ffdb004301030404050405"
    "09050509140d0b0d141414141414141414141414141414141414141414141414141414141414141414141414141414141414"
    "1414141414141414ffc00011080010001003011100021101031101ffc4001f00000105010101010101000000000000000001"
    "02030405060708090a0bffc400b5100002010303020403050504040000017d01020300041105122131410613516107227114"
    "328191a1082342b1c11552d1f02433627282090a161718191a25262728292a3435363738393a434445464748494a53545556"
    "5758595a636465666768696a737475767778797a838485868788898a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5"
    "b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7e8e9eaf1f2f3f4f5f6f7f8f9faffc4001f010003"
    "0101010101010101010000000000000102030405060708090a0bffc400b51100020102040403040705040400010277000102"
    "031104052131061241510761711322328108144291a1b1c109233352f0156272d10a162434e125f11718191a262728292a35"
    "363738393a434445464748494a535455565758595a636465666768696a737475767778797a82838485868788898a92939495"
    "969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae2e3e4e5e6e7e8e9ea"
    "f2f3f4f5f6f7f8f9faffdd00040001ffda000c03010002110311003f00f9d2bf0c3fd533ffd0eeebf87cff00388fffd1fcf7"
    "aff54cf873ffd2fd53a00fffd9");

TEST(GfxTexturePngJpeg, DecodesProgressiveJpegAndRestartIntervals) {
  ExpectDecodes(kProgressiveJpeg, 32, 16,
                {{4, 4, 0xFFFF0000}, {12, 4, 0xFF00FF00}, {20, 4, 0xFFFF0000}, {28, 4, 0xFF00FF00},
                 {4, 12, 0xFF0000FF}, {12, 12, 0xFFFFFFFF}, {20, 12, 0xFF0000FF}, {28, 12, 0xFFFFFFFF}},
                8);
  ExpectDecodes(kRestartJpeg, 16, 16, kJpegQuadrants, 8);
}

TEST(GfxTexturePngJpeg, DecodesPngWithAlphaAndJpeg) {
  ExpectDecodes(SamplePng(), 3, 2,
                {{0, 0, 0x80FF0000}, {1, 0, 0x0000FF00}, {2, 0, 0xFF0000FF},
                 {0, 1, 0x40FFFFFF}, {1, 1, 0xFF123456}, {2, 1, 0x01000000}});
  ExpectDecodes(SampleJpeg(), 16, 16, kJpegQuadrants, 8);
}

// ---------------------------------------------------------------------------------------------
// Damaged and hostile files

std::string DropLast(std::string s, size_t n = 1) {
  s.resize(s.size() - n);
  return s;
}

std::string WithByte(std::string s, size_t at, int value) {
  s[at] = static_cast<char>(value);
  return s;
}

std::string WithLe32(std::string s, size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) s[at + static_cast<size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
  return s;
}

std::string WithBe32(std::string s, size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) s[at + static_cast<size_t>(i)] = static_cast<char>((value >> (8 * (3 - i))) & 0xFF);
  return s;
}

std::string RandomBytes(size_t n, unsigned seed) {
  std::mt19937 random(seed);
  std::string s(n, '\0');
  for (char& c : s) c = static_cast<char>(random() & 0xFF);
  return s;
}

std::string A8R8G8B8Dds() { return MaskedDds(kA8R8G8B8, {0x80FF4020, 0, 0xFF123456, 0x7F0000FF}); }
std::string Dxt5Dds() {
  return MakeDds(FourCcHeader(FourCc("DXT5")), InterpolatedAlphaBlock(255, 0, {}) + SolidColourBlock(kRed565));
}


// Offsets of fields in a DDS file.
constexpr size_t kDdsHeight = 12, kDdsWidth = 16;
// Offsets of fields in a BMP file with a 40-byte header.
constexpr size_t kBmpDataOffset = 10, kBmpHeaderSize = 14, kBmpWidth = 18, kBmpHeight = 22, kBmpCompression = 30;


std::string WithoutBytes(std::string s, size_t at, size_t count) {
  s.erase(at, count);
  return s;
}

// The sample JPEG with the second half of its one scan's data removed.
std::string JpegWithHalfItsScanData() {
  const std::string jpeg = SampleJpeg();
  const size_t sos = jpeg.find("\xFF\xDA");
  const size_t data = sos + 2 + (static_cast<size_t>(static_cast<unsigned char>(jpeg[sos + 2])) << 8 |
                                 static_cast<unsigned char>(jpeg[sos + 3]));
  const size_t end = jpeg.size() - 2;  // the end-of-image marker
  return WithoutBytes(jpeg, data + (end - data) / 2, (end - data) / 2);
}

struct DamagedCase {
  const char* Name;
  std::string File;
  TextureError Expected;
};

TEST(GfxTextureDamaged, EachDamageGivesItsError) {
  const std::string bmp = MakeBmp(Bmp(3, 2, 24), kRgb3x2);
  const std::string png = SamplePng();
  const std::string tga = MakeTga(Tga(2, 2, 2, 24), Pixels(3, {1, 2, 3, 4}));
  const std::string jpeg = SampleJpeg();
  // Offsets from the markers: the frame header's height and width, the first Huffman table's code
  // counts, the first scan component's table selectors.
  const size_t sof = jpeg.find("\xFF\xC0"), dht = jpeg.find("\xFF\xC4"), sos = jpeg.find("\xFF\xDA");
  std::string manyCodes = jpeg;
  manyCodes.replace(dht + 5, 16, 16, '\xFF');
  const DamagedCase cases[] = {
      {"empty", "", TextureError::UnknownFormat},
      {"text", "Just some words, not a picture.", TextureError::UnknownFormat},
      {"random bytes", RandomBytes(4096, 7), TextureError::UnknownFormat},

      {"DDS header cut", A8R8G8B8Dds().substr(0, 60), TextureError::Truncated},
      {"DDS pixels cut", DropLast(A8R8G8B8Dds()), TextureError::Truncated},
      {"DDS blocks cut", DropLast(Dxt5Dds()), TextureError::Truncated},
      {"DDS 5x3 DXT1 with one block", MakeDds(FourCcHeader(FourCc("DXT1"), 5, 3), SolidColourBlock(0)),
       TextureError::Truncated},
      {"DDS width 0", WithLe32(A8R8G8B8Dds(), kDdsWidth, 0), TextureError::TooLarge},
      {"DDS width 100000", WithLe32(A8R8G8B8Dds(), kDdsWidth, 100000), TextureError::TooLarge},
      {"DDS height one past the limit", WithLe32(A8R8G8B8Dds(), kDdsHeight, gfx::kMaxTextureSide + 1),
       TextureError::TooLarge},
      {"DDS header size 0", WithLe32(A8R8G8B8Dds(), 4, 0), TextureError::Corrupt},
      {"DDS unknown FourCC", MakeDds(FourCcHeader(FourCc("ATI2")), std::string(16, '\0')),
       TextureError::UnsupportedFormat},
      {"DDS cube map", MakeDds(With<DdsHeader>(FourCcHeader(FourCc("DXT1")), [](DdsHeader& h) { h.Caps2 = 0xFE00; }),
                               std::string(48, '\0')),
       TextureError::UnsupportedFormat},
      {"DDS volume", MakeDds(With<DdsHeader>(FourCcHeader(FourCc("DXT1")), [](DdsHeader& h) {
                               h.Caps2 = 0x200000;
                               h.Flags |= 0x800000;
                               h.Depth = 4;
                             }), std::string(32, '\0')),
       TextureError::UnsupportedFormat},
      {"DDS palette", MaskedDds(MaskHeader(kPfPalette8, 8, 0, 0, 0, 0), {}), TextureError::UnsupportedFormat},
      {"DDS 12-bit pixels", MakeDds(MaskHeader(kPfRgb, 12, 0xF00, 0xF0, 0xF, 0), std::string(64, '\0')),
       TextureError::UnsupportedFormat},
      {"DDS mask with a gap", MaskedDds(MaskHeader(kPfRgb, 16, 0xF00F, 0x00F0, 0x0F00, 0), {}),
       TextureError::UnsupportedFormat},
      {"DDS mask wider than the pixel", MaskedDds(MaskHeader(kPfRgb, 16, 0xFF0000, 0xFF00, 0xFF, 0), {}),
       TextureError::UnsupportedFormat},
      {"DDS DX10 BC7", MakeDds(Dx10Header(98), std::string(16, '\0')), TextureError::UnsupportedFormat},
      {"DDS DX10 cube",
       MakeDds(With<DdsHeader>(Dx10Header(71), [](DdsHeader& h) { h.Dx10Misc = 4; }), std::string(48, '\0')),
       TextureError::UnsupportedFormat},
      {"DDS DX10 array", MakeDds(With<DdsHeader>(Dx10Header(71), [](DdsHeader& h) { h.Dx10ArraySize = 2; }),
                                 std::string(16, '\0')),
       TextureError::UnsupportedFormat},
      {"DDS DX10 header cut", MakeDds(Dx10Header(71), "").substr(0, 140), TextureError::Truncated},

      {"BMP header cut", bmp.substr(0, 30), TextureError::Truncated},
      {"BMP pixels cut", DropLast(bmp, 4), TextureError::Truncated},
      {"BMP pixel offset past the end", WithLe32(bmp, kBmpDataOffset, 0x7FFFFFF0), TextureError::Truncated},
      {"BMP width 0", WithLe32(bmp, kBmpWidth, 0), TextureError::TooLarge},
      {"BMP width 100000", WithLe32(bmp, kBmpWidth, 100000), TextureError::TooLarge},
      {"BMP negative width", WithLe32(bmp, kBmpWidth, 0xFFFFFFFD), TextureError::Corrupt},
      {"BMP height INT_MIN", WithLe32(bmp, kBmpHeight, 0x80000000), TextureError::TooLarge},
      {"BMP run-length", WithLe32(bmp, kBmpCompression, 1), TextureError::UnsupportedFormat},
      {"BMP unknown header size", WithLe32(bmp, kBmpHeaderSize, 20), TextureError::UnsupportedFormat},
      {"BMP 8-bit without a palette", MakeBmp(Bmp(4, 1, 8), {0, 0, 0, 0}), TextureError::Corrupt},
      {"BMP 8-bit index past the palette", MakeBmp(PaletteBmp(), {1, 2, 3, 4, 5, 0}), TextureError::Corrupt},
      {"BMP pixel offset inside the header", WithLe32(MakeBmp(PaletteBmp(), {1, 2, 3, 4, 0, 1}), kBmpDataOffset, 20),
       TextureError::Corrupt},

      {"PNG signature cut", png.substr(0, 6), TextureError::Truncated},
      {"PNG without IEND", DropLast(png, 12), TextureError::Truncated},
      {"PNG width 100000", WithBe32(png, 16, 100000), TextureError::TooLarge},
      {"PNG width 0", WithBe32(png, 16, 0), TextureError::TooLarge},
      {"PNG chunk length absurd", WithBe32(png, 33, 0xFFFFFFF0), TextureError::Corrupt},
      {"PNG compressed data damaged", PngIdat(std::string(40, '\x55'), 3, 2), TextureError::Corrupt},

      {"JPEG start only", Bytes({0xFF, 0xD8, 0xFF}), TextureError::Truncated},
      {"JPEG without its end", DropLast(SampleJpeg(), 2), TextureError::Truncated},
      {"JPEG width 9000", WithByte(WithByte(jpeg, sof + 7, 9000 >> 8), sof + 8, 9000 & 0xFF), TextureError::TooLarge},
      {"JPEG height 0", WithByte(WithByte(jpeg, sof + 5, 0), sof + 6, 0), TextureError::TooLarge},
      {"JPEG Huffman table with too many codes", manyCodes, TextureError::Corrupt},
      {"JPEG scan naming a Huffman table never defined", WithByte(jpeg, sos + 6, 0x23), TextureError::Corrupt},
      {"JPEG scan data cut short", JpegWithHalfItsScanData(), TextureError::Corrupt},
      {"JPEG without a scan", WithoutBytes(jpeg, sos, jpeg.size() - 2 - sos), TextureError::Corrupt},
      {"JPEG restart marker missing", WithoutBytes(kRestartJpeg, kRestartJpeg.find("\xFF\xD0"), 2),
       TextureError::Corrupt},
      {"JPEG arithmetic coding", WithByte(jpeg, sof + 1, 0xC9), TextureError::UnsupportedFormat},
      {"JPEG 12-bit samples", WithByte(jpeg, sof + 4, 12), TextureError::UnsupportedFormat},
      {"JPEG garbage after the start", Bytes({0xFF, 0xD8, 0x12, 0x34, 0x56}), TextureError::Corrupt},

      {"TGA pixels cut", DropLast(tga), TextureError::Truncated},
      {"TGA width 9000", WithByte(WithByte(tga, 12, 9000 & 0xFF), 13, 9000 >> 8), TextureError::TooLarge},
      {"TGA run cut", MakeTga(Tga(10, 4, 1, 24), Bytes({0x82, 0, 0, 0})), TextureError::Truncated},
      {"TGA colour map without entries", WithByte(MakeTga(MappedTga(), Bytes({0, 0, 0, 0})), 5, 0),
       TextureError::Corrupt},
  };
  for (const DamagedCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::optional<TextureError> error = ErrorOf(DecodeTexture(c.File));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, c.Expected) << gfx::TextureErrorText(*error);
  }
}

struct SampleFile {
  const char* Name;
  std::string File;
  size_t OptionalTail = 0;  // bytes at the end a reader does without: a BMP's last row padding
};

// One valid file of every kind the decoder reads.
std::vector<SampleFile> SampleFiles() {
  return {
      {"DDS A8R8G8B8", A8R8G8B8Dds()},
      {"DDS R8G8B8", MaskedDds(MaskHeader(kPfRgb, 24, 0xFF0000, 0xFF00, 0xFF, 0), {1, 2, 3, 4})},
      {"DDS DXT1 5x3", MakeDds(FourCcHeader(FourCc("DXT1"), 5, 3),
                               ColourBlock(kBlue565, kRed565, {3, 2, 1}) + SolidColourBlock(kGreen565))},
      {"DDS DXT3", MakeDds(FourCcHeader(FourCc("DXT3")), ExplicitAlphaBlock({1, 2, 3}) + SolidColourBlock(kRed565))},
      {"DDS DXT5", Dxt5Dds()},
      {"DDS DX10", MaskedDds(WithBits(Dx10Header(87), 32), {1, 2, 3, 4})},
      {"BMP 8-bit", MakeBmp(PaletteBmp(), {1, 2, 3, 4, 0, 1}), 1},
      {"BMP 24-bit", MakeBmp(Bmp(3, 2, 24), kRgb3x2), 3},
      {"BMP 32-bit", MakeBmp(Bmp(2, -2, 32), {0x80FF0000, 0x00FFFFFF, 0xFF0000FF, 0x40123456})},
      {"BMP 32-bit bit fields", MakeBmp(BitFieldBmp32(), {0xFF000080, 0x00FF0000, 0x0000FFFF, 0x12345678})},
      {"TGA 24-bit", MakeTga(Tga(2, 2, 2, 24), Pixels(3, {0x0000FF, 0xFFFFFF, 0xFF0000, 0x00FF00}))},
      {"TGA run-length", MakeTga(Tga(10, 3, 2, 24), Bytes({0x83, 0, 0, 0xFF, 0x01}) + Pixels(3, {1, 2}))},
      {"TGA colour-mapped", MakeTga(MappedTga(), Bytes({2, 0, 0, 1}))},
      {"PNG", SamplePng()},
      {"PNG with a palette", MakePng(3, 1, 3, PngChunk("PLTE", Bytes({0xFF, 0, 0, 0x12, 0x34, 0x56})),
                                     StoredZlib(Bytes({0, 1, 0, 200})))},
      {"JPEG", SampleJpeg()},
      {"JPEG progressive", kProgressiveJpeg},
      {"JPEG with restart markers", kRestartJpeg},
  };
}

// Any cut-off file is refused: as truncated once it is long enough to be recognised.
TEST(GfxTextureDamaged, EveryCutOffFileIsRefused) {
  for (const SampleFile& sample : SampleFiles()) {
    SCOPED_TRACE(sample.Name);
    const std::string& file = sample.File;
    for (size_t length = file.size() - sample.OptionalTail; length <= file.size(); ++length)
      ASSERT_FALSE(ErrorOf(DecodeTexture(std::string_view(file).substr(0, length))).has_value()) << length;
    for (size_t length = 0; length < file.size() - sample.OptionalTail; ++length) {
      const std::optional<TextureError> error = ErrorOf(DecodeTexture(std::string_view(file).substr(0, length)));
      ASSERT_TRUE(error.has_value()) << "decoded with " << length << " bytes";
      if (length >= 18 || *error != TextureError::UnknownFormat) {
        ASSERT_EQ(*error, TextureError::Truncated) << length << " bytes: " << gfx::TextureErrorText(*error);
      }
    }
  }
}

// Random changes to valid files must never crash or misreport the image size (run under the sanitizers).
TEST(GfxTextureDamaged, RandomlyChangedFilesDecodeSafely) {
  std::mt19937 random(12345);
  for (const SampleFile& sample : SampleFiles()) {
    SCOPED_TRACE(sample.Name);
    for (int round = 0; round < 1000; ++round) {
      std::string changed = sample.File;
      const int changes = 1 + static_cast<int>(random() % 4);
      for (int i = 0; i < changes; ++i) {
        // Most changes hit the headers, where the sizes and formats are.
        const size_t span = random() % 2 == 0 ? std::min<size_t>(changed.size(), 160) : changed.size();
        changed[random() % span] = static_cast<char>(random() & 0xFF);
      }
      const TextureResult result = DecodeTexture(changed);
      if (const Image* image = std::get_if<Image>(&result)) {
        ASSERT_GE(image->Width, 1);
        ASSERT_GE(image->Height, 1);
        ASSERT_LE(image->Width, gfx::kMaxTextureSide);
        ASSERT_LE(image->Height, gfx::kMaxTextureSide);
        ASSERT_EQ(image->Pixels.size(), static_cast<size_t>(image->Width) * static_cast<size_t>(image->Height));
      }
    }
  }
}

// A zlib stream of "repeat the last byte 258 times" codes: a few megabytes that inflate to a gigabyte.
std::string InflatingBomb(std::uint64_t outputBytes) {
  std::string out = Bytes({0x78, 0x01});
  std::uint32_t bitBuffer = 0;
  int bitCount = 0;
  auto put = [&](std::uint32_t value, int bits) {
    bitBuffer |= value << bitCount;
    bitCount += bits;
    while (bitCount >= 8) {
      out.push_back(static_cast<char>(bitBuffer & 0xFF));
      bitBuffer >>= 8;
      bitCount -= 8;
    }
  };
  // Huffman codes go most significant bit first.
  auto putCode = [&](std::uint32_t code, int bits) {
    for (int i = bits - 1; i >= 0; --i) put((code >> i) & 1, 1);
  };
  put(1, 1);         // final block
  put(1, 2);         // fixed codes
  putCode(0x30, 8);  // literal 0
  for (std::uint64_t done = 1; done < outputBytes; done += 258) {
    putCode(0xC5, 8);  // length 258
    putCode(0, 5);     // distance 1
  }
  putCode(0, 7);  // end of block
  put(0, 7);
  return out + std::string(4, '\0');
}

long PeakResidentKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

TEST(GfxTextureDamaged, PngThatInflatesWithoutEndIsRefusedCheaply) {
  const std::string png = PngIdat(InflatingBomb(std::uint64_t{1} << 30), 1, 1);
  const long before = PeakResidentKilobytes();
  EXPECT_EQ(ErrorOf(DecodeTexture(png)), TextureError::Corrupt);
  EXPECT_LT(PeakResidentKilobytes() - before, 256L * 1024);
}

// ---------------------------------------------------------------------------------------------
// Files on disk

TEST(GfxTextureFile, LoadsThroughWindowsPathAndReportsMissingFile) {
  test::TempDir dir;
  dir.Write("Textures/Wood.BMP", MakeBmp(Bmp(3, 2, 24), kRgb3x2));
  const TextureResult result = gfx::LoadTextureFile(dir.Path() + "\\textures\\WOOD.bmp");
  const Image* image = std::get_if<Image>(&result);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->At(2, 1), 0xFF123456u);

  EXPECT_EQ(ErrorOf(gfx::LoadTextureFile(dir.Path() + "\\textures\\missing.dds")), TextureError::CannotRead);
  dir.Write("empty.tga", "");
  EXPECT_EQ(ErrorOf(gfx::LoadTextureFile(dir / "empty.tga")), TextureError::UnknownFormat);
}

}  // namespace
