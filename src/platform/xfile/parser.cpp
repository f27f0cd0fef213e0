#include "platform/xfile/parser.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/xfile/lexer.h"

namespace xfile::detail {
namespace {

constexpr std::uint32_t kUnset = 0xFFFFFFFFu;

// One Mesh object as stored, before it is merged into the output. One instance serves every mesh of
// a file so that its buffers are reused.
struct MeshData {
  std::size_t Base = 0;                  // the mesh's first vertex in the output
  std::uint32_t VertexCount = 0;         // positions, already in the output from Base on
  std::vector<std::uint32_t> FaceSizes;  // corners per face
  std::vector<std::uint32_t> Corners;    // position indices, face after face
  std::uint64_t TriangleCount = 0;
  bool HasNormals = false;
  std::vector<float> Normals;                // 3 per normal
  std::vector<std::uint32_t> NormalCorners;  // normal indices, parallel to Corners
  bool HasTextureCoords = false;             // written into the output's vertices
  bool HasMaterialList = false;
  std::vector<std::uint32_t> FaceMaterials;  // one per face
  std::vector<XMaterial> Materials;

  // Working space for the merge.
  struct Extra {
    std::uint32_t Position;
    std::uint32_t Normal;
    std::uint32_t Corner;
  };
  std::vector<std::uint32_t> FirstNormal;    // per position: the normal of the first corner using it
  std::vector<Extra> Extras;                 // corners whose (position, normal) needs a vertex of its own
  std::vector<std::uint32_t> ExtraVertices;  // per extra vertex: its first entry in Extras

  void Clear() {
    Base = 0;
    VertexCount = 0;
    FaceSizes.clear();
    Corners.clear();
    TriangleCount = 0;
    HasNormals = false;
    Normals.clear();
    NormalCorners.clear();
    HasTextureCoords = false;
    HasMaterialList = false;
    FaceMaterials.clear();
    Materials.clear();
  }
};

bool IsIdentity(const float (&m)[16]) {
  for (int i = 0; i < 16; ++i) {
    if (m[i] != ((i % 5 == 0) ? 1.0f : 0.0f)) return false;
  }
  return true;
}

template <class Lexer>
class Parser {
 public:
  explicit Parser(Lexer& lexer) : lex_(lexer) {}

  XMesh Run() {
    for (;;) {
      const Token t = lex_.Next();
      switch (t.Kind) {
        case Tok::End:
          return Finish();
        case Tok::Separator:
          break;
        case Tok::Template:
          SkipTemplate();
          break;
        case Tok::Name:
          Object(t.Text, 1, nullptr);
          break;
        case Tok::OpenBrace:
          ReadReference();
          break;
        default:
          Unexpected(t, "a template or data object");
      }
    }
  }

 private:
  struct FrameState {
    float Matrix[16];
    bool HasMatrix = false;
  };

  // ----- errors -----

  [[noreturn]] void Error(XError code, const std::string& what) const { Fail(code, lex_.Where() + ": " + what); }

  [[noreturn]] void Unexpected(const Token& t, const char* expected) const {
    if (t.Kind == Tok::End) Error(XError::Truncated, std::string("the data ends where ") + expected + " was expected");
    std::string found;
    switch (t.Kind) {
      case Tok::Name:
        found = "'" + std::string(t.Text.substr(0, 40)) + "'";
        break;
      case Tok::String:
        found = "a string";
        break;
      case Tok::Number:
        found = "a number";
        break;
      case Tok::Guid:
        found = "a GUID";
        break;
      case Tok::OpenBrace:
        found = "'{'";
        break;
      case Tok::CloseBrace:
        found = "'}'";
        break;
      case Tok::Separator:
        found = "a separator";
        break;
      case Tok::Template:
        found = "'template'";
        break;
      default:
        found = "a template keyword";
        break;
    }
    Error(XError::Syntax, std::string("expected ") + expected + ", found " + found);
  }

  // ----- values -----

  // A count of items of numbersPerItem numbers each; the data that follows must be able to hold them.
  std::uint32_t ReadCount(const char* what, std::uint64_t numbersPerItem) {
    const std::int64_t value = lex_.ReadInteger();
    if (value < 0 || value > 0xFFFFFFFFll) Error(XError::BadCount, std::string(what) + " out of range");
    const auto count = static_cast<std::uint32_t>(value);
    if (std::uint64_t{count} * numbersPerItem * Lexer::kMinBytesPerNumber > lex_.Remaining()) {
      Error(XError::BadCount, std::string(what) + " " + std::to_string(count) + " exceeds the data that follows");
    }
    return count;
  }

