#include "support/fake_driver.h"

#include "platform/gfx/reference/reference_device.h"

namespace test {

namespace {

class FakeDevice final : public gfx::Device {
 public:
  FakeDevice(std::unique_ptr<gfx::Device> inner, bool present_fails, std::shared_ptr<FakeDriverLog> log)
      : inner_(std::move(inner)), present_fails_(present_fails), log_(std::move(log)) {}
  bool Clear(unsigned flags, gfx::Color color, float z, std::uint32_t stencil) override {
    return inner_->Clear(flags, color, z, stencil);
  }
  bool BeginScene() override { return inner_->BeginScene(); }
  bool EndScene() override { return inner_->EndScene(); }
  bool Present() override {
    ++log_->Presents;
    return present_fails_ ? false : inner_->Present();
  }
  bool Reset(const gfx::PresentParameters& params) override {
    ++log_->Resets;
    return inner_->Reset(params);
  }
  const gfx::Image& BackBuffer() const override { return inner_->BackBuffer(); }

 private:
  std::unique_ptr<gfx::Device> inner_;
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
    return std::make_unique<FakeDevice>(gfx::ReferenceDevice::Create(params), config_.PresentFails, log_);
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
