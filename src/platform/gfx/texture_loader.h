#pragma once
// Textures made on a device from image files.
#include <memory>
#include <string_view>

#include "platform/gfx/device.h"

namespace gfx {

// The texture of the file, or nothing when the file cannot be read or decoded (or the name is empty).
std::shared_ptr<Texture> CreateTextureFromFile(Device& device, std::string_view path);

}  // namespace gfx