  std::uint32_t ReadIndex(std::uint32_t limit, const char* what) {
    const std::int64_t value = lex_.ReadInteger();
    if (value < 0 || value >= std::int64_t{limit}) {
      Error(XError::BadIndex, std::string(what) + " " + std::to_string(value) + " not below " + std::to_string(limit));
    }
    return static_cast<std::uint32_t>(value);
  }

  void ReadFloats(float* into, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) into[i] = lex_.ReadFloat();
  }

  std::string ReadString() {
    for (;;) {
      const Token t = lex_.Next();
      if (t.Kind == Tok::Separator) continue;
      if (t.Kind != Tok::String && t.Kind != Tok::Name) Unexpected(t, "a string");
      if (t.Text.size() > kMaxTextureNameBytes) {
        Error(XError::TooLarge, "a texture file name longer than " + std::to_string(kMaxTextureNameBytes) + " bytes");
      }
      return std::string(t.Text);
    }
  }

  // ----- structure -----

  void SkipTemplate() {
    Token t = lex_.Next();
    if (t.Kind != Tok::Name) Unexpected(t, "a template name");
    t = lex_.Next();
    if (t.Kind != Tok::OpenBrace) Unexpected(t, "'{'");
    lex_.SkipBody(1);
  }

  // Reads the optional name, the '{' and the optional GUID that open a data object; returns the name.
  std::string_view OpenObject(int depth) {
    if (depth > kMaxNesting) Error(XError::TooLarge, "objects nested deeper than " + std::to_string(kMaxNesting));
    std::string_view name;
    Token t = lex_.Next();
    if (t.Kind == Tok::Name) {
      name = t.Text;
      t = lex_.Next();
    }
    if (t.Kind != Tok::OpenBrace) Unexpected(t, "'{'");
    if (lex_.PeekKind() == Tok::Guid) lex_.Next();
    return name;
  }

  void SkipObject(int depth) {
    OpenObject(depth);
    lex_.SkipBody(depth);
  }

  // The rest of "{ name }" or "{ name <GUID> }" or "{ <GUID> }" after its '{'.
  std::string_view ReadReference() {
    std::string_view name;
    Token t = lex_.Next();
    if (t.Kind == Tok::Name) {
      name = t.Text;
      t = lex_.Next();
    }
    if (t.Kind == Tok::Guid) t = lex_.Next();
    if (t.Kind != Tok::CloseBrace) Unexpected(t, "'}' closing a reference");
    return name;
  }

  // The rest of an object's body after its fixed members: child objects go to onChild(type, depth),
  // references to onReference(name). Returns after the closing '}'.
  template <class OnChild, class OnReference>
  void Children(int depth, OnChild&& onChild, OnReference&& onReference) {
    for (;;) {
      const Token t = lex_.Next();
      switch (t.Kind) {
        case Tok::CloseBrace:
          return;
        case Tok::Separator:
          break;
        case Tok::Name:
          onChild(t.Text, depth + 1);
          break;
        case Tok::OpenBrace:
          onReference(ReadReference());
          break;
        default:
          Unexpected(t, "a data object or '}'");
      }
    }
  }

  void SkipChildren(int depth) {
    Children(
        depth, [this](std::string_view, int d) { SkipObject(d); }, [](std::string_view) {});
  }

  // A data object at the top level (frame == nullptr) or inside a frame. References to meshes or
  // frames are not followed: each Mesh counts where it is defined.
  void Object(std::string_view type, int depth, FrameState* frame) {
    if (EqualsNoCase(type, "Frame")) {
      OpenObject(depth);
      ParseFrame(depth);
    } else if (EqualsNoCase(type, "Mesh")) {
      OpenObject(depth);
      ParseMesh(depth);
    } else if (EqualsNoCase(type, "Material")) {
      const std::string_view name = OpenObject(depth);
      Remember(name, ParseMaterial(depth));
    } else if (frame != nullptr && EqualsNoCase(type, "FrameTransformMatrix")) {
      OpenObject(depth);
      ReadFloats(frame->Matrix, 16);
      frame->HasMatrix = true;
      SkipChildren(depth);
    } else {
      SkipObject(depth);
    }
  }

