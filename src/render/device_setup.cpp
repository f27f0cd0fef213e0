#include "render/device_setup.h"

#include <array>

#include "app/Unit1.h"
#include "app/viewer.h"
#include "platform/gfx/driver.h"

namespace {

struct DeviceTry {
  gfx::DeviceType Type;
  unsigned Behavior;
};
constexpr std::array<DeviceTry, 3> kDeviceTries = {{
    {gfx::DeviceType::Hardware, gfx::kCreateHardwareVertexProcessing},
    {gfx::DeviceType::Hardware, gfx::kCreateSoftwareVertexProcessing},
    {gfx::DeviceType::Reference, gfx::kCreateSoftwareVertexProcessing},
}};

bool Fail(Viewer& viewer, const char* text) {
  viewer.Application.MessageBox(text, "Error", ui::kMbOk | ui::kMbIconError);
  return false;
}

}  // namespace

bool SetupDevice(Viewer& viewer) {
  ViewerState& s = viewer.State;
  TForm1& form = *viewer.Form1;
  const auto& create_driver = viewer.GetPlatform().CreateDriver;
  s.Direct3D = create_driver ? create_driver(gfx::kDriverVersion) : nullptr;
  if (!s.Direct3D) return Fail(viewer, "Direct3Dの作成に失敗しました");

  gfx::DisplayMode mode;
  if (!s.Direct3D->GetAdapterDisplayMode(0, mode)) return Fail(viewer, "画面モードの取得に失敗しました");

  gfx::PresentParameters& p = s.PresentParams;
  p = gfx::PresentParameters{};
  p.BackBufferWidth = static_cast<unsigned>(form.Panel1.Width);
  p.BackBufferHeight = static_cast<unsigned>(form.Panel1.Height);
  p.BackBufferFormat = mode.PixelFormat;
  p.BackBufferCount = 1;
  p.MultiSampleType = 0;
  p.Swap = gfx::SwapEffect::Discard;
  p.DeviceWindow = &form.Panel1Window;
  p.Windowed = true;
  p.EnableAutoDepthStencil = true;
  p.AutoDepthStencilFormat = gfx::Format::D16;

  for (const DeviceTry& attempt : kDeviceTries) {
    s.Device = s.Direct3D->CreateDevice(0, attempt.Type, &form.Panel1Window, attempt.Behavior, p);
    if (s.Device) return true;
  }
  return Fail(viewer, "Direct3Dデバイスの生成に失敗しました");
}

void ReleaseDevice(Viewer& viewer) {
  viewer.State.Device.reset();
  viewer.State.Direct3D.reset();
}
