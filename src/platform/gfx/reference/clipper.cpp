#include "platform/gfx/reference/clipper.h"

#include <cmath>

namespace gfx::reference {

namespace {

// Signed distances to the six planes; a vertex is inside where all are >= 0.
constexpr int kPlanes = 6;
constexpr float kMinW = 1e-6f;

float Distance(const ClipVertex& v, int plane) {
  switch (plane) {
    case 0: return v.z;                      // near: z >= 0
    case 1: return v.w - v.z;                // far: z <= w
    case 2: return kGuardBand * v.w + v.x;   // left
    case 3: return kGuardBand * v.w - v.x;   // right
    case 4: return kGuardBand * v.w + v.y;   // bottom
    default: return kGuardBand * v.w - v.y;  // top
  }
}

ClipVertex Lerp(const ClipVertex& a, const ClipVertex& b, float t) {
  auto mix = [t](float x, float y) { return x + (y - x) * t; };
  return {mix(a.x, b.x),   mix(a.y, b.y),   mix(a.z, b.z),   mix(a.w, b.w),   mix(a.r, b.r),
          mix(a.g, b.g),   mix(a.b, b.b),   mix(a.a, b.a),   mix(a.sr, b.sr), mix(a.sg, b.sg),
          mix(a.sb, b.sb), mix(a.u, b.u),   mix(a.v, b.v)};
}

bool Finite(const ClipVertex& v) {
  return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z) && std::isfinite(v.w);
}

}  // namespace

bool Inside(const ClipVertex& v) {
  if (!(v.w >= kMinW)) return false;
  for (int p = 0; p < kPlanes; ++p)
    if (!(Distance(v, p) >= 0.0f)) return false;
  return true;
}

void ClipTriangle(const ClipVertex& a, const ClipVertex& b, const ClipVertex& c, ClipPolygon& out) {
  out.Count = 0;
  if (!Finite(a) || !Finite(b) || !Finite(c)) return;
  ClipPolygon buffers[2];
  buffers[0].Vertices[0] = a, buffers[0].Vertices[1] = b, buffers[0].Vertices[2] = c;
  buffers[0].Count = 3;
  int current = 0;
  // The near plane first: after it w >= z >= 0 everywhere; the w plane then removes w = 0 exactly.
  for (int p = 0; p < kPlanes; ++p) {
    const ClipPolygon& in = buffers[current];
    ClipPolygon& next = buffers[1 - current];
    next.Count = 0;
    for (int i = 0; i < in.Count; ++i) {
      const ClipVertex& from = in.Vertices[static_cast<size_t>(i)];
      const ClipVertex& to = in.Vertices[static_cast<size_t>((i + 1) % in.Count)];
      const float d_from = Distance(from, p), d_to = Distance(to, p);
      if (d_from >= 0.0f) next.Vertices[static_cast<size_t>(next.Count++)] = from;
      if ((d_from >= 0.0f) != (d_to >= 0.0f)) {
        next.Vertices[static_cast<size_t>(next.Count++)] = Lerp(from, to, d_from / (d_from - d_to));
      }
    }
    current = 1 - current;
    if (buffers[current].Count < 3) return;
  }
  // Vertices exactly on the eye plane would divide by zero in the projection.
  for (int i = 0; i < buffers[current].Count; ++i)
    if (!(buffers[current].Vertices[static_cast<size_t>(i)].w >= kMinW)) return;
  out = buffers[current];
}

}  // namespace gfx::reference
