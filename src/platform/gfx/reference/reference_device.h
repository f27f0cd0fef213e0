#pragma once
// The reference device: draws in software into a 32-bit back buffer with a 16-bit depth buffer and
// hands the back buffer to its window on Present.
#include <memory>
#include <vector>

#include "platform/gfx/device.h"

namespace gfx {

class ReferenceDevice final : public Device {
 public:
  // Nothing for a back buffer of no pixels or of more than 8192 x 8192.
  static std::unique_ptr<ReferenceDevice> Create(const PresentParameters& params);

  bool Clear(unsigned flags, Color color, float z, std::uint32_t stencil) override;
  bool BeginScene() override;
  bool EndScene() override;
  bool Present() override;
  bool Reset(const PresentParameters& params) override;
  const Image& BackBuffer() const override { return back_buffer_; }

 private:
  explicit ReferenceDevice(const PresentParameters& params);

  PresentParameters params_;
  Image back_buffer_;
  std::vector<std::uint16_t> depth_;
  bool in_scene_ = false;
};

}  // namespace gfx
