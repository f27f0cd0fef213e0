#include "platform/gfx/opengl/resource_cache.h"

#include <algorithm>

namespace gfx::opengl {

ResourceCache::~ResourceCache() {
  for (auto& [key, entry] : buffers_) glDeleteBuffers(1, &entry.Name);
  for (auto& [key, entry] : textures_) glDeleteTextures(1, &entry.Name);
  if (scratch_ != 0) glDeleteBuffers(1, &scratch_);
}

ResourceCache::Entry& ResourceCache::EntryFor(std::unordered_map<const void*, Entry>& map,
                                              const std::shared_ptr<const void>& owner, bool& fresh) {
  Entry& entry = map[owner.get()];
  // Two live resources never share an address, so a live owner here is this resource.
  fresh = entry.Name == 0 || entry.Owner.expired();
  if (fresh) entry.Owner = owner;
  return entry;
}

GLuint ResourceCache::BufferFor(const std::shared_ptr<const Buffer>& buffer) {
  bool fresh = false;
  Entry& entry = EntryFor(buffers_, buffer, fresh);
  if (entry.Name == 0) glGenBuffers(1, &entry.Name);
  glBindBuffer(GL_ARRAY_BUFFER, entry.Name);
  const auto size = static_cast<GLsizeiptr>(buffer->Size());
  if (fresh) {
    glBufferData(GL_ARRAY_BUFFER, size, buffer->Data(), GL_DYNAMIC_DRAW);
  } else if (entry.Revision != buffer->Revision()) {
    glBufferSubData(GL_ARRAY_BUFFER, 0, size, buffer->Data());
  }
  entry.Revision = buffer->Revision();
  return entry.Name;
}

GLuint ResourceCache::TextureFor(const std::shared_ptr<const Texture>& texture) {
  bool fresh = false;
  Entry& entry = EntryFor(textures_, texture, fresh);
  if (entry.Name == 0) glGenTextures(1, &entry.Name);
  glBindTexture(GL_TEXTURE_2D, entry.Name);
  if (fresh) {
    const Image& image = texture->Level0();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.Width, image.Height, 0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV,
                 image.Pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  }
  return entry.Name;
}

GLuint ResourceCache::Scratch(const void* bytes, std::size_t size) {
  if (scratch_ == 0) glGenBuffers(1, &scratch_);
  glBindBuffer(GL_ARRAY_BUFFER, scratch_);
  if (size > scratch_size_) {
    scratch_size_ = std::max(size, 2 * scratch_size_);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(scratch_size_), nullptr, GL_STREAM_DRAW);
  }
  glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(size), bytes);
  return scratch_;
}

void ResourceCache::Sweep() {
  for (auto* map : {&buffers_, &textures_}) {
    for (auto it = map->begin(); it != map->end();) {
      if (it->second.Owner.expired()) {
        if (map == &buffers_) {
          glDeleteBuffers(1, &it->second.Name);
        } else {
          glDeleteTextures(1, &it->second.Name);
        }
        it = map->erase(it);
      } else {
        ++it;
      }
    }
  }
}

}  // namespace gfx::opengl
