#include "render/frame_composition.h"

#include <array>
#include <cmath>

#include "app/Unit1.h"
#include "app/viewer.h"
#include "environment/Unit2.h"
#include "overlay/button_bar.h"
#include "platform/ui/format.h"
#include "render/projection.h"

namespace {

using gfx::RenderState;

constexpr float kLogoX = 120.0f, kLogoY = 390.0f;

bool Finite(const gfx::Matrix& m) {
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      if (!std::isfinite(m[i][j])) return false;
  return true;
}

// The look-at view from Eye to LookAt, or the last good one when the camera gives none (the eye on the
// target, looking straight along the up vector, or values that are not finite).
const gfx::Matrix& View(ViewerState& s) {
  const gfx::Vec3 up{0, 1, 0};
  const gfx::Vec3 forward = s.LookAt - s.Eye;
  const float length = gfx::Length(forward);
  const bool degenerate = !(length > 1e-6f) || !std::isfinite(length) ||
                          !(gfx::Length(gfx::Cross(up, forward)) > 1e-6f * length);
  if (!degenerate) {
    const gfx::Matrix view = gfx::MatrixLookAtLH(s.Eye, s.LookAt, up);
    if (Finite(view)) s.LastValidView = view;
  }
  return s.LastValidView;
}

std::array<gfx::Vec3, 4> ControlPoints(const SceneEnvironment& e) {
  return {{{e.CP0X, e.CP0Y, e.CP0Z}, {e.CP1X, e.CP1Y, e.CP1Z}, {e.CP2X, e.CP2Y, e.CP2Z}, {e.CP3X, e.CP3Y, e.CP3Z}}};
}

// Markers in the debug view, the mosaic on point 0, the hover test on points 1 to 3. A point that does
// not project onto the screen is skipped for this frame.
void ComposeControlPoints(Viewer& viewer, gfx::Device& d) {
  ViewerState& s = viewer.State;
  const auto points = ControlPoints(viewer.Environment);
  for (int i = 0; i < 4; ++i) {
    const gfx::Vec3 p = points[static_cast<size_t>(i)];
    s.ControlMesh->SetWorld(d, gfx::MatrixTranslation(p.x, p.y, p.z));
    if (s.Debug) {
      s.ControlMesh->Draw(d, s.MultiTexture, s.MultiPassCount);
      continue;
    }
    const std::optional<ScreenPoint> screen = ProjectWorldOrigin(d);
    if (!screen) continue;
    const float sx = static_cast<float>(screen->X), sy = static_cast<float>(screen->Y);
    if (i == 0) {
      s.MosaicSprite->CenterAt(s.SpriteMoveQuad, sx, sy);
      s.MosaicSprite->Draw(d);
      continue;
    }
    const double dx = static_cast<double>(screen->X) - s.MouseX, dy = static_cast<double>(screen->Y) - s.MouseY;
    const int distance = gfx::TruncToInt(std::sqrt(dx * dx + dy * dy));
    if (distance >= kHoverRadius) {
      s.HoverActive = false;
      continue;
    }
    if (s.Grabbing || s.Dragging) continue;
    s.CursorSprite->CenterAt(s.SpriteMoveQuad, sx, sy);
    s.CursorSprite->Draw(d);
    s.HoverPoint = i;
    viewer.Form1->Label2.Caption = ui::Format("%d", viewer.Environment.MotionSelect[1][static_cast<size_t>(i)]);
    s.HoverActive = true;
    return;
  }
}

// The live camera in the editor's labels, with the precision its capture buttons copy.
void WriteCameraReadouts(Viewer& viewer) {
  if (!viewer.Form2) return;
  const ViewerState& s = viewer.State;
  TForm2& editor = *viewer.Form2;
  auto put = [](ui::Label& label, float value) { label.Caption = ui::Format("%.3f", static_cast<double>(value)); };
  put(editor.CX, s.LookAt.x);
  put(editor.CY, s.LookAt.y);
  put(editor.CZ, s.LookAt.z);
  put(editor.LPitch, s.Pitch);
  put(editor.LYaw, s.Yaw);
  put(editor.LDist, s.Dist);
}

}  // namespace

void ComposeFrame(Viewer& viewer) {
  ViewerState& s = viewer.State;
  gfx::Device& d = *s.Device;

  d.SetTransform(gfx::TransformType::View, View(s));
  const gfx::Matrix world = gfx::MatrixRotationY(0.0f);
  d.SetTransform(gfx::TransformType::World, world);
  d.SetRenderState(RenderState::DitherEnable, 1);
  d.SetRenderState(RenderState::Lighting, 1);
  d.SetRenderState(RenderState::ZEnable, 1);
  d.SetRenderState(RenderState::CullMode, gfx::kCullCounterClockwise);

  if (s.RenderBack) s.BackgroundMesh->Draw(d, s.MultiTexture, s.MultiPassCount);

  d.SetRenderState(RenderState::AlphaBlendEnable, 1);
  d.SetRenderState(RenderState::SrcBlend, gfx::kBlendSrcAlpha);
  d.SetRenderState(RenderState::DestBlend, gfx::kBlendInvSrcAlpha);
  d.SetRenderState(RenderState::SpecularEnable, 1);

  s.ModelMesh->SetWorld(d, gfx::MatrixMultiply(world, gfx::MatrixTranslation(0.0f, 0.0f, 0.0f)));
  if (s.Modify && !s.MorphHalted) {
    MorphInputs morph = viewer.MorphContext();
    s.ModelMesh->Morph(morph);
  }
  s.ModelMesh->Draw(d, s.MultiTexture, s.MultiPassCount);

  if (s.Debug) {
    s.CenterMesh->SetWorld(d, gfx::MatrixTranslation(s.LookAt.x, s.LookAt.y, s.LookAt.z));
    s.CenterMesh->Draw(d, s.MultiTexture, s.MultiPassCount);
    WriteCameraReadouts(viewer);
  }

  UpdateButtonBar(viewer);

  if (s.Demo) {
    s.LogoSprite->CenterAt(s.SpriteMoveQuad, kLogoX, kLogoY);
    s.LogoSprite->Draw(d);
  }

  ComposeControlPoints(viewer, d);
}
