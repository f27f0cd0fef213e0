#pragma once
// The surfaces the demo meshes are made of: closed bodies around a centre, discs, cylinder walls,
// the inside of a box, and the small marker solids.
#include <cstdint>
#include <functional>
#include <utility>

#include "demo/mesh_builder.h"

namespace demo {

inline constexpr float kPi = 3.14159265358979f;

// The unit direction of body parameters (s, t): t = 0 straight up, t = 1 straight down; s = 0.5
// faces -z (towards the camera at yaw 0), s growing towards +x there.
Vec3 BodyDirection(float s, float t);

using Uvs = std::function<std::pair<float, float>(std::uint32_t material, float s, float t)>;

// A closed body: for each direction, shape(direction) is the surface point there. rows x cols cells;
// faces point away from the centre (or towards it when inward: a sky seen from inside). t_end < 1 cuts
// the body open below (t = t_end is the last row), as a sky dome needs.
struct BodyLayout {
  int Rows = 32, Cols = 64;
  float TEnd = 1.0f;
  bool Inward = false;
  std::function<Vec3(Vec3 direction)> Shape;
  std::function<std::uint32_t(int row, int col)> Material;
  Uvs Uv;
};
void AddBody(MeshBuilder& builder, const BodyLayout& body);

// A flat disc at height y facing up, texture coordinates uv(x, z).
void AddDisc(MeshBuilder& builder, std::uint32_t material, float y, float radius, int rings, int segments,
             const std::function<std::pair<float, float>(float x, float z)>& uv);

// The outside wall of an upright cylinder around the y axis from y0 to y1, u around (repeats times),
// v from top (0) to bottom (1).
void AddCylinderWall(MeshBuilder& builder, std::uint32_t material, float radius, float y0, float y1, int segments,
                     float repeats);

// The inside of the box [x0, x1] x [y0, y1] x [z0, z1]: floor, ceiling and four walls, each with its
// material, texture coordinates from the world position (floor and ceiling uv(x, z); walls u along
// the wall, v down from the top, scaled by tile).
struct RoomLayout {
  float X0 = -1, X1 = 1, Y0 = 0, Y1 = 1, Z0 = -1, Z1 = 1;
  std::uint32_t Floor = 0, Ceiling = 0, Walls = 0;
  float FloorTile = 1, CeilingTile = 1, WallTile = 1;  // world units per texture repeat
  int Cells = 8;                                       // cells along each side of a face
};
void AddRoom(MeshBuilder& builder, const RoomLayout& room);

// A regular octahedron (a diamond marker) of the given radius around the centre.
void AddOctahedron(MeshBuilder& builder, std::uint32_t material, Vec3 centre, float radius);
// A box from lo to hi with its faces outwards.
void AddBox(MeshBuilder& builder, std::uint32_t material, Vec3 lo, Vec3 hi);

}  // namespace demo
