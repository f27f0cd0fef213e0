#pragma once
// The hardware device: the device interface on OpenGL 3.3 core, drawing the same pictures as the
// reference device. With GPU vertex processing one shader program transforms and lights the
// vertices; with CPU vertex processing the reference device's vertex stage does that work and the
// GPU gets transformed, lit vertices. It draws into its own frame buffer; Present shows it in the
// device window's X11 window where EGL can draw there, else hands the window the read-back picture.
#include <memory>
#include <vector>

#include "platform/gfx/device_base.h"
#include "platform/gfx/reference/vertex_stage.h"

namespace gfx {

namespace opengl {
class EglContext;
class Program;
class RenderTarget;
class ResourceCache;
struct ShaderSources;
enum class VertexInput;
}  // namespace opengl

enum class VertexProcessing { Gpu, Cpu };

class OpenGLDevice final : public DeviceBase {
 public:
  // Nothing when no OpenGL 3.3 core context can be made, the shaders do not compile or the back
  // buffer is empty or larger than 8192 x 8192. sources replaces the built-in shaders (for tests).
  static std::unique_ptr<OpenGLDevice> Create(const PresentParameters& params, VertexProcessing vertices,
                                              const opengl::ShaderSources* sources = nullptr);
  ~OpenGLDevice() override;

  bool Clear(unsigned flags, Color color, float z, std::uint32_t stencil) override;
  bool BeginScene() override;
  bool EndScene() override;
  // False while the context is lost; Reset then makes a new one.
  bool Present() override;
  bool Reset(const PresentParameters& params) override;
  const Image& BackBuffer() const override;

  bool DrawPrimitive(PrimitiveType type, unsigned start_vertex, unsigned primitive_count) override;
  bool DrawIndexedPrimitive(PrimitiveType type, unsigned min_index, unsigned num_vertices, unsigned start_index,
                            unsigned primitive_count) override;

  VertexProcessing Vertices() const { return vertices_; }
  // Whether Present draws into the window itself rather than handing it a picture.
  bool PresentsToWindow() const;
  // Drops the context as a driver reset would, so that the next Present fails (for tests).
  void LoseContext();

 private:
  OpenGLDevice(const PresentParameters& params, VertexProcessing vertices);
  // A context with the program and the frame buffer, ready to draw; false when any part fails.
  bool MakeContext(const opengl::ShaderSources* sources);
  bool Ready();
  // Deletes the context's objects, or only forgets them when the context cannot be made current.
  void ReleaseObjects();
  // Sets the pixel states and the program's uniforms for a draw of the current state.
  void PrepareDraw(opengl::VertexInput input);
  // Draws through the reference device's vertex stage: the CPU transforms and lights.
  bool DrawProcessed(bool indexed, PrimitiveType type, unsigned first, unsigned primitive_count);
  bool DrawOnGpu(bool indexed, PrimitiveType type, unsigned first, unsigned primitive_count);

  PresentParameters params_;
  VertexProcessing vertices_;
  bool in_scene_ = false;
  bool lost_ = false;
  bool window_refused_ = false;  // EGL could not draw into the desktop window
  std::unique_ptr<opengl::EglContext> context_;
  std::unique_ptr<opengl::Program> program_;
  std::unique_ptr<opengl::RenderTarget> target_;
  std::unique_ptr<opengl::ResourceCache> cache_;
  unsigned vertex_array_ = 0;
  reference::VertexBatch batch_;   // reused between draws
  std::vector<unsigned> corners_;  // reused between draws
  std::vector<float> processed_;   // reused between draws
  mutable Image back_buffer_;
  mutable bool back_buffer_stale_ = true;
};

}  // namespace gfx
