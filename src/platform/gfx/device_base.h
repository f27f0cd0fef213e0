#pragma once
// What both devices keep alike: the current transforms, render and texture-stage states, lights,
// material, bound resources, and the creation of resources in memory.
#include <array>
#include <memory>

#include "platform/gfx/device.h"

namespace gfx {

inline constexpr unsigned kMaxLights = 8;
// Limits on resources a file may make a device create.
inline constexpr std::size_t kMaxBufferBytes = 256u * 1024 * 1024;
inline constexpr int kMaxTextureDimension = 8192;

struct DeviceState {
  Matrix World = Matrix::Identity(), View = Matrix::Identity(), Projection = Matrix::Identity();
  std::array<std::uint32_t, kRenderStateCount> RenderStates{};
  std::array<Light, kMaxLights> Lights{};
  std::array<bool, kMaxLights> LightEnabled{};
  Material CurrentMaterial;
  std::shared_ptr<Texture> Texture0;
  std::array<std::uint32_t, kTextureStageStateCount> Stage0{};
  std::shared_ptr<VertexBuffer> Stream;
  unsigned Stride = 0;
  std::shared_ptr<IndexBuffer> Indices;
  unsigned BaseVertex = 0;
  unsigned Fvf = 0;

  DeviceState();
  std::uint32_t Get(RenderState s) const { return RenderStates[static_cast<size_t>(s)]; }
  std::uint32_t Get(TextureStageState s) const { return Stage0[static_cast<size_t>(s)]; }
};

class DeviceBase : public Device {
 public:
  bool SetTransform(TransformType type, const Matrix& matrix) override;
  bool GetTransform(TransformType type, Matrix& matrix) const override;
  bool SetRenderState(RenderState state, std::uint32_t value) override;
  std::uint32_t GetRenderState(RenderState state) const override;
  bool SetLight(unsigned index, const Light& light) override;
  bool LightEnable(unsigned index, bool enable) override;
  bool SetMaterial(const Material& material) override;
  bool SetTexture(unsigned stage, std::shared_ptr<Texture> texture) override;
  bool SetTextureStageState(unsigned stage, TextureStageState state, std::uint32_t value) override;
  std::shared_ptr<VertexBuffer> CreateVertexBuffer(std::size_t bytes, unsigned fvf) override;
  std::shared_ptr<IndexBuffer> CreateIndexBuffer(std::size_t bytes) override;
  std::shared_ptr<Texture> CreateTexture(Image image) override;
  bool SetStreamSource(unsigned stream, std::shared_ptr<VertexBuffer> buffer, unsigned stride) override;
  bool SetIndices(std::shared_ptr<IndexBuffer> buffer, unsigned base_vertex) override;
  bool SetVertexShader(unsigned fvf) override;

  const DeviceState& State() const { return state_; }

 protected:
  DeviceState state_;
};

}  // namespace gfx
