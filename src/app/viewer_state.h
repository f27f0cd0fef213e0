#pragma once
// Everything that outlives one event handler: switches, camera, scene selection, morph figures,
// sprite templates, and the long-lived objects with the device that draws them.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/screen_vertex.h"
#include "mesh/MyMotionOBJ.h"
#include "mesh/MyXOBJ.h"
#include "overlay/My2DOBJ.h"
#include "platform/gfx/device.h"
#include "platform/gfx/math.h"

inline constexpr std::array<ScreenVertex, 4> kSpriteQuadTemplate = {{
    {220.0f, 140.0f, 0.5f, 1.0f, 0.0f, 0.0f},
    {420.0f, 140.0f, 0.5f, 1.0f, 1.0f, 0.0f},
    {220.0f, 340.0f, 0.5f, 1.0f, 0.0f, 1.0f},
    {420.0f, 340.0f, 0.5f, 1.0f, 1.0f, 1.0f},
}};

struct ViewerState {
  // Settings group.
  bool Active = false;
  bool RenderBack = true;
  bool ComputeNormals = true;
  bool Modify = true;
  bool Debug = false;
  bool Dragging = false;
  bool Grabbing = false;
  bool Demo = false;
  float Yaw = 0.0f;
  float Pitch = 0.5f;
  float Dist = 1.0f;
  int GrabbedPoint = 0;
  int HoverPoint = 0;
  int MotionObjectCount = kMotionObjectCount;
  bool HoverActive = false;
  float MorphSpeed = 1.0f;
  int SceneGroup = 1;
  int SceneIndex = 0;
  int SceneId = 10;
  int MultiPassCount = 0;
  std::array<ScreenVertex, 4> SpriteCreateQuad = kSpriteQuadTemplate;
  std::array<ScreenVertex, 4> SpriteMoveQuad = kSpriteQuadTemplate;

  // Object group.
  std::unique_ptr<gfx::Driver> Direct3D;
  std::unique_ptr<gfx::Device> Device;
  gfx::PresentParameters PresentParams;
  gfx::Vec3 Eye;
  gfx::Vec3 LookAt;
  std::unique_ptr<MyXOBJ> BackgroundMesh, ModelMesh, ControlMesh, CenterMesh;
  std::unique_ptr<My2DOBJ> MosaicSprite, CursorSprite, LogoSprite;
  std::array<std::unique_ptr<My2DOBJ>, 5> ButtonSprites, HighlightSprites;
  std::vector<std::unique_ptr<MyMotionOBJ>> MotionObjects;
  float FrameTime = 0.0f;
  std::uint32_t FrameCount = 0;
  std::uint32_t FpsBaseFrame = 0;
  std::uint32_t FpsSampleTime = 0;
  std::uint32_t FpsBaseTime = 0;
  std::shared_ptr<gfx::Texture> MultiTexture;
  gfx::Light Light;
  gfx::Vec3 LightVector;
  int MouseX = 0, MouseY = 0;
  // Set when a scene load failed reading the motion files: the tables are then half new, half old,
  // and the old key shapes must not be morphed through them. Cleared by the next successful load.
  bool MorphHalted = false;
  // The last view that was not degenerate, kept for frames whose camera gives none.
  gfx::Matrix LastValidView = gfx::Matrix::Identity();

  gfx::Device* GetDevice() const { return Device.get(); }
  const gfx::PresentParameters* GetPresentParams() const { return &PresentParams; }
};
