#pragma once
// Meshes for the demo scenes, built on shared points ("nodes"). Several vertices may sit on one node
// (texture seams, material borders); moving the nodes gives a mesh with the same vertices and faces in
// the same order, which is what the key shapes of a model need.
#include <cstdint>
#include <functional>
#include <map>
#include <tuple>
#include <vector>

#include "platform/gfx/math.h"
#include "platform/xfile/xfile.h"

namespace demo {

using gfx::Vec3;

struct Corner {
  std::uint32_t Node = 0;
  float U = 0, V = 0;
};

class MeshBuilder {
 public:
  // Returns the material's number.
  std::uint32_t AddMaterial(const xfile::XMaterial& material);
  std::uint32_t AddNode(Vec3 position);
  // A triangle with its corners clockwise as seen from its front. Triangles with two corners on one
  // node are dropped.
  void AddTriangle(std::uint32_t material, Corner a, Corner b, Corner c);
  // A triangle whose front faces the side `outside` points to, judged at the nodes' present positions.
  void AddTriangleFacing(std::uint32_t material, Corner a, Corner b, Corner c, Vec3 outside);

  const std::vector<Vec3>& Nodes() const { return nodes_; }

  // The mesh with node n at positions[n] (positions has one entry per node), normals smooth across
  // every vertex on a node.
  xfile::XMesh Build(const std::vector<Vec3>& positions) const;
  xfile::XMesh Build() const { return Build(nodes_); }

 private:
  std::uint32_t VertexFor(const Corner& c);

  std::vector<Vec3> nodes_;
  std::vector<Corner> vertices_;
  std::map<std::tuple<std::uint32_t, float, float>, std::uint32_t> vertex_index_;
  std::vector<std::uint32_t> faces_;  // three vertex numbers a face
  std::vector<std::uint32_t> face_materials_;
  std::vector<xfile::XMaterial> materials_;
};

// A grid of rows x cols cells over a surface point(s, t), s = col / cols and t = row / rows, both 0..1.
struct GridSurface {
  int Rows = 1, Cols = 1;
  bool WrapCols = false;   // the last column of points is the first one again
  bool PoleTop = false;    // all points of row 0 are one point
  bool PoleBottom = false; // all points of the last row are one point
  std::function<Vec3(float s, float t)> Point;
  // A simpler surface of the same layout (a sphere for a creature's body) on which the front side is
  // decided: Outside(centre) gives the front's direction at a triangle's centre there. The faces keep
  // that orientation on the real surface, however it bends. Point serves when there is no Reference.
  std::function<Vec3(float s, float t)> Reference;
  std::function<Vec3(Vec3 centre)> Outside;
  // The material of the cell (row, col) and the texture coordinates at (s, t) within it.
  std::function<std::uint32_t(int row, int col)> Material;
  std::function<std::pair<float, float>(std::uint32_t material, float s, float t)> Uv;
};

// Adds the surface's nodes and faces. Returns the node numbers on each grid point (row-major,
// (rows + 1) x (cols + 1)), shared where the grid wraps or meets a pole.
std::vector<std::uint32_t> AddGrid(MeshBuilder& builder, const GridSurface& grid);

}  // namespace demo
