#pragma once
// The rendering layer's device interface, shaped after the operations the viewer's logic calls.
// Two devices implement it: the reference device (a software rasteriser) and the OpenGL device.
// Results are true on success; the logic mostly does not look at them.
#include <cstdint>
#include <memory>

#include "platform/gfx/image.h"
#include "platform/gfx/math.h"
#include "platform/gfx/resources.h"

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
  // Whether the window is, or will be, a window of the desktop (X11) that a device may draw into
  // directly rather than hand it pictures.
  virtual bool HasNativeWindow() const { return false; }
  // Its window system id once it exists; 0 before, and for a window that only takes pictures.
  virtual std::uintptr_t NativeWindow() const { return 0; }
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

enum class TransformType : std::uint32_t { View = 2, Projection = 3, World = 256 };

enum class RenderState : std::uint32_t {
  ZEnable = 7,
  ZWriteEnable = 14,
  SrcBlend = 19,
  DestBlend = 20,
  CullMode = 22,
  DitherEnable = 26,
  AlphaBlendEnable = 27,
  SpecularEnable = 29,
  Lighting = 137,
};
inline constexpr int kRenderStateCount = 138;

enum Blend : std::uint32_t {
  kBlendZero = 1,
  kBlendOne = 2,
  kBlendSrcColor = 3,
  kBlendInvSrcColor = 4,
  kBlendSrcAlpha = 5,
  kBlendInvSrcAlpha = 6,
  kBlendDestAlpha = 7,
  kBlendInvDestAlpha = 8,
  kBlendDestColor = 9,
  kBlendInvDestColor = 10,
};

enum Cull : std::uint32_t { kCullNone = 1, kCullClockwise = 2, kCullCounterClockwise = 3 };

enum class TextureStageState : std::uint32_t {
  ColorOp = 1,
  ColorArg1 = 2,
  ColorArg2 = 3,
  AlphaOp = 4,
  AlphaArg1 = 5,
  AlphaArg2 = 6,
};
inline constexpr int kTextureStageStateCount = 7;

enum TextureOp : std::uint32_t {
  kTopDisable = 1,
  kTopSelectArg1 = 2,
  kTopSelectArg2 = 3,
  kTopModulate = 4,
};

enum TextureArg : std::uint32_t { kTaDiffuse = 0, kTaCurrent = 1, kTaTexture = 2 };

enum class PrimitiveType : std::uint32_t { TriangleList = 4, TriangleStrip = 5, TriangleFan = 6 };

class Device {
 public:
  virtual ~Device() = default;

  // Fills the whole render target and/or depth buffer.
  virtual bool Clear(unsigned flags, Color color, float z, std::uint32_t stencil) = 0;
  virtual bool BeginScene() = 0;
  virtual bool EndScene() = 0;
  // Shows the whole back buffer in the device window.
  virtual bool Present() = 0;
  // Restores a lost device with the same parameters; resources and states are kept.
  virtual bool Reset(const PresentParameters& params) = 0;
  // The back buffer as drawn so far (for tests and diagnostics).
  virtual const Image& BackBuffer() const = 0;

  virtual bool SetTransform(TransformType type, const Matrix& matrix) = 0;
  virtual bool GetTransform(TransformType type, Matrix& matrix) const = 0;
  virtual bool SetRenderState(RenderState state, std::uint32_t value) = 0;
  virtual std::uint32_t GetRenderState(RenderState state) const = 0;
  // Light 0 is the only one the viewer uses; indices 0 .. 7 exist.
  virtual bool SetLight(unsigned index, const Light& light) = 0;
  virtual bool LightEnable(unsigned index, bool enable) = 0;
  virtual bool SetMaterial(const Material& material) = 0;
  // Stage 0 is the only stage; an empty texture unbinds it.
  virtual bool SetTexture(unsigned stage, std::shared_ptr<Texture> texture) = 0;
  virtual bool SetTextureStageState(unsigned stage, TextureStageState state, std::uint32_t value) = 0;

  // Resources; nothing when the size is 0 or too large.
  virtual std::shared_ptr<VertexBuffer> CreateVertexBuffer(std::size_t bytes, unsigned fvf) = 0;
  virtual std::shared_ptr<IndexBuffer> CreateIndexBuffer(std::size_t bytes) = 0;
  virtual std::shared_ptr<Texture> CreateTexture(Image image) = 0;

  virtual bool SetStreamSource(unsigned stream, std::shared_ptr<VertexBuffer> buffer, unsigned stride) = 0;
  // Indices are added to base_vertex before they address the stream.
  virtual bool SetIndices(std::shared_ptr<IndexBuffer> buffer, unsigned base_vertex) = 0;
  // The vertex format of the stream (a combination of the kFvf flags).
  virtual bool SetVertexShader(unsigned fvf) = 0;
  virtual bool DrawPrimitive(PrimitiveType type, unsigned start_vertex, unsigned primitive_count) = 0;
  virtual bool DrawIndexedPrimitive(PrimitiveType type, unsigned min_index, unsigned num_vertices,
                                    unsigned start_index, unsigned primitive_count) = 0;
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