  void ParseFrame(int depth) {
    const std::size_t first = out_.Vertices.size();
    FrameState frame;
    Children(
        depth, [&](std::string_view type, int d) { Object(type, d, &frame); }, [](std::string_view) {});
    // Everything emitted inside the frame, its child frames already placed in it, moves into the
    // parent's space: world = own matrix x parent's, whatever the order of the frame's members.
    if (frame.HasMatrix && !IsIdentity(frame.Matrix)) Transform(first, frame.Matrix);
  }

  void ParseMesh(int depth) {
    MeshData& m = mesh_;
    m.Clear();
    sawMesh_ = true;

    const std::uint32_t vertexCount = ReadCount("vertex count", 3);
    if (out_.Vertices.size() + vertexCount > kMaxVertices) {
      Error(XError::TooLarge, "more than " + std::to_string(kMaxVertices) + " vertices");
    }
    // Positions go straight into the output; normals and texture coordinates join them later.
    m.Base = out_.Vertices.size();
    m.VertexCount = vertexCount;
    Grow(out_.Vertices, vertexCount);
    for (std::uint32_t i = 0; i < vertexCount; ++i) {
      XVertex v{};
      ReadFloats(v.Position, 3);
      out_.Vertices.push_back(v);
    }

    const std::uint32_t faceCount = ReadCount("face count", 4);
    m.FaceSizes.resize(faceCount);
    m.Corners.reserve(std::size_t{faceCount} * 4);  // room for quads; the count was checked against the data
    std::uint64_t indexCount = out_.Indices.size();
    for (std::uint32_t f = 0; f < faceCount; ++f) {
      const std::uint32_t corners = ReadCount("face corner count", 1);
      if (corners < 3) {
        Error(XError::BadCount, "face " + std::to_string(f) + " has " + std::to_string(corners) + " corners");
      }
      indexCount += 3 * std::uint64_t{corners - 2};
      if (indexCount > kMaxIndices) Error(XError::TooLarge, "more than " + std::to_string(kMaxIndices) + " indices");
      m.TriangleCount += corners - 2;
      m.FaceSizes[f] = corners;
      for (std::uint32_t k = 0; k < corners; ++k) m.Corners.push_back(ReadIndex(vertexCount, "vertex index"));
    }

    Children(
        depth,
        [&](std::string_view type, int d) {
          if (!m.HasNormals && EqualsNoCase(type, "MeshNormals")) {
            OpenObject(d);
            ParseNormals(d);
          } else if (!m.HasTextureCoords && EqualsNoCase(type, "MeshTextureCoords")) {
            OpenObject(d);
            ParseTextureCoords(d, vertexCount);
          } else if (!m.HasMaterialList && EqualsNoCase(type, "MeshMaterialList")) {
            OpenObject(d);
            ParseMaterialList(d);
          } else {
            SkipObject(d);
          }
        },
        [](std::string_view) {});
    Emit();
  }

  void ParseNormals(int depth) {
    MeshData& m = mesh_;
    const std::uint32_t normalCount = ReadCount("normal count", 3);
    m.Normals.clear();
    m.Normals.reserve(std::size_t{normalCount} * 3);
    for (std::size_t i = 0; i < std::size_t{normalCount} * 3; ++i) m.Normals.push_back(lex_.ReadFloat());

    const std::uint32_t faceCount = ReadCount("face normal count", 4);
    if (faceCount != m.FaceSizes.size()) {
      Error(XError::BadCount, "face normal count " + std::to_string(faceCount) + " differs from face count " +
                                  std::to_string(m.FaceSizes.size()));
    }
    m.NormalCorners.reserve(m.Corners.size());
    for (std::uint32_t f = 0; f < faceCount; ++f) {
      const std::int64_t corners = lex_.ReadInteger();
      if (corners != m.FaceSizes[f]) {
        Error(XError::BadCount, "normal face " + std::to_string(f) + " has " + std::to_string(corners) +
                                    " corners, its face " + std::to_string(m.FaceSizes[f]));
      }
      for (std::uint32_t k = 0; k < m.FaceSizes[f]; ++k)
        m.NormalCorners.push_back(ReadIndex(normalCount, "normal index"));
    }
    SkipChildren(depth);
    m.HasNormals = true;
  }

