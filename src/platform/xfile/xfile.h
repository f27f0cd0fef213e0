#pragma once
// DirectX .x mesh files (text, binary and their MSZIP-compressed forms, 32- or 64-bit floats), read
// into one plain mesh: every Mesh in the file, placed by its frame hierarchy, merged and triangulated.
// A pure parser: bytes in, a struct out, no device. Every input is treated as hostile: counts are
// checked against the bytes that remain before anything is allocated, and every failure is named.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace xfile {

// Limits on what one file may produce; beyond them the file is refused with XError::TooLarge.
inline constexpr std::size_t kMaxVertices = std::size_t{1} << 24;
inline constexpr std::size_t kMaxIndices = std::size_t{1} << 24;
inline constexpr std::size_t kMaxMaterials = 65536;
inline constexpr std::size_t kMaxTextureNameBytes = 1024;
inline constexpr int kMaxNesting = 64;                                      // data objects inside each other
inline constexpr std::uint32_t kMaxDecompressedBytes = 256u * 1024 * 1024;  // declared size of tzip/bzip

struct XMaterial {
  float Diffuse[4] = {1, 1, 1, 1};  // faceColor r, g, b, a
  float Power = 0;
  float Specular[3] = {0, 0, 0};
  float Emissive[3] = {0, 0, 0};
  std::string TextureFileName;  // bytes exactly as stored in the file; empty when the material has none
};

struct XVertex {
  float Position[3];
  float Normal[3];  // (0, 0, 0) for meshes without normals
  float U, V;       // (0, 0) for meshes without texture coordinates
};

// The whole file as one mesh.
//
// Positions and normals are in world space: each mesh is transformed by its frames' matrices, row-vector
// convention (a frame's world matrix is its own matrix times its parent's). Normals are turned by the
// inverse transpose of the upper-left 3x3 block and keep their stored length: for a rotation that is the
// block itself, and under non-uniform scales they stay perpendicular to the surface. A Mesh counts where
// it is defined; references to meshes or frames ("{ Name }" inside a frame) are not followed.
//
// Vertices: each mesh contributes its positions in their stored order (vertex p of a mesh is the mesh's
// position p, paired with the normal of the first face corner that uses it), followed by one vertex for
// each further (position, normal) pair its faces use, in the order those pairs first occur. A mesh whose
// normal faces equal its position faces therefore keeps its vertex count and order. Meshes are appended
// in file order with their indices offset.
//
// Materials: each mesh's materials in its list order, meshes in file order; FaceMaterials indexes this
// list. A mesh without a material list gets one default material of its own (white, power 0, no
// texture); when no mesh in the file has a material list, Materials is empty and every FaceMaterials
// entry is 0. A material reference to a name not defined earlier in the file takes the default
// material in its slot.
struct XMesh {
  std::vector<XVertex> Vertices;
  std::vector<std::uint32_t> Indices;        // 3 per triangle; polygons fanned (i0,i1,i2), (i0,i2,i3), ...
  std::vector<std::uint32_t> FaceMaterials;  // one per triangle
  std::vector<XMaterial> Materials;
  bool HasNormals = false;        // every mesh with vertices carried MeshNormals
  bool HasTextureCoords = false;  // some mesh carried MeshTextureCoords
};

enum class XError {
  CannotRead,           // the file is missing or unreadable
  NotAnXFile,           // no "xof " magic
  UnsupportedVersion,   // a major version other than 03
  UnsupportedFormat,    // a format other than txt, bin, tzip, bzip, or a float size other than 0032, 0064
  Truncated,            // the data ends inside the header, an object, a string, a token or a block
  Syntax,               // an unexpected token, a malformed number, an unknown binary token
  BadCount,             // a count out of range, beyond the data that follows, or disagreeing with another
  BadIndex,             // a vertex, normal or material index not below its count
  DecompressionFailed,  // damaged MSZIP data, or a block that does not inflate to its stated size
  NoMesh,               // the file holds no Mesh object
  TooLarge,             // beyond a limit above (output size, nesting, name length, declared size)
};

const char* XErrorText(XError error);

struct XFileError {
  XError Code;
  std::string Message;  // what went wrong and where: "line N" for text, "byte N" for binary
};

using XFileResult = std::variant<XMesh, XFileError>;

// Parses a whole .x file held in memory.
XFileResult ReadXFile(std::string_view bytes);

// Reads and parses the file (the path may be written with "\" and any letter case).
XFileResult LoadXFile(std::string_view path);

}  // namespace xfile
