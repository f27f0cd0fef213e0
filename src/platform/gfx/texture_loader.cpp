#include "platform/gfx/texture_loader.h"

#include <variant>

#include "platform/gfx/texture_file.h"

namespace gfx {

std::shared_ptr<Texture> CreateTextureFromFile(Device& device, std::string_view path) {
  if (path.empty()) return nullptr;
  TextureResult result = LoadTextureFile(path);
  if (!std::holds_alternative<Image>(result)) return nullptr;
  return device.CreateTexture(std::move(std::get<Image>(result)));
}

}  // namespace gfx
