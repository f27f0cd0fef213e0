#include "platform/gfx/driver.h"

#include "platform/gfx/reference/reference_device.h"

namespace gfx {

namespace {

class SystemDriver final : public Driver {
 public:
  bool GetAdapterDisplayMode(unsigned adapter, DisplayMode& mode) override {
    if (adapter != 0) return false;
    // The pictures are composed in 32-bit colour whatever the desktop uses.
    mode = DisplayMode{1920, 1080, 60, Format::X8R8G8B8};
    return true;
  }

  std::unique_ptr<Device> CreateDevice(unsigned adapter, DeviceType type, PresentTarget* focus_window,
                                       unsigned behavior_flags, const PresentParameters& params) override {
    (void)focus_window;
    (void)behavior_flags;
    if (adapter != 0) return nullptr;
    // The hardware device comes with the OpenGL layer; until then only the reference device exists.
    if (type != DeviceType::Reference) return nullptr;
    return ReferenceDevice::Create(params);
  }
};

}  // namespace

std::unique_ptr<Driver> CreateDriver(unsigned version) {
  if (version != kDriverVersion) return nullptr;
  return std::make_unique<SystemDriver>();
}

}  // namespace gfx
