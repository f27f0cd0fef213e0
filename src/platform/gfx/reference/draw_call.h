#pragma once
// One draw call up to its triangles: the corners of each triangle and the vertex stage's output for
// the vertices they use. Shared by the reference device and by the OpenGL device's CPU vertex
// processing, so both check a call and light its vertices alike.
#include <vector>

#include "platform/gfx/reference/vertex_stage.h"

namespace gfx::reference {

// The number of stream vertices a run of primitive_count primitives of this type uses; 0 for a run
// the devices refuse (no primitives, more than any buffer could hold, an unknown type).
unsigned VerticesOf(PrimitiveType type, unsigned primitive_count);

// The vertex numbers of each triangle of a primitive run, relative to its first vertex. Strips keep
// one winding by swapping the last two corners of every second triangle. False for no primitives,
// more than any buffer could hold, or an unknown type.
bool AssembleTriangles(PrimitiveType type, unsigned primitive_count, std::vector<unsigned>& corners);

// The lowest and highest index a run of indexed primitives uses. False without indices, or when the
// run reaches past them.
bool IndexRange(const DeviceState& state, PrimitiveType type, unsigned start_index, unsigned primitive_count,
                unsigned& low, unsigned& high);

// DrawPrimitive's triangles: corners index batch.Vertices. False for a call the device refuses.
bool ProcessDraw(const DeviceState& state, PrimitiveType type, unsigned start_vertex, unsigned primitive_count,
                 VertexBatch& batch, std::vector<unsigned>& corners);
// DrawIndexedPrimitive's triangles, the indices resolved through the base vertex.
bool ProcessIndexedDraw(const DeviceState& state, PrimitiveType type, unsigned start_index,
                        unsigned primitive_count, VertexBatch& batch, std::vector<unsigned>& corners);

}  // namespace gfx::reference
