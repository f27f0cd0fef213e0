#include "platform/gfx/reference/draw_call.h"

#include <algorithm>

namespace gfx::reference {

namespace {

// More primitives than any buffer the device accepts could hold: refused before any work.
constexpr unsigned kMaxPrimitives = 1u << 26;

}  // namespace

unsigned VerticesOf(PrimitiveType type, unsigned primitive_count) {
  if (primitive_count == 0 || primitive_count > kMaxPrimitives) return 0;
  switch (type) {
    case PrimitiveType::TriangleList: return primitive_count * 3;
    case PrimitiveType::TriangleStrip:
    case PrimitiveType::TriangleFan: return primitive_count + 2;
  }
  return 0;
}

bool AssembleTriangles(PrimitiveType type, unsigned primitive_count, std::vector<unsigned>& corners) {
  corners.clear();
  if (primitive_count == 0 || primitive_count > kMaxPrimitives) return false;
  corners.reserve(static_cast<size_t>(primitive_count) * 3);
  for (unsigned i = 0; i < primitive_count; ++i) {
    switch (type) {
      case PrimitiveType::TriangleList: corners.insert(corners.end(), {3 * i, 3 * i + 1, 3 * i + 2}); break;
      case PrimitiveType::TriangleStrip:
        if (i % 2 == 0) {
          corners.insert(corners.end(), {i, i + 1, i + 2});
        } else {
          corners.insert(corners.end(), {i, i + 2, i + 1});
        }
        break;
      case PrimitiveType::TriangleFan: corners.insert(corners.end(), {0, i + 1, i + 2}); break;
      default: return false;
    }
  }
  return true;
}

bool IndexRange(const DeviceState& state, PrimitiveType type, unsigned start_index, unsigned primitive_count,
                unsigned& low, unsigned& high) {
  const auto& indices = state.Indices;
  const std::size_t count = VerticesOf(type, primitive_count);
  if (!indices || count == 0 || static_cast<std::size_t>(start_index) + count > indices->Count()) return false;
  low = 0xFFFF, high = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned index = indices->At(start_index + i);
    low = std::min(low, index);
    high = std::max(high, index);
  }
  return true;
}

bool ProcessDraw(const DeviceState& state, PrimitiveType type, unsigned start_vertex, unsigned primitive_count,
                 VertexBatch& batch, std::vector<unsigned>& corners) {
  return AssembleTriangles(type, primitive_count, corners) &&
         RunVertexStage(state, start_vertex, VerticesOf(type, primitive_count), batch);
}

bool ProcessIndexedDraw(const DeviceState& state, PrimitiveType type, unsigned start_index,
                        unsigned primitive_count, VertexBatch& batch, std::vector<unsigned>& corners) {
  // The range is taken from the indices themselves, so a wrong hint from the caller cannot misdraw.
  unsigned low = 0, high = 0;
  if (!IndexRange(state, type, start_index, primitive_count, low, high) ||
      !AssembleTriangles(type, primitive_count, corners))
    return false;
  const unsigned first = state.BaseVertex + low;
  if (first < state.BaseVertex) return false;  // overflow
  if (!RunVertexStage(state, first, high - low + 1, batch)) return false;
  for (unsigned& corner : corners) corner = state.Indices->At(static_cast<std::size_t>(start_index) + corner) - low;
  return true;
}

}  // namespace gfx::reference
