#include "navigation/camera.h"

#include <cmath>

#include "app/Unit1.h"
#include "app/viewer.h"
#include "platform/ui/format.h"

namespace {
constexpr double kLightLead = 1.2;  // the light turns this far ahead of the camera
}

void UpdateCamera(Viewer& viewer) {
  ViewerState& s = viewer.State;
  const double yaw = s.Yaw, pitch = s.Pitch, dist = s.Dist;
  s.Eye.y = static_cast<float>(s.LookAt.y + std::sin(pitch) * dist);
  s.Eye.x = static_cast<float>(s.LookAt.x + (-dist * std::sin(yaw)) * std::cos(pitch));
  s.Eye.z = static_cast<float>(s.LookAt.z + (-dist * std::cos(yaw)) * std::cos(pitch));
  viewer.Form1->Label1.Caption =
      ui::Format("%.2f/%.2f/%.2f", dist, static_cast<double>(s.Eye.x), static_cast<double>(s.Eye.z));
  s.LightVector = {static_cast<float>(-std::cos(yaw + kLightLead)), static_cast<float>(-0.4 - 1.5 * pitch),
                   static_cast<float>(std::sin(yaw + kLightLead))};
  s.Light.Direction = gfx::Vec3Normalize(s.LightVector);
  if (gfx::Device* device = s.GetDevice()) {
    device->SetLight(0, s.Light);
    device->LightEnable(0, true);
  }
}
