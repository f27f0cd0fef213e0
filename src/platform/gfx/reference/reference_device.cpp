#include "platform/gfx/reference/reference_device.h"

#include <algorithm>
#include <cmath>

namespace gfx {

namespace {
constexpr unsigned kMaxSide = 8192;

std::uint16_t DepthValue(float z) {
  if (!(z > 0.0f)) return 0;  // also NaN
  if (z >= 1.0f) return 0xFFFF;
  return static_cast<std::uint16_t>(std::lround(z * 65535.0f));
}
}  // namespace

std::unique_ptr<ReferenceDevice> ReferenceDevice::Create(const PresentParameters& params) {
  if (params.BackBufferWidth == 0 || params.BackBufferHeight == 0 || params.BackBufferWidth > kMaxSide ||
      params.BackBufferHeight > kMaxSide)
    return nullptr;
  return std::unique_ptr<ReferenceDevice>(new ReferenceDevice(params));
}

ReferenceDevice::ReferenceDevice(const PresentParameters& params)
    : params_(params),
      back_buffer_(static_cast<int>(params.BackBufferWidth), static_cast<int>(params.BackBufferHeight), 0xFF000000u),
      depth_(back_buffer_.Pixels.size(), 0xFFFF) {}

bool ReferenceDevice::Clear(unsigned flags, Color color, float z, std::uint32_t stencil) {
  (void)stencil;  // no stencil buffer: the viewer never uses one
  if (flags & kClearTarget) std::fill(back_buffer_.Pixels.begin(), back_buffer_.Pixels.end(), color);
  if (flags & kClearZBuffer) std::fill(depth_.begin(), depth_.end(), DepthValue(z));
  return true;
}

bool ReferenceDevice::BeginScene() {
  if (in_scene_) return false;
  in_scene_ = true;
  return true;
}

bool ReferenceDevice::EndScene() {
  if (!in_scene_) return false;
  in_scene_ = false;
  return true;
}

bool ReferenceDevice::Present() {
  if (in_scene_) return false;
  if (params_.DeviceWindow != nullptr) params_.DeviceWindow->ShowFrame(back_buffer_);
  return true;
}

bool ReferenceDevice::Reset(const PresentParameters& params) {
  if (params.BackBufferWidth != params_.BackBufferWidth || params.BackBufferHeight != params_.BackBufferHeight)
    return false;
  params_ = params;
  in_scene_ = false;
  return true;
}

}  // namespace gfx
