#include "platform/gfx/image.h"

#include <string>

#include "platform/os/file.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wconversion"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#endif
#include <stb/stb_image_write.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace gfx {

namespace {
void AppendBytes(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<size_t>(size));
}
}  // namespace

bool WritePng(const Image& image, std::string_view path) {
  if (image.Empty()) return false;
  std::vector<unsigned char> rgb(image.Pixels.size() * 3);
  for (size_t i = 0; i < image.Pixels.size(); ++i) {
    const std::uint32_t p = image.Pixels[i];
    rgb[i * 3 + 0] = static_cast<unsigned char>(p >> 16);
    rgb[i * 3 + 1] = static_cast<unsigned char>(p >> 8);
    rgb[i * 3 + 2] = static_cast<unsigned char>(p);
  }
  std::string png;
  if (!stbi_write_png_to_func(AppendBytes, &png, image.Width, image.Height, 3, rgb.data(), image.Width * 3))
    return false;
  return os::WriteWholeFile(path, png);
}

}  // namespace gfx
