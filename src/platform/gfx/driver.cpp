#include "platform/gfx/driver.h"

#include "platform/gfx/opengl/opengl_device.h"
#include "platform/gfx/reference/reference_device.h"

namespace gfx {

namespace {

class SystemDriver final : public Driver {
 public:
  explicit SystemDriver(bool opengl) : opengl_(opengl) {}

  bool GetAdapterDisplayMode(unsigned adapter, DisplayMode& mode) override {
    if (adapter != 0) return false;
    // The pictures are composed in 32-bit colour whatever the desktop uses.
    mode = DisplayMode{1920, 1080, 60, Format::X8R8G8B8};
    return true;
  }

  std::unique_ptr<Device> CreateDevice(unsigned adapter, DeviceType type, PresentTarget* focus_window,
                                       unsigned behavior_flags, const PresentParameters& params) override {
    (void)focus_window;  // the device presents into params.DeviceWindow
    if (adapter != 0) return nullptr;
    if (type == DeviceType::Reference) return ReferenceDevice::Create(params);
    if (!opengl_) return nullptr;
    if (behavior_flags & kCreateHardwareVertexProcessing) return OpenGLDevice::Create(params, VertexProcessing::Gpu);
    if (behavior_flags & kCreateSoftwareVertexProcessing) return OpenGLDevice::Create(params, VertexProcessing::Cpu);
    return nullptr;
  }

 private:
  bool opengl_;
};

}  // namespace

std::unique_ptr<Driver> CreateDriver(unsigned version, bool opengl) {
  if (version != kDriverVersion) return nullptr;
  return std::make_unique<SystemDriver>(opengl);
}

const char* DescribeDevice(const Device& device) {
  if (const auto* opengl = dynamic_cast<const OpenGLDevice*>(&device)) {
    return opengl->Vertices() == VertexProcessing::Gpu ? "OpenGL, vertex processing on the GPU"
                                                       : "OpenGL, vertex processing on the CPU";
  }
  return "reference";
}

}  // namespace gfx
