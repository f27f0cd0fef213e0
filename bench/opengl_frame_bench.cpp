// The reference device against the OpenGL device on the same 640 x 480 frame (bench/heavy_frame.h),
// in one run: frames per second of each and their ratio. Run with LIBGL_ALWAYS_SOFTWARE=1 for Mesa's
// llvmpipe, the software OpenGL a machine without a GPU would otherwise get. A frame ends with its
// picture in memory: the reference device's back buffer, the OpenGL device's read back (as the
// headless tool and a window without direct presentation get it).
// Usage: opengl_frame_bench [frames]
#include <cstdio>
#include <cstdlib>

#include "bench/bench_support.h"
#include "bench/heavy_frame.h"
#include "platform/gfx/opengl/opengl_device.h"
#include "platform/gfx/reference/reference_device.h"

namespace {

double FrameSeconds(gfx::Device& d, int frames) {
  const bench::Scene s = bench::MakeHeavyScene(d);
  return bench::SecondsPerCall(frames, [&] {
    bench::DrawFrame(d, s, 1.0f);
    (void)d.BackBuffer().Pixels.front();
  });
}

}  // namespace

int main(int argc, char** argv) {
  const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
  gfx::PresentParameters p;
  p.BackBufferWidth = 640;
  p.BackBufferHeight = 480;
  auto reference = gfx::ReferenceDevice::Create(p);
  const double reference_seconds = FrameSeconds(*reference, frames);
  std::printf("640 x 480, %d frames each\n", frames);
  std::printf("  reference device (%s):  %8.3f ms  %7.1f frames/s\n",
              reference->UsesTwoThreads() ? "two threads" : "one thread", reference_seconds * 1e3,
              1.0 / reference_seconds);
  for (const gfx::VertexProcessing v : {gfx::VertexProcessing::Gpu, gfx::VertexProcessing::Cpu}) {
    const char* name = v == gfx::VertexProcessing::Gpu ? "OpenGL, vertices on the GPU" : "OpenGL, vertices on the CPU";
    auto opengl = gfx::OpenGLDevice::Create(p, v);
    if (!opengl) {
      std::printf("  %s: no OpenGL 3.3 core context here\n", name);
      continue;
    }
    const double seconds = FrameSeconds(*opengl, frames);
    std::printf("  %s:  %8.3f ms  %7.1f frames/s;  reference / OpenGL frame rate: %.2f\n", name, seconds * 1e3,
                1.0 / seconds, seconds / reference_seconds);
  }
  return 0;
}