  void ParseTextureCoords(int depth, std::uint32_t vertexCount) {
    MeshData& m = mesh_;
    const std::uint32_t count = ReadCount("texture coordinate count", 2);
    if (count != vertexCount) {
      Error(XError::BadCount, "texture coordinate count " + std::to_string(count) + " differs from vertex count " +
                                  std::to_string(vertexCount));
    }
    for (std::uint32_t i = 0; i < count; ++i) {
      XVertex& v = out_.Vertices[m.Base + i];
      v.U = lex_.ReadFloat();
      v.V = lex_.ReadFloat();
    }
    SkipChildren(depth);
    m.HasTextureCoords = true;
  }

  void ParseMaterialList(int depth) {
    MeshData& m = mesh_;
    const std::uint32_t materialCount = ReadCount("material count", 0);
    if (materialCount > kMaxMaterials) {
      Error(XError::TooLarge, "more than " + std::to_string(kMaxMaterials) + " materials");
    }
    const std::size_t faceCount = m.FaceSizes.size();
    const std::uint32_t indexCount = ReadCount("face material count", 1);
    // One index for all faces is a common shorthand.
    if (indexCount != faceCount && indexCount != 1) {
      Error(XError::BadCount, "face material count " + std::to_string(indexCount) + " differs from face count " +
                                  std::to_string(faceCount));
    }
    m.FaceMaterials.resize(faceCount);
    for (std::uint32_t i = 0; i < indexCount; ++i) {
      const std::uint32_t index = ReadIndex(materialCount, "material index");
      if (indexCount == 1) {
        std::fill(m.FaceMaterials.begin(), m.FaceMaterials.end(), index);
      } else {
        m.FaceMaterials[i] = index;
      }
    }

    Children(
        depth,
        [&](std::string_view type, int d) {
          if (!EqualsNoCase(type, "Material")) {
            SkipObject(d);
            return;
          }
          const std::string_view name = OpenObject(d);
          XMaterial material = ParseMaterial(d);
          Remember(name, material);
          if (m.Materials.size() < materialCount) m.Materials.push_back(std::move(material));
        },
        [&](std::string_view name) {
          if (m.Materials.size() >= materialCount) return;
          const auto found = named_.find(name);
          m.Materials.push_back(found != named_.end() ? found->second : XMaterial{});
        });
    if (m.Materials.size() < materialCount) {
      Error(XError::BadCount, "the material list declares " + std::to_string(materialCount) + " materials and holds " +
                                  std::to_string(m.Materials.size()));
    }
    m.HasMaterialList = true;
  }

  XMaterial ParseMaterial(int depth) {
    XMaterial material;
    ReadFloats(material.Diffuse, 4);
    material.Power = lex_.ReadFloat();
    ReadFloats(material.Specular, 3);
    ReadFloats(material.Emissive, 3);
    bool hasTexture = false;
    Children(
        depth,
        [&](std::string_view type, int d) {
          if (!hasTexture && EqualsNoCase(type, "TextureFilename")) {
            OpenObject(d);
            material.TextureFileName = ReadString();
            hasTexture = true;
            SkipChildren(d);
          } else {
            SkipObject(d);
          }
        },
        [](std::string_view) {});
    return material;
  }

  void Remember(std::string_view name, const XMaterial& material) {
    if (!name.empty()) named_.insert_or_assign(name, material);
  }

  // ----- output -----

