#include "platform/gfx/resources.h"

namespace gfx {

std::byte* Buffer::Lock(std::size_t offset, std::size_t size) {
  if (locked_ || offset > data_.size()) return nullptr;
  if (size == 0) size = data_.size() - offset;
  if (size > data_.size() - offset) return nullptr;
  locked_ = true;
  return data_.data() + offset;
}

void Buffer::Unlock() {
  if (!locked_) return;
  locked_ = false;
  ++revision_;
}

}  // namespace gfx
