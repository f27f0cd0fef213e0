#pragma once
// Texture files: DDS (DXT1, DXT3, DXT5 and the common uncompressed 16- and 32-bit formats), BMP, PNG,
// JPEG and TGA, decoded to 32-bit ARGB. Only the top mip level is kept.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "platform/gfx/image.h"

namespace gfx {

// Images whose decoded pixels would exceed this on either side are refused.
inline constexpr int kMaxTextureSide = 8192;

enum class TextureError {
  CannotRead,         // the file is missing or unreadable
  UnknownFormat,      // no decoder recognises the bytes
  Truncated,          // the header or pixel data ends early
  UnsupportedFormat,  // a recognised container with a pixel format, cube map or volume we do not read
  TooLarge,           // wider or taller than kMaxTextureSide, or empty
  Corrupt,            // the decoder rejected the data
};

const char* TextureErrorText(TextureError error);

using TextureResult = std::variant<Image, TextureError>;

// Decodes a texture file held in memory; the format is recognised from the bytes, not the name.
TextureResult DecodeTexture(std::string_view bytes);

// Reads and decodes the file (the path may be written with "\" and any letter case).
TextureResult LoadTextureFile(std::string_view path);

}  // namespace gfx
