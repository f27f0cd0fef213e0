#include "render/shared_resources.h"

#include <string>

#include "app/Unit1.h"
#include "app/viewer.h"
#include "navigation/scene_loader.h"
#include "platform/gfx/texture_loader.h"

namespace {

constexpr float kFieldOfView = 0.52359867f;
constexpr float kNearPlane = 0.1f, kFarPlane = 100.0f;

void SetupLight(ViewerState& s) {
  s.Light = gfx::Light{};
  s.Light.Type = gfx::LightType::Directional;
  s.Light.Diffuse = {0.8f, 0.8f, 0.8f, 0.0f};
  s.Light.Specular = {1.0f, 1.0f, 1.0f, 0.0f};
  s.Light.Ambient = {0.8f, 0.6f, 0.6f, 0.0f};
  s.LightVector = {-1.0f, -1.0f, 1.0f};
  s.Light.Direction = gfx::Vec3Normalize(s.LightVector);
  s.Device->SetLight(0, s.Light);
  s.Device->LightEnable(0, true);
}

void CreateSprites(ViewerState& s) {
  gfx::Device& d = *s.Device;
  s.MosaicSprite->Create(d, s.SpriteCreateQuad, "sys\\mozaik.dds", 100, 100, 200, 200);
  s.CursorSprite->Create(d, s.SpriteCreateQuad, "sys\\cursor2.dds", 100, 100, 50, 50);
  s.LogoSprite->Create(d, s.SpriteCreateQuad, "sys\\logo.dds", 100, 100, 256, 256);
  for (size_t i = 0; i < s.ButtonSprites.size(); ++i)
    s.ButtonSprites[i]->Create(d, s.SpriteCreateQuad, "sys\\" + std::to_string(i + 1) + ".dds", 32, 32, 32, 32);
  for (size_t i = 0; i < s.HighlightSprites.size(); ++i)
    s.HighlightSprites[i]->Create(d, s.SpriteCreateQuad, "sys\\" + std::to_string(i + 1) + "h.dds", 32, 32, 32, 32);
}

}  // namespace

bool SetupProjection(Viewer& viewer) {
  const TForm1& form = *viewer.Form1;
  const float aspect = static_cast<float>(form.Panel1.Width) / static_cast<float>(form.Panel1.Height);
  viewer.State.Device->SetTransform(gfx::TransformType::Projection,
                                    gfx::MatrixPerspectiveFovLH(kFieldOfView, aspect, kNearPlane, kFarPlane));
  return true;
}

bool SetupSharedResources(Viewer& viewer) {
  ViewerState& s = viewer.State;
  s.ControlMesh->Load(*s.Device, "sys\\ctrl.x", kMeshLoadFlags);
  s.CenterMesh->Load(*s.Device, "sys\\centerp.x", kMeshLoadFlags);
  CreateSprites(s);
  SetupLight(s);
  SetupProjection(viewer);
  s.Eye = {0.0f, 0.0f, 0.1f};
  s.LookAt = {0.0f, 0.0f, 0.0f};
  LoadScene(viewer, s.SceneId);
  s.MultiTexture = gfx::CreateTextureFromFile(*s.Device, "sys\\multi1.dds");
  return true;
}

void ReleaseSharedResources(Viewer& viewer) {
  ViewerState& s = viewer.State;
  s.BackgroundMesh->Free();
  s.ModelMesh->Free();
  s.LogoSprite->Free();
  for (auto& sprite : s.ButtonSprites) sprite->Free();
  for (auto& sprite : s.HighlightSprites) sprite->Free();
  s.ControlMesh->Free();
  s.CenterMesh->Free();
  s.MosaicSprite->Free();
  s.CursorSprite->Free();
  for (auto& motion : s.MotionObjects) motion->Free();
  s.MultiTexture.reset();
}
