#include "platform/gfx/reference/reference_device.h"

#include <algorithm>
#include <cmath>
#include <thread>

#include "platform/gfx/reference/clipper.h"
#include "platform/gfx/reference/draw_call.h"
#include "platform/gfx/reference/rasterizer.h"

namespace gfx {

namespace {

constexpr unsigned kMaxSide = 8192;
// Draws with fewer triangles are rasterised on one thread: waking the other costs more.
constexpr size_t kMinTrianglesForBands = 64;

reference::RasterVertex Project(const reference::ClipVertex& c, float half_width, float half_height) {
  const float rhw = 1.0f / c.w;
  return {(c.x * rhw + 1.0f) * half_width, (1.0f - c.y * rhw) * half_height, c.z * rhw, rhw,
          c.r, c.g, c.b, c.a, c.sr, c.sg, c.sb, c.u, c.v};
}

reference::RasterVertex OnScreen(const reference::ClipVertex& c) {
  return {c.x, c.y, c.z, 1.0f / c.w, c.r, c.g, c.b, c.a, c.sr, c.sg, c.sb, c.u, c.v};
}

// Twice the signed area; positive when the corners run clockwise on the screen (y downwards).
double Winding(const reference::RasterVertex* v, int count) {
  double sum = 0.0;
  for (int i = 0; i < count; ++i) {
    const auto& a = v[i];
    const auto& b = v[(i + 1) % count];
    sum += static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
  }
  return sum;
}

}  // namespace

std::unique_ptr<ReferenceDevice> ReferenceDevice::Create(unsigned width, unsigned height) {
  PresentParameters params;
  params.BackBufferWidth = width;
  params.BackBufferHeight = height;
  return Create(params);
}

std::unique_ptr<ReferenceDevice> ReferenceDevice::Create(const PresentParameters& params) {
  if (params.BackBufferWidth == 0 || params.BackBufferHeight == 0 || params.BackBufferWidth > kMaxSide ||
      params.BackBufferHeight > kMaxSide)
    return nullptr;
  return std::unique_ptr<ReferenceDevice>(new ReferenceDevice(params));
}

ReferenceDevice::ReferenceDevice(const PresentParameters& params)
    : params_(params),
      back_buffer_(static_cast<int>(params.BackBufferWidth), static_cast<int>(params.BackBufferHeight), 0xFF000000u),
      depth_(back_buffer_.Pixels.size(), 1.0f) {
  UseTwoThreads(std::thread::hardware_concurrency() > 1);
}

void ReferenceDevice::UseTwoThreads(bool on) {
  if (!on) {
    worker_.reset();
  } else if (!worker_) {
    worker_ = std::make_unique<reference::BandWorker>();
  }
}

bool ReferenceDevice::Clear(unsigned flags, Color color, float z, std::uint32_t stencil) {
  (void)stencil;  // no stencil buffer: the viewer never uses one
  if (flags & kClearTarget) std::fill(back_buffer_.Pixels.begin(), back_buffer_.Pixels.end(), color);
  if (flags & kClearZBuffer) std::fill(depth_.begin(), depth_.end(), z);
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

bool ReferenceDevice::DrawPrimitive(PrimitiveType type, unsigned start_vertex, unsigned primitive_count) {
  if (!reference::ProcessDraw(state_, type, start_vertex, primitive_count, batch_, corners_)) return false;
  DrawTriangles(batch_, corners_);
  return true;
}

bool ReferenceDevice::DrawIndexedPrimitive(PrimitiveType type, unsigned min_index, unsigned num_vertices,
                                           unsigned start_index, unsigned primitive_count) {
  (void)min_index;
  (void)num_vertices;
  if (!reference::ProcessIndexedDraw(state_, type, start_index, primitive_count, batch_, corners_)) return false;
  DrawTriangles(batch_, corners_);
  return true;
}

void ReferenceDevice::DrawTriangles(const reference::VertexBatch& batch, const std::vector<unsigned>& corners) {
  const DeviceState& s = state_;
  reference::PixelState pixel;
  pixel.DepthTest = s.Get(RenderState::ZEnable) != 0;
  pixel.DepthWrite = s.Get(RenderState::ZWriteEnable) != 0;
  pixel.Blend = s.Get(RenderState::AlphaBlendEnable) != 0;
  pixel.SrcBlend = s.Get(RenderState::SrcBlend);
  pixel.DestBlend = s.Get(RenderState::DestBlend);
  pixel.Texture = s.Texture0 ? &s.Texture0->Level0() : nullptr;
  pixel.ColorOp = s.Get(TextureStageState::ColorOp);
  pixel.ColorArg1 = s.Get(TextureStageState::ColorArg1);
  pixel.ColorArg2 = s.Get(TextureStageState::ColorArg2);
  pixel.AlphaOp = s.Get(TextureStageState::AlphaOp);
  pixel.AlphaArg1 = s.Get(TextureStageState::AlphaArg1);
  pixel.AlphaArg2 = s.Get(TextureStageState::AlphaArg2);
  pixel.Specular = s.Get(RenderState::SpecularEnable) != 0;
  const std::uint32_t cull = s.Get(RenderState::CullMode);
  const float half_width = static_cast<float>(back_buffer_.Width) / 2.0f;
  const float half_height = static_cast<float>(back_buffer_.Height) / 2.0f;

  screen_.clear();
  reference::ClipPolygon polygon;
  reference::RasterVertex screen[12];
  for (size_t t = 0; t + 2 < corners.size(); t += 3) {
    const reference::ClipVertex* c[3] = {&batch.Vertices[corners[t]], &batch.Vertices[corners[t + 1]],
                                         &batch.Vertices[corners[t + 2]]};
    int count = 3;
    if (batch.Screen) {
      for (int i = 0; i < 3; ++i) screen[i] = OnScreen(*c[i]);
    } else if (reference::Inside(*c[0]) && reference::Inside(*c[1]) && reference::Inside(*c[2])) {
      for (int i = 0; i < 3; ++i) screen[i] = Project(*c[i], half_width, half_height);
    } else {
      reference::ClipTriangle(*c[0], *c[1], *c[2], polygon);
      count = polygon.Count;
      if (count < 3) continue;
      for (int i = 0; i < count; ++i) screen[i] = Project(polygon.Vertices[static_cast<size_t>(i)], half_width, half_height);
    }
    const double winding = Winding(screen, count);
    if (!(winding != 0.0)) continue;
    if ((cull == kCullCounterClockwise && winding < 0.0) || (cull == kCullClockwise && winding > 0.0)) continue;
    for (int i = 1; i + 1 < count; ++i) screen_.insert(screen_.end(), {screen[0], screen[i], screen[i + 1]});
  }
  Rasterize(pixel);
}

void ReferenceDevice::Rasterize(const reference::PixelState& pixel) {
  const reference::RenderTarget target{&back_buffer_, &depth_};
  const int height = back_buffer_.Height;
  auto band = [&](int first_row, int last_row) {
    for (size_t t = 0; t + 2 < screen_.size(); t += 3)
      reference::RasterizeTriangle(target, pixel, screen_[t], screen_[t + 1], screen_[t + 2], first_row, last_row);
  };
  if (worker_ && screen_.size() / 3 >= kMinTrianglesForBands) {
    worker_->RunBoth([&] { band(0, height / 2); }, [&] { band(height / 2, height); });
  } else {
    band(0, height);
  }
}

}  // namespace gfx
