#pragma once
// Writing the generated files, with the folders they go in.
#include <string>
#include <string_view>

#include "platform/gfx/image.h"

namespace demo {

// Writes the bytes to path ("/"-separated), creating missing folders. False, with error set, when
// that failed.
bool WriteOutputFile(const std::string& path, std::string_view bytes, std::string* error);

// A number as the settings files carry it: three decimals at most, no trailing zeros ("0.25", "6").
std::string TextNumber(float value);

// Writes the image in the form its name asks for: a 24-bit BMP for ".bmp", else a 32-bit DDS.
bool WriteTextureFile(const std::string& path, const gfx::Image& image, std::string* error);

}  // namespace demo