  // Completes the mesh just read in the output: normals, extra vertices, triangles, materials.
  void Emit() {
    MeshData& m = mesh_;
    const std::size_t positionCount = m.VertexCount;
    const std::size_t cornerCount = m.Corners.size();
    m.ExtraVertices.clear();

    // From here on m.Corners holds each corner's vertex within the mesh.
    if (m.HasNormals) {
      // A position keeps its index with the normal of its first corner; each further (position,
      // normal) pair gets a vertex after all positions, in the order the pairs first occur.
      m.FirstNormal.assign(positionCount, kUnset);
      m.Extras.clear();
      for (std::size_t c = 0; c < cornerCount; ++c) {
        const std::uint32_t p = m.Corners[c];
        const std::uint32_t n = m.NormalCorners[c];
        std::uint32_t& first = m.FirstNormal[p];
        if (first == kUnset) first = n;
        if (first != n) m.Extras.push_back({p, n, static_cast<std::uint32_t>(c)});
      }
      if (!m.Extras.empty()) {
        std::sort(m.Extras.begin(), m.Extras.end(), [](const MeshData::Extra& a, const MeshData::Extra& b) {
          if (a.Position != b.Position) return a.Position < b.Position;
          if (a.Normal != b.Normal) return a.Normal < b.Normal;
          return a.Corner < b.Corner;
        });
        for (std::size_t i = 0; i < m.Extras.size(); ++i) {
          if (i == 0 || m.Extras[i].Position != m.Extras[i - 1].Position ||
              m.Extras[i].Normal != m.Extras[i - 1].Normal) {
            m.ExtraVertices.push_back(static_cast<std::uint32_t>(i));
          }
        }
        // Runs are in corner order inside, so each run's first entry is where its pair first occurs.
        std::sort(m.ExtraVertices.begin(), m.ExtraVertices.end(),
                  [&](std::uint32_t a, std::uint32_t b) { return m.Extras[a].Corner < m.Extras[b].Corner; });
        if (out_.Vertices.size() + m.ExtraVertices.size() > kMaxVertices) {
          Error(XError::TooLarge, "more than " + std::to_string(kMaxVertices) + " vertices");
        }
        for (std::size_t r = 0; r < m.ExtraVertices.size(); ++r) {
          const auto vertex = static_cast<std::uint32_t>(positionCount + r);
          const MeshData::Extra& head = m.Extras[m.ExtraVertices[r]];
          for (std::size_t i = m.ExtraVertices[r];
               i < m.Extras.size() && m.Extras[i].Position == head.Position && m.Extras[i].Normal == head.Normal; ++i) {
            m.Corners[m.Extras[i].Corner] = vertex;
          }
        }
      }

      // Normals for the positions, then the extra vertices: copies of their position with another normal.
      for (std::size_t p = 0; p < positionCount; ++p) {
        if (m.FirstNormal[p] != kUnset) {
          std::copy_n(&m.Normals[std::size_t{m.FirstNormal[p]} * 3], 3, out_.Vertices[m.Base + p].Normal);
        }
      }
      Grow(out_.Vertices, m.ExtraVertices.size());
      for (const std::uint32_t first : m.ExtraVertices) {
        const MeshData::Extra& head = m.Extras[first];
        XVertex v = out_.Vertices[m.Base + head.Position];
        std::copy_n(&m.Normals[std::size_t{head.Normal} * 3], 3, v.Normal);
        out_.Vertices.push_back(v);
      }
    }

    // Materials.
    const std::size_t faceCount = m.FaceSizes.size();
    const bool ownMaterials = m.HasMaterialList && !m.Materials.empty();
    const std::size_t materialBase = out_.Materials.size();
    const std::size_t added = ownMaterials ? m.Materials.size() : (faceCount > 0 ? 1 : 0);
    if (materialBase + added > kMaxMaterials) {
      Error(XError::TooLarge, "more than " + std::to_string(kMaxMaterials) + " materials");
    }
    if (ownMaterials) {
      for (XMaterial& material : m.Materials) out_.Materials.push_back(std::move(material));
    } else if (faceCount > 0) {
      out_.Materials.emplace_back();
      ++placeholders_;
    }

    // Triangles, fanned from each face's first corner.
    Grow(out_.Indices, m.TriangleCount * 3);
    Grow(out_.FaceMaterials, m.TriangleCount);
    const auto offset = static_cast<std::uint32_t>(m.Base);
    const std::uint32_t* corner = m.Corners.data();
    for (std::size_t f = 0; f < faceCount; ++f) {
      const std::uint32_t size = m.FaceSizes[f];
      const auto material = static_cast<std::uint32_t>(materialBase + (ownMaterials ? m.FaceMaterials[f] : 0));
      const std::uint32_t i0 = offset + corner[0];
      for (std::uint32_t k = 1; k + 1 < size; ++k) {
        out_.Indices.push_back(i0);
        out_.Indices.push_back(offset + corner[k]);
        out_.Indices.push_back(offset + corner[k + 1]);
        out_.FaceMaterials.push_back(material);
      }
      corner += size;
    }

    if (positionCount > 0) {
      anyVertices_ = true;
      allNormals_ = allNormals_ && m.HasNormals;
    }
    anyTextureCoords_ = anyTextureCoords_ || m.HasTextureCoords;
  }

