#pragma once
// Writes images as DDS files (uncompressed 32-bit A8R8G8B8), the form the viewer's shared art takes.
#include <string>

#include "platform/gfx/image.h"

namespace gfx {

std::string EncodeDds(const Image& image);

}  // namespace gfx
