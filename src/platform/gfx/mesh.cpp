#include "platform/gfx/mesh.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <numeric>
#include <unordered_map>

#include "platform/gfx/vertex_format.h"

namespace gfx {

namespace {

constexpr std::uint32_t kNone = 0xFFFFFFFFu;

struct PositionKey {
  std::uint32_t x, y, z;
  bool operator==(const PositionKey&) const = default;
};

struct PositionHash {
  std::size_t operator()(const PositionKey& k) const {
    return (std::size_t{k.x} * 73856093u) ^ (std::size_t{k.y} * 19349663u) ^ (std::size_t{k.z} * 83492791u);
  }
};

PositionKey KeyOf(const Vec3& p) {
  // Bit patterns: exact equality, as an adjacency with no tolerance asks; -0 and +0 count as one.
  auto bits = [](float f) {
    if (f == 0.0f) f = 0.0f;
    std::uint32_t b;
    std::memcpy(&b, &f, sizeof b);
    return b;
  };
  return {bits(p.x), bits(p.y), bits(p.z)};
}

std::uint32_t Find(std::vector<std::uint32_t>& parent, std::uint32_t v) {
  while (parent[v] != v) {
    parent[v] = parent[parent[v]];
    v = parent[v];
  }
  return v;
}

}  // namespace

std::unique_ptr<Mesh> Mesh::Create(Device& device, MeshData data, std::string* error) {
  auto fail = [error](const char* why) -> std::unique_ptr<Mesh> {
    if (error) *error = why;
    return nullptr;
  };
  const std::size_t vertex_count = data.Vertices.size(), index_count = data.Indices.size();
  if (vertex_count == 0 || index_count == 0) return fail("the mesh has no faces");
  if (vertex_count > kMaxMeshVertices) return fail("more than 65535 vertices");
  if (index_count > kMaxMeshIndices) return fail("more than 65535 indices (21845 faces)");
  if (index_count % 3 != 0 || data.FaceMaterials.size() != index_count / 3) return fail("inconsistent face lists");
  for (std::uint32_t i : data.Indices)
    if (i >= vertex_count) return fail("an index past the vertices");

  const std::uint32_t faces = static_cast<std::uint32_t>(index_count / 3);
  // Faces sorted by material, keeping the file's order within each material.
  std::vector<std::uint32_t> order(faces);
  std::iota(order.begin(), order.end(), 0u);
  std::stable_sort(order.begin(), order.end(),
                   [&](std::uint32_t a, std::uint32_t b) { return data.FaceMaterials[a] < data.FaceMaterials[b]; });

  auto mesh = std::unique_ptr<Mesh>(new Mesh());
  mesh->num_vertices_ = static_cast<std::uint32_t>(vertex_count);
  mesh->num_faces_ = faces;
  std::vector<std::uint16_t> sorted(index_count);
  for (std::uint32_t f = 0; f < faces; ++f) {
    const std::uint32_t source = order[f];
    for (int k = 0; k < 3; ++k) sorted[3 * f + k] = static_cast<std::uint16_t>(data.Indices[3 * source + k]);
    const std::uint32_t material = data.FaceMaterials[source];
    if (mesh->subsets_.empty() || mesh->subsets_.back().AttributeId != material)
      mesh->subsets_.push_back({material, f, 0, 0xFFFFFFFFu, 0});
    MeshSubset& subset = mesh->subsets_.back();
    ++subset.FaceCount;
    for (int k = 0; k < 3; ++k) {
      const std::uint32_t v = sorted[3 * f + k];
      const std::uint32_t end = subset.VertexCount == 0 ? v + 1 : std::max(subset.VertexStart + subset.VertexCount, v + 1);
      subset.VertexStart = std::min(subset.VertexStart, v);
      subset.VertexCount = end - subset.VertexStart;
    }
  }

  mesh->position_reps_.resize(vertex_count);
  std::unordered_map<PositionKey, std::uint32_t, PositionHash> first_at;
  first_at.reserve(vertex_count);
  for (std::uint32_t v = 0; v < vertex_count; ++v)
    mesh->position_reps_[v] = first_at.emplace(KeyOf(data.Vertices[v].Position), v).first->second;

  mesh->vertices_ = device.CreateVertexBuffer(vertex_count * sizeof(MeshVertex), kFvfMesh);
  mesh->indices_ = device.CreateIndexBuffer(index_count * sizeof(std::uint16_t));
  if (!mesh->vertices_ || !mesh->indices_) return fail("the device could not make the buffers");
  std::memcpy(mesh->vertices_->Lock(0, 0), data.Vertices.data(), vertex_count * sizeof(MeshVertex));
  mesh->vertices_->Unlock();
  std::memcpy(mesh->indices_->Lock(0, 0), sorted.data(), index_count * sizeof(std::uint16_t));
  mesh->indices_->Unlock();
  if (!data.HasNormals) mesh->ComputeNormals(mesh->GenerateAdjacency());
  return mesh;
}

std::vector<std::uint32_t> Mesh::GenerateAdjacency() const {
  const std::byte* raw = indices_->Data();
  std::vector<std::uint16_t> idx(std::size_t{num_faces_} * 3);
  std::memcpy(idx.data(), raw, idx.size() * sizeof(std::uint16_t));
  auto rep = [&](std::uint32_t corner) { return position_reps_[idx[corner]]; };
  // Directed edges by the positions of their ends; a neighbour runs the same edge the other way.
  std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> edges;
  edges.reserve(idx.size());
  auto key = [](std::uint32_t a, std::uint32_t b) { return (std::uint64_t{a} << 32) | b; };
  for (std::uint32_t c = 0; c < idx.size(); ++c) {
    const std::uint32_t next = c - c % 3 + (c % 3 + 1) % 3;
    edges[key(rep(c), rep(next))].push_back(c);
  }
  std::vector<std::uint32_t> adjacency(idx.size(), kNone);
  for (std::uint32_t c = 0; c < idx.size(); ++c) {
    if (adjacency[c] != kNone) continue;
    const std::uint32_t next = c - c % 3 + (c % 3 + 1) % 3;
    if (rep(c) == rep(next)) continue;  // a degenerate edge joins nothing
    auto it = edges.find(key(rep(next), rep(c)));
    if (it == edges.end()) continue;
    for (std::uint32_t other : it->second) {
      if (other / 3 == c / 3 || adjacency[other] != kNone) continue;
      adjacency[c] = other / 3;
      adjacency[other] = c / 3;
      break;
    }
  }
  return adjacency;
}

const std::vector<std::uint32_t>& Mesh::NormalGroups(const std::vector<std::uint32_t>& adjacency) {
  if (!groups_.empty() && adjacency == groups_adjacency_) return groups_;
  const std::size_t corners = std::size_t{num_faces_} * 3;
  std::vector<std::uint16_t> idx(corners);
  std::memcpy(idx.data(), indices_->Data(), corners * sizeof(std::uint16_t));
  groups_.resize(num_vertices_);
  std::iota(groups_.begin(), groups_.end(), 0u);
  // Vertices at one position on both sides of a shared edge are joined.
  if (adjacency.size() == corners) {
    for (std::uint32_t c = 0; c < corners; ++c) {
      const std::uint32_t neighbour = adjacency[c];
      if (neighbour >= num_faces_) continue;
      const std::uint32_t ends[2] = {idx[c], idx[c - c % 3 + (c % 3 + 1) % 3]};
      for (std::uint32_t mine : ends)
        for (int k = 0; k < 3; ++k) {
          const std::uint32_t theirs = idx[3 * neighbour + k];
          if (position_reps_[mine] == position_reps_[theirs]) groups_[Find(groups_, mine)] = Find(groups_, theirs);
        }
    }
  }
  for (std::uint32_t i = 0; i < num_vertices_; ++i) groups_[i] = Find(groups_, i);  // flatten
  groups_adjacency_ = adjacency;
  return groups_;
}

void Mesh::ComputeNormals(const std::vector<std::uint32_t>& adjacency) {
  const std::vector<std::uint32_t>& group = NormalGroups(adjacency);
  std::byte* bytes = vertices_->Lock(0, 0);
  if (bytes == nullptr) return;
  const std::byte* index_bytes = indices_->Data();
  sums_.assign(num_vertices_, Vec3{});
  auto position = [bytes](std::uint32_t v) {
    Vec3 p;
    std::memcpy(&p, bytes + std::size_t{v} * sizeof(MeshVertex), sizeof p);
    return p;
  };
  for (std::uint32_t f = 0; f < num_faces_; ++f) {
    std::uint16_t corner[3];
    std::memcpy(corner, index_bytes + std::size_t{f} * 6, sizeof corner);
    const Vec3 a = position(corner[0]);
    // Clockwise front faces in a left-handed system: this cross product points out of the front.
    const Vec3 n = Cross(position(corner[1]) - a, position(corner[2]) - a);
    for (std::uint16_t c : corner) sums_[group[c]] = sums_[group[c]] + n;
  }
  for (std::uint32_t i = 0; i < num_vertices_; ++i) {
    const Vec3 n = Vec3Normalize(sums_[group[i]]);
    std::memcpy(bytes + std::size_t{i} * sizeof(MeshVertex) + offsetof(MeshVertex, Normal), &n, sizeof n);
  }
  vertices_->Unlock();
}

void Mesh::DrawSubset(Device& device, std::uint32_t attribute_id) const {
  for (const MeshSubset& s : subsets_) {
    if (s.AttributeId != attribute_id) continue;
    device.SetStreamSource(0, vertices_, sizeof(MeshVertex));
    device.SetIndices(indices_, 0);
    device.SetVertexShader(kFvfMesh);
    device.DrawIndexedPrimitive(PrimitiveType::TriangleList, s.VertexStart, s.VertexCount, s.FaceStart * 3, s.FaceCount);
    return;
  }
}

}  // namespace gfx
