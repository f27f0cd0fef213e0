#pragma once
// The reference device: draws in software into a 32-bit back buffer with a depth buffer and hands the
// back buffer to its window on Present. One triangle goes DrawPrimitive -> vertex stage (transform,
// light) -> clip -> project -> cull -> rasterise (shade, blend).
#include <memory>
#include <vector>

#include "platform/gfx/device_base.h"
#include "platform/gfx/reference/band_worker.h"
#include "platform/gfx/reference/rasterizer.h"
#include "platform/gfx/reference/vertex_stage.h"

namespace gfx {

class ReferenceDevice final : public DeviceBase {
 public:
  // Nothing for a back buffer of no pixels or of more than 8192 x 8192.
  static std::unique_ptr<ReferenceDevice> Create(const PresentParameters& params);
  // A back buffer of this size and every other parameter at its default: for loading and off-screen work.
  static std::unique_ptr<ReferenceDevice> Create(unsigned width, unsigned height);

  bool Clear(unsigned flags, Color color, float z, std::uint32_t stencil) override;
  bool BeginScene() override;
  bool EndScene() override;
  bool Present() override;
  bool Reset(const PresentParameters& params) override;
  const Image& BackBuffer() const override { return back_buffer_; }

  // Whether large draws are rasterised in two bands on two threads (on by default where a second core
  // exists). The picture is the same either way.
  void UseTwoThreads(bool on);
  bool UsesTwoThreads() const { return worker_ != nullptr; }

  bool DrawPrimitive(PrimitiveType type, unsigned start_vertex, unsigned primitive_count) override;
  bool DrawIndexedPrimitive(PrimitiveType type, unsigned min_index, unsigned num_vertices, unsigned start_index,
                            unsigned primitive_count) override;

 private:
  explicit ReferenceDevice(const PresentParameters& params);
  // Draws triangles whose corners are given as indices into the batch.
  void DrawTriangles(const reference::VertexBatch& batch, const std::vector<unsigned>& corners);
  // Rasterises the triangles gathered by DrawTriangles, in two bands at once where that pays.
  void Rasterize(const reference::PixelState& pixel);

  PresentParameters params_;
  Image back_buffer_;
  std::vector<float> depth_;
  bool in_scene_ = false;
  reference::VertexBatch batch_;                  // reused between draws
  std::vector<unsigned> corners_;                 // reused between draws
  std::vector<reference::RasterVertex> screen_;  // three per triangle to rasterise, reused
  std::unique_ptr<reference::BandWorker> worker_;  // only where a second core exists
};

}  // namespace gfx
