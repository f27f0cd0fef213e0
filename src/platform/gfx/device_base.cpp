#include "platform/gfx/device_base.h"

namespace gfx {

DeviceState::DeviceState() {
  auto set = [this](RenderState s, std::uint32_t v) { RenderStates[static_cast<size_t>(s)] = v; };
  // The defaults of a device made with a depth buffer.
  set(RenderState::ZEnable, 1);
  set(RenderState::ZWriteEnable, 1);
  set(RenderState::SrcBlend, kBlendOne);
  set(RenderState::DestBlend, kBlendZero);
  set(RenderState::CullMode, kCullCounterClockwise);
  set(RenderState::DitherEnable, 0);
  set(RenderState::AlphaBlendEnable, 0);
  set(RenderState::SpecularEnable, 0);
  set(RenderState::Lighting, 1);
  auto stage = [this](TextureStageState s, std::uint32_t v) { Stage0[static_cast<size_t>(s)] = v; };
  stage(TextureStageState::ColorOp, kTopModulate);
  stage(TextureStageState::ColorArg1, kTaTexture);
  stage(TextureStageState::ColorArg2, kTaCurrent);
  stage(TextureStageState::AlphaOp, kTopSelectArg1);
  stage(TextureStageState::AlphaArg1, kTaTexture);
  stage(TextureStageState::AlphaArg2, kTaCurrent);
}

bool DeviceBase::SetTransform(TransformType type, const Matrix& matrix) {
  switch (type) {
    case TransformType::World: state_.World = matrix; return true;
    case TransformType::View: state_.View = matrix; return true;
    case TransformType::Projection: state_.Projection = matrix; return true;
  }
  return false;
}

bool DeviceBase::GetTransform(TransformType type, Matrix& matrix) const {
  switch (type) {
    case TransformType::World: matrix = state_.World; return true;
    case TransformType::View: matrix = state_.View; return true;
    case TransformType::Projection: matrix = state_.Projection; return true;
  }
  return false;
}

bool DeviceBase::SetRenderState(RenderState state, std::uint32_t value) {
  const auto i = static_cast<size_t>(state);
  if (i >= state_.RenderStates.size()) return false;
  state_.RenderStates[i] = value;
  return true;
}

std::uint32_t DeviceBase::GetRenderState(RenderState state) const {
  const auto i = static_cast<size_t>(state);
  return i < state_.RenderStates.size() ? state_.RenderStates[i] : 0;
}

bool DeviceBase::SetLight(unsigned index, const Light& light) {
  if (index >= kMaxLights) return false;
  state_.Lights[index] = light;
  return true;
}

bool DeviceBase::LightEnable(unsigned index, bool enable) {
  if (index >= kMaxLights) return false;
  state_.LightEnabled[index] = enable;
  return true;
}

bool DeviceBase::SetMaterial(const Material& material) {
  state_.CurrentMaterial = material;
  return true;
}

bool DeviceBase::SetTexture(unsigned stage, std::shared_ptr<Texture> texture) {
  if (stage != 0) return false;
  state_.Texture0 = std::move(texture);
  return true;
}

bool DeviceBase::SetTextureStageState(unsigned stage, TextureStageState state, std::uint32_t value) {
  const auto i = static_cast<size_t>(state);
  if (stage != 0 || i >= state_.Stage0.size()) return false;
  state_.Stage0[i] = value;
  return true;
}

std::shared_ptr<VertexBuffer> DeviceBase::CreateVertexBuffer(std::size_t bytes, unsigned fvf) {
  if (bytes == 0 || bytes > kMaxBufferBytes) return nullptr;
  return std::make_shared<VertexBuffer>(bytes, fvf);
}

std::shared_ptr<IndexBuffer> DeviceBase::CreateIndexBuffer(std::size_t bytes) {
  if (bytes == 0 || bytes > kMaxBufferBytes) return nullptr;
  return std::make_shared<IndexBuffer>(bytes);
}

std::shared_ptr<Texture> DeviceBase::CreateTexture(Image image) {
  if (image.Width <= 0 || image.Height <= 0 || image.Width > kMaxTextureDimension ||
      image.Height > kMaxTextureDimension ||
      image.Pixels.size() != static_cast<size_t>(image.Width) * static_cast<size_t>(image.Height))
    return nullptr;
  return std::make_shared<Texture>(std::move(image));
}

bool DeviceBase::SetStreamSource(unsigned stream, std::shared_ptr<VertexBuffer> buffer, unsigned stride) {
  if (stream != 0) return false;
  state_.Stream = std::move(buffer);
  state_.Stride = stride;
  return true;
}

bool DeviceBase::SetIndices(std::shared_ptr<IndexBuffer> buffer, unsigned base_vertex) {
  state_.Indices = std::move(buffer);
  state_.BaseVertex = base_vertex;
  return true;
}

bool DeviceBase::SetVertexShader(unsigned fvf) {
  state_.Fvf = fvf;
  return true;
}

}  // namespace gfx
