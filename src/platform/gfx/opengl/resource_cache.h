#pragma once
// The GPU's copies of the device's resources. Buffers and textures keep their contents in memory;
// here each gets one OpenGL object, made on first use and updated in place (glBufferSubData) when a
// buffer's revision changed, never re-created while its resource lives.
#include <cstdint>
#include <memory>
#include <unordered_map>

#include "platform/gfx/opengl/gl.h"
#include "platform/gfx/resources.h"

namespace gfx::opengl {

class ResourceCache {
 public:
  ResourceCache() = default;
  ~ResourceCache();  // the context must be current
  ResourceCache(const ResourceCache&) = delete;
  ResourceCache& operator=(const ResourceCache&) = delete;

  // The buffer object holding the buffer's current bytes.
  GLuint BufferFor(const std::shared_ptr<const Buffer>& buffer);
  // The texture object with the texture's level 0, point sampled and wrapped.
  GLuint TextureFor(const std::shared_ptr<const Texture>& texture);
  // A buffer object for bytes made this draw (vertices the CPU processed); grows, never shrinks.
  GLuint Scratch(const void* bytes, std::size_t size);
  // Frees the objects of resources that no longer exist.
  void Sweep();

 private:
  struct Entry {
    std::weak_ptr<const void> Owner;
    GLuint Name = 0;
    std::uint64_t Revision = 0;
  };
  // The entry of a live resource; an entry left by a dead one at the same address starts anew.
  Entry& EntryFor(std::unordered_map<const void*, Entry>& map, const std::shared_ptr<const void>& owner, bool& fresh);

  std::unordered_map<const void*, Entry> buffers_, textures_;
  GLuint scratch_ = 0;
  std::size_t scratch_size_ = 0;
};

}  // namespace gfx::opengl
