#include "platform/gfx/vertex_format.h"

namespace gfx {

VertexLayout LayoutOf(unsigned fvf) {
  VertexLayout l;
  constexpr unsigned kKnown = kFvfXyz | kFvfXyzRhw | kFvfNormal | kFvfDiffuse | kFvfSpecular | kFvfTex1;
  const bool xyz = fvf & kFvfXyz, rhw = fvf & kFvfXyzRhw;
  if ((fvf & ~kKnown) != 0 || xyz == rhw) return l;
  int offset = 0;
  l.Position = 0;
  l.Transformed = rhw;
  offset += rhw ? 16 : 12;
  if (fvf & kFvfNormal) {
    if (rhw) return l;  // screen vertices are not lit
    l.Normal = offset;
    offset += 12;
  }
  if (fvf & kFvfDiffuse) l.Diffuse = offset, offset += 4;
  if (fvf & kFvfSpecular) l.Specular = offset, offset += 4;
  if (fvf & kFvfTex1) l.Tex = offset, offset += 8;
  l.Size = static_cast<std::size_t>(offset);
  l.Valid = true;
  return l;
}

}  // namespace gfx
