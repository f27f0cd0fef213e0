#include "demo/shapes.h"

#include <cmath>

namespace demo {

Vec3 BodyDirection(float s, float t) {
  const float theta = t * kPi, phi = (s - 0.5f) * 2.0f * kPi;
  return {std::sin(theta) * std::sin(phi), std::cos(theta), -std::sin(theta) * std::cos(phi)};
}

void AddBody(MeshBuilder& builder, const BodyLayout& body) {
  GridSurface grid;
  grid.Rows = body.Rows;
  grid.Cols = body.Cols;
  grid.WrapCols = true;
  grid.PoleTop = true;
  grid.PoleBottom = body.TEnd >= 1.0f;
  const float t_end = body.TEnd;
  grid.Point = [&body, t_end](float s, float t) { return body.Shape(BodyDirection(s, t * t_end)); };
  grid.Reference = [t_end](float s, float t) { return BodyDirection(s, t * t_end); };
  const bool inward = body.Inward;
  grid.Outside = [inward](Vec3 centre) { return inward ? centre * -1.0f : centre; };
  grid.Material = body.Material;
  grid.Uv = body.Uv;
  AddGrid(builder, grid);
}

void AddDisc(MeshBuilder& builder, std::uint32_t material, float y, float radius, int rings, int segments,
             const std::function<std::pair<float, float>(float x, float z)>& uv) {
  GridSurface grid;
  grid.Rows = rings;
  grid.Cols = segments;
  grid.WrapCols = true;
  grid.PoleTop = true;  // the centre
  auto point = [=](float s, float t) {
    const float a = s * 2.0f * kPi, r = t * radius;
    return Vec3{r * std::cos(a), y, r * std::sin(a)};
  };
  grid.Point = point;
  grid.Outside = [](Vec3) { return Vec3{0, 1, 0}; };
  grid.Material = [material](int, int) { return material; };
  grid.Uv = [point, uv](std::uint32_t, float s, float t) {
    const Vec3 p = point(s, t);
    return uv(p.x, p.z);
  };
  AddGrid(builder, grid);
}

void AddCylinderWall(MeshBuilder& builder, std::uint32_t material, float radius, float y0, float y1, int segments,
                     float repeats) {
  GridSurface grid;
  grid.Rows = 1;
  grid.Cols = segments;
  grid.WrapCols = true;
  grid.Point = [=](float s, float t) {
    const float a = s * 2.0f * kPi;
    return Vec3{radius * std::cos(a), y1 + (y0 - y1) * t, radius * std::sin(a)};
  };
  grid.Outside = [](Vec3 c) { return Vec3{c.x, 0, c.z}; };
  grid.Material = [material](int, int) { return material; };
  grid.Uv = [repeats](std::uint32_t, float s, float t) { return std::pair{s * repeats, t}; };
  AddGrid(builder, grid);
}

void AddRoom(MeshBuilder& builder, const RoomLayout& room) {
  const Vec3 centre{(room.X0 + room.X1) * 0.5f, (room.Y0 + room.Y1) * 0.5f, (room.Z0 + room.Z1) * 0.5f};
  // One face of the box: origin plus s along `across`, t along `down`.
  auto face = [&](std::uint32_t material, Vec3 origin, Vec3 across, Vec3 down, float tile_u, float tile_v,
                  bool wall) {
    GridSurface grid;
    grid.Rows = room.Cells;
    grid.Cols = room.Cells;
    grid.Point = [=](float s, float t) { return origin + across * s + down * t; };
    grid.Outside = [centre](Vec3 c) { return centre - c; };  // seen from inside
    grid.Material = [material](int, int) { return material; };
    const float length_u = gfx::Length(across);
    grid.Uv = [=](std::uint32_t, float s, float t) {
      if (wall) return std::pair{s * length_u / tile_u, t};
      const Vec3 p = origin + across * s + down * t;
      return std::pair{p.x / tile_u, p.z / tile_v};
    };
    AddGrid(builder, grid);
  };
  const float w = room.X1 - room.X0, h = room.Y1 - room.Y0, d = room.Z1 - room.Z0;
  face(room.Floor, {room.X0, room.Y0, room.Z0}, {w, 0, 0}, {0, 0, d}, room.FloorTile, room.FloorTile, false);
  face(room.Ceiling, {room.X0, room.Y1, room.Z0}, {w, 0, 0}, {0, 0, d}, room.CeilingTile, room.CeilingTile, false);
  face(room.Walls, {room.X0, room.Y1, room.Z1}, {w, 0, 0}, {0, -h, 0}, room.WallTile, 1, true);   // back
  face(room.Walls, {room.X1, room.Y1, room.Z0}, {-w, 0, 0}, {0, -h, 0}, room.WallTile, 1, true);  // front
  face(room.Walls, {room.X0, room.Y1, room.Z0}, {0, 0, d}, {0, -h, 0}, room.WallTile, 1, true);   // left
  face(room.Walls, {room.X1, room.Y1, room.Z1}, {0, 0, -d}, {0, -h, 0}, room.WallTile, 1, true);  // right
}

void AddOctahedron(MeshBuilder& builder, std::uint32_t material, Vec3 centre, float radius) {
  const Vec3 axes[6] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
  // Each face joins one x, one y and one z tip, on nodes of its own so that its shading stays flat.
  for (int x = 0; x < 2; ++x)
    for (int y = 2; y < 4; ++y)
      for (int z = 4; z < 6; ++z) {
        const Corner a{builder.AddNode(centre + axes[x] * radius), 0.0f, 0.0f};
        const Corner b{builder.AddNode(centre + axes[y] * radius), 0.5f, 1.0f};
        const Corner c{builder.AddNode(centre + axes[z] * radius), 1.0f, 0.0f};
        builder.AddTriangleFacing(material, a, b, c, axes[x] + axes[y] + axes[z]);
      }
}

void AddBox(MeshBuilder& builder, std::uint32_t material, Vec3 lo, Vec3 hi) {
  const Vec3 centre = (lo + hi) * 0.5f;
  auto corner = [&](int i) { return Vec3{(i & 1) ? hi.x : lo.x, (i & 2) ? hi.y : lo.y, (i & 4) ? hi.z : lo.z}; };
  // Corner i has x from bit 0, y from bit 1, z from bit 2; each face has nodes of its own (flat shading).
  const int quads[6][4] = {{0, 1, 3, 2}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 3, 7, 5}};
  for (const auto& quad : quads) {
    const Corner a{builder.AddNode(corner(quad[0])), 0, 0}, b{builder.AddNode(corner(quad[1])), 1, 0};
    const Corner c{builder.AddNode(corner(quad[2])), 1, 1}, d{builder.AddNode(corner(quad[3])), 0, 1};
    const Vec3 mid = (corner(quad[0]) + corner(quad[2])) * 0.5f;
    builder.AddTriangleFacing(material, a, b, c, mid - centre);
    builder.AddTriangleFacing(material, a, c, d, mid - centre);
  }
}

}  // namespace demo