  // Makes room for `extra` more elements, growing geometrically so that many small meshes stay linear.
  template <class T>
  static void Grow(std::vector<T>& v, std::size_t extra) {
    const std::size_t needed = v.size() + extra;
    if (needed > v.capacity()) v.reserve(std::max(needed, v.capacity() * 2));
  }

  // Moves the vertices from `first` on by a frame's matrix (row vectors: v' = v x M).
  void Transform(std::size_t first, const float (&m)[16]) {
    // Normals go through the inverse transpose of the upper-left 3x3 block, i.e. the cofactor matrix over the
    // determinant; the determinant's scale is undone by restoring each normal's length anyway.
    const float a00 = m[0], a01 = m[1], a02 = m[2];
    const float a10 = m[4], a11 = m[5], a12 = m[6];
    const float a20 = m[8], a21 = m[9], a22 = m[10];
    float n[3][3] = {{a11 * a22 - a12 * a21, a12 * a20 - a10 * a22, a10 * a21 - a11 * a20},
                     {a02 * a21 - a01 * a22, a00 * a22 - a02 * a20, a01 * a20 - a00 * a21},
                     {a01 * a12 - a02 * a11, a02 * a10 - a00 * a12, a00 * a11 - a01 * a10}};
    const float det = a00 * n[0][0] + a01 * n[0][1] + a02 * n[0][2];
    if (!(std::fabs(det) > 0.0f) || !std::isfinite(det)) {
      // Singular (or broken): the upper-left 3x3 block itself is the best there is.
      const float plain[3][3] = {{a00, a01, a02}, {a10, a11, a12}, {a20, a21, a22}};
      std::copy_n(&plain[0][0], 9, &n[0][0]);
    } else if (det < 0) {
      // A mirroring matrix: the cofactors point the other way from the inverse transpose.
      for (auto& row : n) {
        for (float& x : row) x = -x;
      }
    }

    for (std::size_t i = first; i < out_.Vertices.size(); ++i) {
      XVertex& v = out_.Vertices[i];
      const float x = v.Position[0], y = v.Position[1], z = v.Position[2];
      v.Position[0] = x * m[0] + y * m[4] + z * m[8] + m[12];
      v.Position[1] = x * m[1] + y * m[5] + z * m[9] + m[13];
      v.Position[2] = x * m[2] + y * m[6] + z * m[10] + m[14];

      const float nx = v.Normal[0], ny = v.Normal[1], nz = v.Normal[2];
      const float length = std::sqrt(nx * nx + ny * ny + nz * nz);
      if (!(length > 0.0f)) continue;
      float t[3];
      for (int j = 0; j < 3; ++j) t[j] = nx * n[0][j] + ny * n[1][j] + nz * n[2][j];
      const float newLength = std::sqrt(t[0] * t[0] + t[1] * t[1] + t[2] * t[2]);
      const float scale = (newLength > 0.0f && std::isfinite(newLength)) ? length / newLength : 1.0f;
      for (int j = 0; j < 3; ++j) v.Normal[j] = t[j] * scale;
    }
  }

  XMesh Finish() {
    if (!sawMesh_) Fail(XError::NoMesh, "the file holds no Mesh object");
    if (placeholders_ == out_.Materials.size()) {
      // No mesh had materials of its own: leave the choice of material to the caller.
      out_.Materials.clear();
      std::fill(out_.FaceMaterials.begin(), out_.FaceMaterials.end(), 0u);
    }
    out_.HasNormals = anyVertices_ && allNormals_;
    out_.HasTextureCoords = anyTextureCoords_;
    return std::move(out_);
  }

  Lexer& lex_;
  XMesh out_;
  MeshData mesh_;
  std::unordered_map<std::string_view, XMaterial> named_;
  std::size_t placeholders_ = 0;
  bool sawMesh_ = false;
  bool anyVertices_ = false;
  bool allNormals_ = true;
  bool anyTextureCoords_ = false;
};

}  // namespace

XMesh ParseTextBody(std::string_view body, bool decompressed) {
  TextLexer lexer(body, decompressed);
  return Parser<TextLexer>(lexer).Run();
}

XMesh ParseBinaryBody(std::string_view body, bool doubles, bool decompressed) {
  BinaryLexer lexer(body, doubles, decompressed);
  return Parser<BinaryLexer>(lexer).Run();
}

}  // namespace xfile::detail
