#pragma once
// The mesh container: 32-byte vertices (position, normal, one texture coordinate pair) and 16-bit
// indices in device buffers, faces sorted by material so that each material's faces are one subset,
// point representatives for normals that do not show seams, and drawing by subset.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/device.h"

namespace gfx {

struct MeshVertex {
  Vec3 Position;
  Vec3 Normal;
  float U = 0, V = 0;
};
static_assert(sizeof(MeshVertex) == 32);

// The faces of one material: faces FaceStart .. FaceStart + FaceCount - 1 of the sorted index list.
struct MeshSubset {
  std::uint32_t AttributeId = 0;
  std::uint32_t FaceStart = 0, FaceCount = 0;
  std::uint32_t VertexStart = 0, VertexCount = 0;  // the range of vertices the faces use
};

// What a mesh is made from: three indices and one material number per face.
struct MeshData {
  std::vector<MeshVertex> Vertices;
  std::vector<std::uint32_t> Indices;
  std::vector<std::uint32_t> FaceMaterials;
  bool HasNormals = true;  // when false, normals are computed from the faces
};

inline constexpr std::size_t kMaxMeshVertices = 65535;  // 16-bit indices
inline constexpr std::size_t kMaxMeshIndices = 65535;

class Mesh {
 public:
  // The mesh on the device; nothing, with the reason in error, when the data does not fit 16-bit
  // indices or is inconsistent (an index past the vertices, a face without a material entry).
  static std::unique_ptr<Mesh> Create(Device& device, MeshData data, std::string* error);

  std::shared_ptr<VertexBuffer> Vertices() const { return vertices_; }
  std::shared_ptr<IndexBuffer> Indices() const { return indices_; }
  std::uint32_t NumVertices() const { return num_vertices_; }
  std::uint32_t NumFaces() const { return num_faces_; }
  const std::vector<MeshSubset>& Subsets() const { return subsets_; }

  // For each face its three neighbours across its edges (0xFFFFFFFF where none): faces that share an
  // edge between vertices at the same positions.
  std::vector<std::uint32_t> GenerateAdjacency() const;
  // Recomputes every vertex normal from the current positions: the sum of the normals of the faces
  // around it, weighted by their area and normalised. Vertices at one position whose faces the
  // adjacency joins share the sum, so that seams between them do not show.
  void ComputeNormals(const std::vector<std::uint32_t>& adjacency);
  // Draws the faces of one material; nothing when the mesh has none of it.
  void DrawSubset(Device& device, std::uint32_t attribute_id) const;

 private:
  Mesh() = default;
  // The vertices joined for normals, as a union-find forest; rebuilt when the adjacency changes.
  const std::vector<std::uint32_t>& NormalGroups(const std::vector<std::uint32_t>& adjacency);

  std::shared_ptr<VertexBuffer> vertices_;
  std::shared_ptr<IndexBuffer> indices_;
  std::uint32_t num_vertices_ = 0, num_faces_ = 0;
  std::vector<MeshSubset> subsets_;
  std::vector<std::uint32_t> position_reps_;  // for each vertex the first vertex at its position at creation
  std::vector<std::uint32_t> groups_, groups_adjacency_;
  std::vector<Vec3> sums_;  // scratch for ComputeNormals
};

}  // namespace gfx
