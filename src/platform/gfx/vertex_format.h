#pragma once
// Flexible vertex formats: which elements a vertex has, in this order: position (xyz, or xyzrhw
// already on the screen), normal, diffuse colour, specular colour, one texture coordinate pair.
#include <cstddef>

namespace gfx {

inline constexpr unsigned kFvfXyz = 0x002, kFvfXyzRhw = 0x004, kFvfNormal = 0x010, kFvfDiffuse = 0x040,
                          kFvfSpecular = 0x080, kFvfTex1 = 0x100;
inline constexpr unsigned kFvfMesh = kFvfXyz | kFvfNormal | kFvfTex1;  // 32 bytes
inline constexpr unsigned kFvfScreen = kFvfXyzRhw | kFvfTex1;           // 24 bytes

// Byte offsets of the elements a format has (-1 for those it lacks) and its size.
struct VertexLayout {
  int Position = -1, Normal = -1, Diffuse = -1, Specular = -1, Tex = -1;
  bool Transformed = false;  // xyzrhw: already in screen pixels
  std::size_t Size = 0;
  bool Valid = false;  // exactly one position kind and no flags we do not know
};

VertexLayout LayoutOf(unsigned fvf);

}  // namespace gfx
