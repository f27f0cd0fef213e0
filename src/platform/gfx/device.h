#pragma once
// The rendering layer's device interface, shaped after the operations the viewer's logic calls.
// Two devices implement it: the reference device (a software rasteriser) and the OpenGL device.
// Results are true on success; the logic mostly does not look at them.
#include <cstdint>
#include <memory>

#include "platform/gfx/image.h"

namespace gfx {

using Color = std::uint32_t;  // 0xAARRGGBB

enum class Format : std::uint32_t {
  Unknown = 0,
  R8G8B8 = 20,
  A8R8G8B8 = 21,
  X8R8G8B8 = 22,
  R5G6B5 = 23,
  X1R5G5B5 = 24,
  A1R5G5B5 = 25,
  A4R4G4B4 = 26,
  D16 = 80,
};

enum class DeviceType { Hardware = 1, Reference = 2 };

// Vertex processing requested at device creation.
inline constexpr unsigned kCreateSoftwareVertexProcessing = 0x20;
inline constexpr unsigned kCreateHardwareVertexProcessing = 0x40;

enum class SwapEffect : std::uint32_t { Discard = 1, Flip = 2, Copy = 3 };

struct DisplayMode {
  unsigned Width = 0, Height = 0, RefreshRate = 0;
  Format PixelFormat = Format::Unknown;
};

// The window a device presents into: it receives each presented back buffer.
class PresentTarget {
 public:
  virtual ~PresentTarget() = default;
  virtual void ShowFrame(const Image& frame) = 0;
};

struct PresentParameters {
  unsigned BackBufferWidth = 0;
  unsigned BackBufferHeight = 0;
  Format BackBufferFormat = Format::Unknown;
  unsigned BackBufferCount = 0;
  unsigned MultiSampleType = 0;
  SwapEffect Swap = SwapEffect::Discard;
  PresentTarget* DeviceWindow = nullptr;
  bool Windowed = false;
  bool EnableAutoDepthStencil = false;
  Format AutoDepthStencilFormat = Format::Unknown;
  unsigned Flags = 0;
  unsigned FullScreenRefreshRateInHz = 0;
  unsigned FullScreenPresentationInterval = 0;
};

// Clear flags.
inline constexpr unsigned kClearTarget = 1, kClearZBuffer = 2, kClearStencil = 4;

class Device {
 public:
  virtual ~Device() = default;

  // Fills the whole render target and/or depth buffer.
  virtual bool Clear(unsigned flags, Color color, float z, std::uint32_t stencil) = 0;
  virtual bool BeginScene() = 0;
  virtual bool EndScene() = 0;
  // Shows the whole back buffer in the device window.
  virtual bool Present() = 0;
  // Restores a lost device with the same parameters; resources are kept.
  virtual bool Reset(const PresentParameters& params) = 0;

  // The back buffer as drawn so far (for tests and diagnostics).
  virtual const Image& BackBuffer() const = 0;
};

// The object devices are created from (one per process).
class Driver {
 public:
  virtual ~Driver() = default;
  virtual bool GetAdapterDisplayMode(unsigned adapter, DisplayMode& mode) = 0;
  // Nothing when this combination of device type and vertex processing cannot be made here.
  virtual std::unique_ptr<Device> CreateDevice(unsigned adapter, DeviceType type, PresentTarget* focus_window,
                                               unsigned behavior_flags, const PresentParameters& params) = 0;
};

}  // namespace gfx
