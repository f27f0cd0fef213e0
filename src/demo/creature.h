#pragma once
// A creature: a closed body with a face region, its skin and face textures, and its key shapes.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "demo/face_paint.h"
#include "demo/key_poses.h"
#include "demo/mesh_builder.h"
#include "demo/paint.h"
#include "platform/gfx/image.h"

namespace demo {

// The body parameters (see BodyDirection) the face texture covers.
struct FaceWindow {
  float S0 = 0.4f, S1 = 0.6f, T0 = 0.4f, T1 = 0.6f;
};

struct CreatureDesign {
  int Rows = 36, Cols = 64;
  // The body: the surface point for each unit direction, about unit size around the origin.
  std::function<Vec3(Vec3 direction)> Shape;
  float Scale = 1.0f;  // world units per shape unit
  float Hover = 0.0f;  // gap between its lowest point and the ground it stands on (y = 0)
  FaceWindow Face;
  // Body directions of control points 1 to 3, and where point 0 floats, as a fraction of the
  // creature's half-size from its centre.
  std::array<Vec3, 3> GrabDirections{};
  Vec3 CompanionOffset{1.2f, 0.8f, -0.4f};
  // The skin's colour at body parameters (s, t), which are its texture coordinates.
  std::function<Rgba(float s, float t)> Skin;
  // Draws the features over the face texture, whose background is the skin already.
  std::function<void(FaceCanvas& canvas)> PaintFace;
  float Diffuse = 1.0f, Specular = 0.45f, Power = 24.0f;
  Rgba Emissive = Hex(0x202020);
};

struct CreatureModel {
  MeshBuilder Mesh;
  PoseFrame Frame;
  Vec3 Companion;  // control point 0

  xfile::XMesh Posed(Pose pose) const;
};

// The body with its skin and face materials textured by the given file names.
CreatureModel BuildCreature(const CreatureDesign& design, const std::string& skin_texture, const std::string& face_texture);

gfx::Image PaintSkinTexture(const CreatureDesign& design);
gfx::Image PaintFaceTexture(const CreatureDesign& design);

// The four creatures of the demo.
CreatureDesign MomoDesign();    // a round peach-coloured bunny blob
CreatureDesign DripDesign();    // a glossy teal slime drop
CreatureDesign StellaDesign();  // a plump golden star
CreatureDesign BooDesign();     // a little floating ghost

}  // namespace demo
