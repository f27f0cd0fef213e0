#include "demo/mesh_builder.h"

#include <cmath>

namespace demo {

std::uint32_t MeshBuilder::AddMaterial(const xfile::XMaterial& material) {
  materials_.push_back(material);
  return static_cast<std::uint32_t>(materials_.size() - 1);
}

std::uint32_t MeshBuilder::AddNode(Vec3 position) {
  nodes_.push_back(position);
  return static_cast<std::uint32_t>(nodes_.size() - 1);
}

std::uint32_t MeshBuilder::VertexFor(const Corner& c) {
  const auto key = std::make_tuple(c.Node, c.U, c.V);
  const auto found = vertex_index_.find(key);
  if (found != vertex_index_.end()) return found->second;
  const auto index = static_cast<std::uint32_t>(vertices_.size());
  vertices_.push_back(c);
  vertex_index_.emplace(key, index);
  return index;
}

void MeshBuilder::AddTriangleFacing(std::uint32_t material, Corner a, Corner b, Corner c, Vec3 outside) {
  const Vec3 pa = nodes_[a.Node], pb = nodes_[b.Node], pc = nodes_[c.Node];
  // With clockwise front faces in a left-handed system, (b - a) x (c - a) points out of the front.
  if (gfx::Dot(gfx::Cross(pb - pa, pc - pa), outside) < 0.0f) std::swap(b, c);
  AddTriangle(material, a, b, c);
}

void MeshBuilder::AddTriangle(std::uint32_t material, Corner a, Corner b, Corner c) {
  if (a.Node == b.Node || b.Node == c.Node || a.Node == c.Node) return;
  faces_.push_back(VertexFor(a));
  faces_.push_back(VertexFor(b));
  faces_.push_back(VertexFor(c));
  face_materials_.push_back(material);
}

xfile::XMesh MeshBuilder::Build(const std::vector<Vec3>& positions) const {
  std::vector<Vec3> node_normals(nodes_.size());
  for (std::size_t f = 0; f < faces_.size(); f += 3) {
    const Vec3 a = positions[vertices_[faces_[f]].Node], b = positions[vertices_[faces_[f + 1]].Node],
               c = positions[vertices_[faces_[f + 2]].Node];
    const Vec3 n = gfx::Cross(b - a, c - a);  // length: twice the area, the weight
    for (std::size_t k = 0; k < 3; ++k) {
      Vec3& sum = node_normals[vertices_[faces_[f + k]].Node];
      sum = sum + n;
    }
  }
  xfile::XMesh mesh;
  mesh.Vertices.reserve(vertices_.size());
  for (const Corner& v : vertices_) {
    const Vec3 p = positions[v.Node], n = gfx::Vec3Normalize(node_normals[v.Node]);
    mesh.Vertices.push_back({{p.x, p.y, p.z}, {n.x, n.y, n.z}, v.U, v.V});
  }
  mesh.Indices = faces_;
  mesh.FaceMaterials = face_materials_;
  mesh.Materials = materials_;
  mesh.HasNormals = true;
  mesh.HasTextureCoords = true;
  return mesh;
}

std::vector<std::uint32_t> AddGrid(MeshBuilder& builder, const GridSurface& grid) {
  const int rows = grid.Rows, cols = grid.Cols;
  auto s_of = [cols](int col) { return static_cast<float>(col) / static_cast<float>(cols); };
  auto t_of = [rows](int row) { return static_cast<float>(row) / static_cast<float>(rows); };
  std::vector<std::uint32_t> nodes(static_cast<std::size_t>((rows + 1) * (cols + 1)));
  const auto& reference = grid.Reference ? grid.Reference : grid.Point;
  auto at = [&](int row, int col) -> std::uint32_t& { return nodes[static_cast<std::size_t>(row * (cols + 1) + col)]; };
  for (int row = 0; row <= rows; ++row) {
    const bool pole = (row == 0 && grid.PoleTop) || (row == rows && grid.PoleBottom);
    for (int col = 0; col <= cols; ++col) {
      if (pole && col > 0) {
        at(row, col) = at(row, 0);
      } else if (grid.WrapCols && col == cols) {
        at(row, col) = at(row, 0);
      } else {
        at(row, col) = builder.AddNode(grid.Point(pole ? 0.0f : s_of(col), t_of(row)));
      }
    }
  }
  for (int row = 0; row < rows; ++row)
    for (int col = 0; col < cols; ++col) {
      const std::uint32_t material = grid.Material(row, col);
      auto corner = [&](int r, int c) {
        const auto [u, v] = grid.Uv(material, s_of(c), t_of(r));
        return Corner{at(r, c), u, v};
      };
      const Corner a = corner(row, col), b = corner(row, col + 1), c = corner(row + 1, col), d = corner(row + 1, col + 1);
      // Decided on the reference surface (at cell corners off the poles, where it has area).
      const Vec3 ra = reference(s_of(col), t_of(row)), rb = reference(s_of(col + 1), t_of(row)),
                 rc = reference(s_of(col), t_of(row + 1)), rd = reference(s_of(col + 1), t_of(row + 1));
      const Vec3 quad_normal = gfx::Cross(rd - ra, rc - rb);
      const Vec3 centre = (ra + rb + rc + rd) * 0.25f;
      if (gfx::Dot(quad_normal, grid.Outside(centre)) >= 0.0f) {
        builder.AddTriangle(material, a, b, d);
        builder.AddTriangle(material, a, d, c);
      } else {
        builder.AddTriangle(material, a, d, b);
        builder.AddTriangle(material, a, c, d);
      }
    }
  return nodes;
}

}  // namespace demo
