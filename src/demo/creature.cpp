#include "demo/creature.h"

#include <algorithm>
#include <cmath>

#include "demo/shapes.h"

namespace demo {

namespace {

constexpr int kSkinWidth = 512, kSkinHeight = 256, kFaceSize = 256;

float Snap(float value, int cells) { return std::round(value * static_cast<float>(cells)) / static_cast<float>(cells); }

FaceWindow SnappedWindow(const CreatureDesign& d) {
  return {Snap(d.Face.S0, d.Cols), Snap(d.Face.S1, d.Cols), Snap(d.Face.T0, d.Rows), Snap(d.Face.T1, d.Rows)};
}

xfile::XMaterial SkinMaterial(const CreatureDesign& d, const std::string& texture) {
  xfile::XMaterial m;
  m.Diffuse[0] = m.Diffuse[1] = m.Diffuse[2] = d.Diffuse;
  m.Diffuse[3] = 1.0f;
  m.Power = d.Power;
  m.Specular[0] = m.Specular[1] = m.Specular[2] = d.Specular;
  m.Emissive[0] = d.Emissive.r, m.Emissive[1] = d.Emissive.g, m.Emissive[2] = d.Emissive.b;
  m.TextureFileName = texture;
  return m;
}

}  // namespace

xfile::XMesh CreatureModel::Posed(Pose pose) const {
  std::vector<Vec3> positions;
  positions.reserve(Mesh.Nodes().size());
  for (const Vec3& p : Mesh.Nodes()) positions.push_back(ApplyPose(pose, Frame, p));
  return Mesh.Build(positions);
}

CreatureModel BuildCreature(const CreatureDesign& design, const std::string& skin_texture, const std::string& face_texture) {
  // Stand the body on the ground: its lowest point Hover above y = 0.
  float lowest = 1e9f;
  for (int row = 0; row <= design.Rows; ++row)
    for (int col = 0; col < design.Cols; ++col) {
      const Vec3 p = design.Shape(BodyDirection(static_cast<float>(col) / static_cast<float>(design.Cols),
                                                static_cast<float>(row) / static_cast<float>(design.Rows)));
      lowest = std::min(lowest, p.y * design.Scale);
    }
  const float lift = design.Hover - lowest;
  auto place = [&design, lift](Vec3 direction) {
    const Vec3 p = design.Shape(direction) * design.Scale;
    return Vec3{p.x, p.y + lift, p.z};
  };

  CreatureModel model;
  const std::uint32_t skin = model.Mesh.AddMaterial(SkinMaterial(design, skin_texture));
  const std::uint32_t face = model.Mesh.AddMaterial(SkinMaterial(design, face_texture));
  const FaceWindow w = SnappedWindow(design);
  BodyLayout body;
  body.Rows = design.Rows;
  body.Cols = design.Cols;
  body.Shape = place;
  body.Material = [&](int row, int col) {
    const float s = (static_cast<float>(col) + 0.5f) / static_cast<float>(design.Cols);
    const float t = (static_cast<float>(row) + 0.5f) / static_cast<float>(design.Rows);
    return s > w.S0 && s < w.S1 && t > w.T0 && t < w.T1 ? face : skin;
  };
  // Point sampling wraps: a coordinate of exactly 1 would fetch the texel at 0, so the edges stay
  // half a texel inside (across the seam at the back, s = 1 and s = 0 are the same skin anyway).
  body.Uv = [face, w](std::uint32_t material, float s, float t) {
    auto inside = [](float v, int size) { return std::clamp(v, 0.5f / static_cast<float>(size), 1.0f - 0.5f / static_cast<float>(size)); };
    if (material == face)
      return std::pair{inside((s - w.S0) / (w.S1 - w.S0), kFaceSize), inside((t - w.T0) / (w.T1 - w.T0), kFaceSize)};
    return std::pair{s, inside(t, kSkinHeight)};
  };
  AddBody(model.Mesh, body);

  Vec3 lo{1e9f, 1e9f, 1e9f}, hi{-1e9f, -1e9f, -1e9f};
  for (const Vec3& p : model.Mesh.Nodes()) {
    lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
    hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
  }
  PoseFrame& f = model.Frame;
  f.Centre = (lo + hi) * 0.5f;
  f.Bottom = lo.y;
  f.Top = hi.y;
  f.Radius = std::max(hi.x - lo.x, hi.z - lo.z) * 0.5f;
  for (size_t i = 0; i < 3; ++i) {
    // Just off the surface, so that the marker mesh of the debug view shows.
    const Vec3 on = place(design.GrabDirections[i]);
    f.Grab[i] = on + gfx::Vec3Normalize(on - f.Centre) * 0.03f;
  }
  const Vec3 half{f.Radius, (f.Top - f.Bottom) * 0.5f, f.Radius};
  model.Companion = f.Centre + Vec3{design.CompanionOffset.x * half.x, design.CompanionOffset.y * half.y,
                                    design.CompanionOffset.z * half.z};
  return model;
}

gfx::Image PaintSkinTexture(const CreatureDesign& design) {
  gfx::Image image(kSkinWidth, kSkinHeight);
  FillFunction(image, design.Skin);
  return image;
}

gfx::Image PaintFaceTexture(const CreatureDesign& design) {
  const FaceWindow w = SnappedWindow(design);
  gfx::Image image(kFaceSize, kFaceSize);
  // The same skin as around the window, so that the border does not show.
  FillFunction(image, [&](float u, float v) {
    return WithAlpha(design.Skin(w.S0 + u * (w.S1 - w.S0), w.T0 + v * (w.T1 - w.T0)), 1.0f);
  });
  FaceCanvas canvas(image, 2.0f * kPi * (w.S1 - w.S0), kPi * (w.T1 - w.T0));
  design.PaintFace(canvas);
  return image;
}

}  // namespace demo
