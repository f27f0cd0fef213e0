#pragma once
// A device with one deliberate fault, forwarding everything else to a real device: what a wrong
// implementation of the pipeline would draw, for checking that picture comparisons notice it.
#include <memory>

#include "platform/gfx/device.h"

namespace test {

enum class Fault { CullingReversed, NoSpecular, NoBlending, NoDepthTest };

class FaultyDevice final : public gfx::Device {
 public:
  FaultyDevice(gfx::Device& inner, Fault fault) : d_(inner), fault_(fault) {
    // The defaults, faulted.
    SetRenderState(gfx::RenderState::CullMode, gfx::kCullCounterClockwise);
    SetRenderState(gfx::RenderState::ZEnable, 1);
  }

  bool SetRenderState(gfx::RenderState state, std::uint32_t value) override {
    using gfx::RenderState;
    if (fault_ == Fault::CullingReversed && state == RenderState::CullMode) {
      if (value == gfx::kCullClockwise) value = gfx::kCullCounterClockwise;
      else if (value == gfx::kCullCounterClockwise) value = gfx::kCullClockwise;
    }
    if ((fault_ == Fault::NoSpecular && state == RenderState::SpecularEnable) ||
        (fault_ == Fault::NoBlending && state == RenderState::AlphaBlendEnable) ||
        (fault_ == Fault::NoDepthTest && state == RenderState::ZEnable))
      value = 0;
    return d_.SetRenderState(state, value);
  }

  bool Clear(unsigned f, gfx::Color c, float z, std::uint32_t s) override { return d_.Clear(f, c, z, s); }
  bool BeginScene() override { return d_.BeginScene(); }
  bool EndScene() override { return d_.EndScene(); }
  bool Present() override { return d_.Present(); }
  bool Reset(const gfx::PresentParameters& p) override { return d_.Reset(p); }
  const gfx::Image& BackBuffer() const override { return d_.BackBuffer(); }
  bool SetTransform(gfx::TransformType t, const gfx::Matrix& m) override { return d_.SetTransform(t, m); }
  bool GetTransform(gfx::TransformType t, gfx::Matrix& m) const override { return d_.GetTransform(t, m); }
  std::uint32_t GetRenderState(gfx::RenderState s) const override { return d_.GetRenderState(s); }
  bool SetLight(unsigned i, const gfx::Light& l) override { return d_.SetLight(i, l); }
  bool LightEnable(unsigned i, bool e) override { return d_.LightEnable(i, e); }
  bool SetMaterial(const gfx::Material& m) override { return d_.SetMaterial(m); }
  bool SetTexture(unsigned s, std::shared_ptr<gfx::Texture> t) override { return d_.SetTexture(s, std::move(t)); }
  bool SetTextureStageState(unsigned s, gfx::TextureStageState t, std::uint32_t v) override {
    return d_.SetTextureStageState(s, t, v);
  }
  std::shared_ptr<gfx::VertexBuffer> CreateVertexBuffer(std::size_t b, unsigned f) override {
    return d_.CreateVertexBuffer(b, f);
  }
  std::shared_ptr<gfx::IndexBuffer> CreateIndexBuffer(std::size_t b) override { return d_.CreateIndexBuffer(b); }
  std::shared_ptr<gfx::Texture> CreateTexture(gfx::Image i) override { return d_.CreateTexture(std::move(i)); }
  bool SetStreamSource(unsigned s, std::shared_ptr<gfx::VertexBuffer> b, unsigned stride) override {
    return d_.SetStreamSource(s, std::move(b), stride);
  }
  bool SetIndices(std::shared_ptr<gfx::IndexBuffer> b, unsigned base) override { return d_.SetIndices(std::move(b), base); }
  bool SetVertexShader(unsigned fvf) override { return d_.SetVertexShader(fvf); }
  bool DrawPrimitive(gfx::PrimitiveType t, unsigned s, unsigned c) override { return d_.DrawPrimitive(t, s, c); }
  bool DrawIndexedPrimitive(gfx::PrimitiveType t, unsigned mi, unsigned n, unsigned s, unsigned c) override {
    return d_.DrawIndexedPrimitive(t, mi, n, s, c);
  }

 private:
  gfx::Device& d_;
  Fault fault_;
};

}  // namespace test
