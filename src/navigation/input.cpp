#include "navigation/input.h"

#include <cmath>

#include "app/viewer.h"
#include "navigation/camera.h"
#include "navigation/scene_loader.h"
#include "overlay/button_bar.h"

namespace {

constexpr double kTurnPerPixel = 0.01;
constexpr float kPitchLimit = 1.57f;
constexpr double kQuarterTurn = 1.57;  // the pan runs sideways to the view, as far as 1.57 makes it
constexpr float kWheelStep = 0.1f;
constexpr float kMinDist = 1.0f, kMaxDist = 10.0f;
constexpr double kGrabSpeedPerPixel = 1.0 / 30.0;
constexpr float kGrabSpeedCap = 2.5f, kGrabSpeedFast = 3.5f;
constexpr int kFirstGroupKeyGroups = 5;  // F1 .. F5
constexpr int kKeypadScenes = 5;         // keypad 0 .. 4

void SelectScene(Viewer& viewer, int group, int index) {
  ViewerState& s = viewer.State;
  s.SceneGroup = group;
  s.SceneIndex = index;
  s.SceneId = group * 10 + index;
  LoadScene(viewer, s.SceneId);
}

}  // namespace

void Panel1MouseDown(Viewer& viewer) {
  ViewerState& s = viewer.State;
  if (s.HoverActive) {
    s.Grabbing = true;
    s.GrabbedPoint = s.HoverPoint;
  } else {
    s.Dragging = true;
  }
  const int row = UpdateButtonBar(viewer);
  // Rows past the bar's buttons still select a scene index; a number that large names no folder.
  if (row != kNoButtonRow && row >= 0 && row < 1000) SelectScene(viewer, s.SceneGroup, row);
}

void Panel1MouseMove(Viewer& viewer, ui::ShiftState shift, int x, int y) {
  ViewerState& s = viewer.State;
  const double dx = static_cast<double>(x) - s.MouseX, dy = static_cast<double>(y) - s.MouseY;
  if (s.Dragging) {
    if (shift & ui::ssLeft) {
      s.Pitch = static_cast<float>(s.Pitch + dy * kTurnPerPixel);
      if (s.Pitch > kPitchLimit) s.Pitch = kPitchLimit;
      if (!(s.Pitch >= -kPitchLimit)) s.Pitch = -kPitchLimit;
      s.Yaw = static_cast<float>(s.Yaw + dx * kTurnPerPixel);
    }
    if ((shift & ui::ssRight) && !(shift & ui::ssShift)) {
      s.LookAt.y = static_cast<float>(s.LookAt.y - dy * kTurnPerPixel);
      s.LookAt.x = static_cast<float>(s.LookAt.x + std::sin(s.Yaw + kQuarterTurn) * dx * kTurnPerPixel);
      s.LookAt.z = static_cast<float>(s.LookAt.z + std::cos(s.Yaw + kQuarterTurn) * dx * kTurnPerPixel);
    }
    if (shift & ui::ssMiddle) s.Dist = static_cast<float>(s.Dist + dy * kTurnPerPixel);
    UpdateCamera(viewer);
  }
  if (s.Grabbing) {
    s.MorphSpeed = static_cast<float>(1.0 + std::sqrt(dx * dx + dy * dy) * kGrabSpeedPerPixel);
    if (s.MorphSpeed > kGrabSpeedCap) s.MorphSpeed = kGrabSpeedFast;
  }
  s.MouseX = x;
  s.MouseY = y;
}

void Panel1MouseUp(Viewer& viewer) {
  ViewerState& s = viewer.State;
  s.Dragging = false;
  s.Grabbing = false;
  s.GrabbedPoint = 0;
}

void FormMouseWheelDown(Viewer& viewer) {
  ViewerState& s = viewer.State;
  s.Dist = s.Dist + kWheelStep;
  if (s.Dist > kMaxDist) s.Dist = kMaxDist;
  UpdateCamera(viewer);
}

void FormMouseWheelUp(Viewer& viewer) {
  ViewerState& s = viewer.State;
  s.Dist = s.Dist - kWheelStep;
  if (!(s.Dist >= kMinDist)) s.Dist = kMinDist;
  UpdateCamera(viewer);
}

void FormKeyUp(Viewer& viewer, ui::KeyCode key) {
  for (int group = 1; group <= kFirstGroupKeyGroups; ++group)
    if (key == ui::key::F(group)) return SelectScene(viewer, group, 0);
  for (int index = 0; index < kKeypadScenes; ++index)
    if (key == ui::key::Numpad(index)) return SelectScene(viewer, viewer.State.SceneGroup, index);
}
