#include "support/fake_driver.h"

#include <algorithm>

#include "platform/gfx/device_base.h"

namespace test {

namespace {

// Keeps states like a real device but draws nothing; presents what Clear left.
class FakeDevice final : public gfx::DeviceBase {
 public:
  FakeDevice(const gfx::PresentParameters& params, bool present_fails, std::shared_ptr<FakeDriverLog> log)
      : params_(params),
        back_buffer_(static_cast<int>(params.BackBufferWidth), static_cast<int>(params.BackBufferHeight)),
        present_fails_(present_fails),
        log_(std::move(log)) {}
  bool Clear(unsigned flags, gfx::Color color, float, std::uint32_t) override {
    if (flags & gfx::kClearTarget) std::fill(back_buffer_.Pixels.begin(), back_buffer_.Pixels.end(), color);
    return true;
  }
  bool BeginScene() override { return true; }
  bool EndScene() override { return true; }
  bool Present() override {
    ++log_->Presents;
    if (present_fails_) return false;
    if (params_.DeviceWindow) params_.DeviceWindow->ShowFrame(back_buffer_);
    return true;
  }
  bool Reset(const gfx::PresentParameters&) override {
    ++log_->Resets;
    return true;
  }
  const gfx::Image& BackBuffer() const override { return back_buffer_; }
  bool DrawPrimitive(gfx::PrimitiveType, unsigned, unsigned) override { return true; }
  bool DrawIndexedPrimitive(gfx::PrimitiveType, unsigned, unsigned, unsigned, unsigned) override { return true; }

 private:
  gfx::PresentParameters params_;
  gfx::Image back_buffer_;
  bool present_fails_;
  std::shared_ptr<FakeDriverLog> log_;
};

class FakeDriver final : public gfx::Driver {
 public:
  FakeDriver(FakeDriverConfig config, std::shared_ptr<FakeDriverLog> log) : config_(config), log_(std::move(log)) {}

  bool GetAdapterDisplayMode(unsigned, gfx::DisplayMode& mode) override {
    if (config_.DisplayModeFails) return false;
    mode = {1024, 768, 60, gfx::Format::R5G6B5};
    return true;
  }

  std::unique_ptr<gfx::Device> CreateDevice(unsigned, gfx::DeviceType type, gfx::PresentTarget*, unsigned behavior,
                                            const gfx::PresentParameters& params) override {
    log_->Tries.push_back({type, behavior});
    const bool hardware = type == gfx::DeviceType::Hardware;
    const bool ok = hardware ? (behavior == gfx::kCreateHardwareVertexProcessing ? config_.HardwareVertexProcessing
                                                                                 : config_.SoftwareVertexProcessing)
                             : config_.Reference;
    if (!ok) return nullptr;
    return std::make_unique<FakeDevice>(params, config_.PresentFails, log_);
  }

 private:
  FakeDriverConfig config_;
  std::shared_ptr<FakeDriverLog> log_;
};

}  // namespace

std::unique_ptr<gfx::Driver> MakeFakeDriver(FakeDriverConfig config, std::shared_ptr<FakeDriverLog> log) {
  return std::make_unique<FakeDriver>(config, std::move(log));
}

}  // namespace test
