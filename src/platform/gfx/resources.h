#pragma once
// Resources made by a device: vertex and index buffers and textures. They keep their contents in
// memory; a device that draws elsewhere (the GPU) copies them when their revision changes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/gfx/image.h"

namespace gfx {

// Bytes that can be locked for reading and writing. Each Unlock counts as a change.
class Buffer {
 public:
  explicit Buffer(std::size_t bytes) : data_(bytes) {}
  virtual ~Buffer() = default;
  Buffer(const Buffer&) = delete;
  Buffer& operator=(const Buffer&) = delete;

  std::size_t Size() const { return data_.size(); }
  // The bytes from offset on, size of them (0: to the end); nothing when the range lies outside the
  // buffer or the buffer is already locked.
  std::byte* Lock(std::size_t offset, std::size_t size);
  void Unlock();
  bool Locked() const { return locked_; }
  const std::byte* Data() const { return data_.data(); }
  std::uint64_t Revision() const { return revision_; }

 private:
  std::vector<std::byte> data_;
  bool locked_ = false;
  std::uint64_t revision_ = 0;
};

class VertexBuffer final : public Buffer {
 public:
  VertexBuffer(std::size_t bytes, unsigned fvf) : Buffer(bytes), fvf_(fvf) {}
  unsigned Format() const { return fvf_; }

 private:
  unsigned fvf_;
};

// 16-bit indices.
class IndexBuffer final : public Buffer {
 public:
  using Buffer::Buffer;
  std::size_t Count() const { return Size() / 2; }
  // Index i, which must be below Count().
  std::uint16_t At(std::size_t i) const {
    std::uint16_t index;
    std::memcpy(&index, Data() + 2 * i, sizeof index);
    return index;
  }
};

class Texture {
 public:
  explicit Texture(Image image) : image_(std::move(image)) {}
  const Image& Level0() const { return image_; }
  int Width() const { return image_.Width; }
  int Height() const { return image_.Height; }

 private:
  Image image_;
};

}  // namespace gfx
