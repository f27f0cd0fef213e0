#pragma once
// Windows bitmap files for textures whose names end in .bmp (the face textures).
#include <string>

#include "platform/gfx/image.h"

namespace demo {

// A 24-bit uncompressed BMP of the image's colours (alpha dropped), rows stored bottom-up.
std::string EncodeBmp24(const gfx::Image& image);

}  // namespace demo
