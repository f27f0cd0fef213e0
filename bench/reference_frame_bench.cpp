// Frame time of the reference device on the heaviest scene the viewer allows (bench/heavy_frame.h),
// split into vertex work (transform and lighting), triangle set-up and rasterisation, and pixels
// (shading, blending, writing):
//   full frame         everything
//   no pixels          the same draws with every pixel failing the depth test
//   vertex stage only  transform and lighting of every vertex, nothing drawn
// Each is measured on one thread and with the device's second rasterising thread.
// Usage: reference_frame_bench [frames]
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "bench/bench_support.h"
#include "bench/heavy_frame.h"
#include "platform/gfx/reference/reference_device.h"
#include "platform/gfx/reference/vertex_stage.h"
#include "platform/gfx/vertex_format.h"

int main(int argc, char** argv) {
  const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
  auto device = gfx::ReferenceDevice::Create(640, 480);
  gfx::Device& d = *device;

  const bench::Scene s = bench::MakeHeavyScene(d);

  gfx::reference::VertexBatch batch;
  const gfx::DeviceState& state = device->State();
  const double vertex = bench::SecondsPerCall(frames, [&] {
    d.SetStreamSource(0, s.background.vertices, 32);
    d.SetVertexShader(gfx::kFvfMesh);
    gfx::reference::RunVertexStage(state, 0, s.background.vertex_count, batch);
    d.SetStreamSource(0, s.model.vertices, 32);
    gfx::reference::RunVertexStage(state, 0, s.model.vertex_count, batch);
  });

  int covered = 0;
  bench::DrawFrame(d, s, 1.0f);
  for (std::uint32_t px : d.BackBuffer().Pixels) covered += (px != 0xFF505064u);
  std::printf("reference device, 640 x 480, %d frames: model %u triangles, background %u triangles, 13 sprites\n",
              frames, s.model.triangle_count, s.background.triangle_count);
  std::printf("pixels covered by the picture: %d of %d\n", covered, 640 * 480);
  double one_thread_full = 0.0;
  for (const bool two : {false, true}) {
    device->UseTwoThreads(two);
    if (two && !device->UsesTwoThreads()) break;
    const double full = bench::SecondsPerCall(frames, [&] { bench::DrawFrame(d, s, 1.0f); });
    const double no_pixels = bench::SecondsPerCall(frames, [&] { bench::DrawFrame(d, s, -1.0f); });
    const double setup = std::max(0.0, no_pixels - vertex), pixels = std::max(0.0, full - no_pixels);
    std::printf("%s:\n", two ? "two threads" : "one thread");
    std::printf("  full frame:          %8.3f ms  %8.1f frames/s\n", full * 1e3, 1.0 / full);
    std::printf("    vertex work:       %8.3f ms  %5.1f %%\n", vertex * 1e3, 100.0 * vertex / full);
    std::printf("    set-up, raster:    %8.3f ms  %5.1f %%  (triangle set-up, spans, depth test)\n", setup * 1e3,
                100.0 * setup / full);
    std::printf("    pixels:            %8.3f ms  %5.1f %%  (texture, colour, blending, writes)\n", pixels * 1e3,
                100.0 * pixels / full);
    if (two) std::printf("  two threads against one: %.2f times the frame rate\n", one_thread_full / full);
    one_thread_full = full;
  }
  return 0;
}
