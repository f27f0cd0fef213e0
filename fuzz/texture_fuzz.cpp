// The texture decoders (DDS, BMP, PNG, JPEG, TGA) on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "platform/gfx/texture_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const gfx::TextureResult result = gfx::DecodeTexture(std::string_view(reinterpret_cast<const char*>(data), size));
  if (const auto* image = std::get_if<gfx::Image>(&result)) {
    // A decoded image must be what it claims: within the limits, one pixel per cell.
    if (image->Width <= 0 || image->Height <= 0 || image->Width > gfx::kMaxTextureSide ||
        image->Height > gfx::kMaxTextureSide ||
        image->Pixels.size() != static_cast<std::size_t>(image->Width) * static_cast<std::size_t>(image->Height))
      std::abort();
  }
  return 0;
}
