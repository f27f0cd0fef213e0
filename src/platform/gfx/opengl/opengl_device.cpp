#include "platform/gfx/opengl/opengl_device.h"

#include <cstddef>
#include <cstring>

#include "platform/gfx/opengl/egl_context.h"
#include "platform/gfx/opengl/gl.h"
#include "platform/gfx/opengl/program.h"
#include "platform/gfx/opengl/render_target.h"
#include "platform/gfx/opengl/resource_cache.h"
#include "platform/gfx/opengl/shaders.h"
#include "platform/gfx/reference/draw_call.h"
#include "platform/gfx/vertex_format.h"

namespace gfx {

namespace {

using opengl::VertexInput;

constexpr unsigned kMaxSide = 8192;
// The largest vertex stride every OpenGL implementation takes; wider strides go through the CPU.
constexpr unsigned kMaxGpuStride = 2048;

enum Attribute : GLuint { kPosition, kNormal, kDiffuse, kSpecular, kTex, kAttributeCount };

// A vertex after the CPU's vertex stage: position, diffuse, specular, texture coordinates.
struct ProcessedVertex {
  float x, y, z, w, r, g, b, a, sr, sg, sb, unused, u, v;
};
constexpr std::size_t kProcessedFloats = sizeof(ProcessedVertex) / sizeof(float);

GLenum GlMode(PrimitiveType type) {
  switch (type) {
    case PrimitiveType::TriangleStrip: return GL_TRIANGLE_STRIP;
    case PrimitiveType::TriangleFan: return GL_TRIANGLE_FAN;
    default: return GL_TRIANGLES;
  }
}

GLenum GlBlend(std::uint32_t factor) {
  switch (factor) {
    case kBlendOne: return GL_ONE;
    case kBlendSrcColor: return GL_SRC_COLOR;
    case kBlendInvSrcColor: return GL_ONE_MINUS_SRC_COLOR;
    case kBlendSrcAlpha: return GL_SRC_ALPHA;
    case kBlendInvSrcAlpha: return GL_ONE_MINUS_SRC_ALPHA;
    case kBlendDestAlpha: return GL_DST_ALPHA;
    case kBlendInvDestAlpha: return GL_ONE_MINUS_DST_ALPHA;
    case kBlendDestColor: return GL_DST_COLOR;
    case kBlendInvDestColor: return GL_ONE_MINUS_DST_COLOR;
    default: return GL_ZERO;
  }
}

// Whether the errors recorded since the last look include the loss of the context (a driver reset).
bool ContextLost() {
  bool lost = false;
  for (int i = 0; i < 16; ++i) {  // a lost context may keep reporting errors: look at a few only
    const GLenum error = glGetError();
    if (error == GL_NO_ERROR) break;
    lost = lost || error == GL_CONTEXT_LOST;
  }
  return lost;
}

// The constant value an attribute has where the vertex format lacks it.
void SetMissing(GLuint attribute) {
  glDisableVertexAttribArray(attribute);
  switch (attribute) {
    case kPosition: glVertexAttrib4f(attribute, 0, 0, 0, 1); break;
    case kDiffuse: glVertexAttrib4f(attribute, 1, 1, 1, 1); break;
    default: glVertexAttrib4f(attribute, 0, 0, 0, 0); break;
  }
}

void SetArray(GLuint attribute, GLint size, GLenum type, bool normalised, std::size_t stride, std::size_t offset) {
  glEnableVertexAttribArray(attribute);
  glVertexAttribPointer(attribute, size, type, normalised ? GL_TRUE : GL_FALSE, static_cast<GLsizei>(stride),
                        reinterpret_cast<const void*>(offset));
}

void SetFloats(GLuint attribute, int offset, GLint size, std::size_t stride) {
  if (offset < 0) {
    SetMissing(attribute);
  } else {
    SetArray(attribute, size, GL_FLOAT, false, stride, static_cast<std::size_t>(offset));
  }
}

// A colour of the vertex format is a 32-bit 0xAARRGGBB value: the bytes B, G, R, A in memory.
void SetColour(GLuint attribute, int offset, std::size_t stride) {
  if (offset < 0) {
    SetMissing(attribute);
  } else {
    SetArray(attribute, GL_BGRA, GL_UNSIGNED_BYTE, true, stride, static_cast<std::size_t>(offset));
  }
}

}  // namespace

std::unique_ptr<OpenGLDevice> OpenGLDevice::Create(const PresentParameters& params, VertexProcessing vertices,
                                                   const opengl::ShaderSources* sources) {
  if (params.BackBufferWidth == 0 || params.BackBufferHeight == 0 || params.BackBufferWidth > kMaxSide ||
      params.BackBufferHeight > kMaxSide)
    return nullptr;
  std::unique_ptr<OpenGLDevice> device(new OpenGLDevice(params, vertices));
  if (!device->MakeContext(sources)) return nullptr;
  return device;
}

OpenGLDevice::OpenGLDevice(const PresentParameters& params, VertexProcessing vertices)
    : params_(params), vertices_(vertices) {}

OpenGLDevice::~OpenGLDevice() { ReleaseObjects(); }

void OpenGLDevice::ReleaseObjects() {
  // With the context current its objects are deleted; with none current (the context is lost) the
  // calls reach no context and do nothing, and no other device's objects are touched.
  if (!context_ || !context_->MakeCurrent()) opengl::EglContext::ReleaseCurrent();
  cache_.reset();
  target_.reset();
  program_.reset();
  if (vertex_array_ != 0) glDeleteVertexArrays(1, &vertex_array_);
  vertex_array_ = 0;
}

bool OpenGLDevice::MakeContext(const opengl::ShaderSources* sources) {
  ReleaseObjects();
  context_.reset();
  context_ = opengl::EglContext::Create(params_.DeviceWindow != nullptr && params_.DeviceWindow->HasNativeWindow());
  if (!context_) return false;
  program_ = opengl::Program::Build(sources ? *sources : opengl::DefaultShaders(vertices_ == VertexProcessing::Gpu));
  if (!program_) return false;
  target_ = opengl::RenderTarget::Create(static_cast<int>(params_.BackBufferWidth),
                                         static_cast<int>(params_.BackBufferHeight));
  if (!target_) return false;
  cache_ = std::make_unique<opengl::ResourceCache>();
  glGenVertexArrays(1, &vertex_array_);
  glBindVertexArray(vertex_array_);
  glDepthFunc(GL_LEQUAL);
  glFrontFace(GL_CCW);
  target_->Clear(true, 0xFF000000u, true, 1.0f);
  back_buffer_stale_ = true;
  lost_ = ContextLost();
  return !lost_;
}

bool OpenGLDevice::Ready() {
  if (lost_ || !context_) return false;
  if (!context_->MakeCurrent()) {
    lost_ = true;
    return false;
  }
  return true;
}

bool OpenGLDevice::PresentsToWindow() const { return context_ && context_->HasWindow(); }

void OpenGLDevice::LoseContext() {
  ReleaseObjects();
  context_.reset();
  lost_ = true;
}

bool OpenGLDevice::Clear(unsigned flags, Color color, float z, std::uint32_t stencil) {
  (void)stencil;  // no stencil buffer: the viewer never uses one
  if (!Ready()) return false;
  target_->Clear((flags & kClearTarget) != 0, color, (flags & kClearZBuffer) != 0, z);
  back_buffer_stale_ = true;
  return true;
}

bool OpenGLDevice::BeginScene() {
  if (in_scene_) return false;
  in_scene_ = true;
  return true;
}

bool OpenGLDevice::EndScene() {
  if (!in_scene_) return false;
  in_scene_ = false;
  return true;
}

bool OpenGLDevice::Present() {
  if (in_scene_ || !Ready()) return false;
  // The desktop window exists only once the front end has made it: attached at the first present
  // after that. Where EGL cannot draw into it, it gets the pictures instead.
  if (context_->OnX11() && !context_->HasWindow() && !window_refused_) {
    const std::uintptr_t window = params_.DeviceWindow != nullptr ? params_.DeviceWindow->NativeWindow() : 0;
    if (window != 0 && !context_->AttachWindow(window)) window_refused_ = true;
  }
  if (context_->HasWindow()) {
    target_->ShowInWindow();
    if (!context_->SwapBuffers()) lost_ = eglGetError() == EGL_CONTEXT_LOST;
  } else if (params_.DeviceWindow != nullptr) {
    params_.DeviceWindow->ShowFrame(BackBuffer());
  }
  cache_->Sweep();
  if (ContextLost()) lost_ = true;
  return !lost_;
}

bool OpenGLDevice::Reset(const PresentParameters& params) {
  if (params.BackBufferWidth != params_.BackBufferWidth || params.BackBufferHeight != params_.BackBufferHeight)
    return false;
  params_ = params;
  in_scene_ = false;
  // Resources keep their contents in memory, so a new context gets them again on first use.
  if (lost_ && !MakeContext(nullptr)) return false;
  return true;
}

const Image& OpenGLDevice::BackBuffer() const {
  if (back_buffer_stale_ && context_ && target_ && !lost_ && context_->MakeCurrent()) {
    target_->ReadInto(back_buffer_);
    back_buffer_stale_ = false;
  }
  if (back_buffer_.Empty())
    back_buffer_ = Image(static_cast<int>(params_.BackBufferWidth), static_cast<int>(params_.BackBufferHeight));
  return back_buffer_;
}

void OpenGLDevice::PrepareDraw(VertexInput input) {
  const DeviceState& s = state_;
  if (s.Get(RenderState::ZEnable) != 0) {
    glEnable(GL_DEPTH_TEST);
    glDepthMask(s.Get(RenderState::ZWriteEnable) != 0 ? GL_TRUE : GL_FALSE);
  } else {
    glDisable(GL_DEPTH_TEST);
  }
  // Screen vertices are not clipped against the depth range.
  if (input == VertexInput::Screen) {
    glEnable(GL_DEPTH_CLAMP);
  } else {
    glDisable(GL_DEPTH_CLAMP);
  }
  // The picture is drawn with rows top to bottom, so OpenGL's counter-clockwise is clockwise on the
  // screen with y downwards.
  switch (s.Get(RenderState::CullMode)) {
    case kCullCounterClockwise:
      glEnable(GL_CULL_FACE);
      glCullFace(GL_BACK);
      break;
    case kCullClockwise:
      glEnable(GL_CULL_FACE);
      glCullFace(GL_FRONT);
      break;
    default: glDisable(GL_CULL_FACE); break;
  }
  if (s.Get(RenderState::AlphaBlendEnable) != 0) {
    glEnable(GL_BLEND);
    glBlendFunc(GlBlend(s.Get(RenderState::SrcBlend)), GlBlend(s.Get(RenderState::DestBlend)));
  } else {
    glDisable(GL_BLEND);
  }
  // Draws leave the alpha channel alone; only Clear writes it.
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
  const bool textured = s.Texture0 && !s.Texture0->Level0().Empty();
  glActiveTexture(GL_TEXTURE0);
  if (textured) {
    cache_->TextureFor(s.Texture0);
  } else {
    glBindTexture(GL_TEXTURE_2D, 0);
  }
  program_->Apply(s, input, static_cast<int>(params_.BackBufferWidth),
                  static_cast<int>(params_.BackBufferHeight), textured);
  back_buffer_stale_ = true;
}

bool OpenGLDevice::DrawPrimitive(PrimitiveType type, unsigned start_vertex, unsigned primitive_count) {
  if (!Ready()) return false;
  if (vertices_ == VertexProcessing::Gpu) return DrawOnGpu(false, type, start_vertex, primitive_count);
  return DrawProcessed(false, type, start_vertex, primitive_count);
}

bool OpenGLDevice::DrawIndexedPrimitive(PrimitiveType type, unsigned min_index, unsigned num_vertices,
                                        unsigned start_index, unsigned primitive_count) {
  (void)min_index;
  (void)num_vertices;  // the range is taken from the indices themselves, as the reference device does
  if (!Ready()) return false;
  if (vertices_ == VertexProcessing::Gpu) return DrawOnGpu(true, type, start_index, primitive_count);
  return DrawProcessed(true, type, start_index, primitive_count);
}

bool OpenGLDevice::DrawOnGpu(bool indexed, PrimitiveType type, unsigned first, unsigned primitive_count) {
  const DeviceState& s = state_;
  const unsigned vertex_count = reference::VerticesOf(type, primitive_count);
  if (vertex_count == 0) return false;
  unsigned low = 0, high = 0;
  if (indexed) {
    if (!reference::IndexRange(s, type, first, primitive_count, low, high)) return false;
    if (s.BaseVertex + low < s.BaseVertex) return false;  // overflow
    if (!reference::StreamHolds(s, s.BaseVertex + low, high - low + 1)) return false;
  } else if (!reference::StreamHolds(s, first, vertex_count)) {
    return false;
  }
  const VertexLayout layout = LayoutOf(s.Fvf);
  if (s.Stride > kMaxGpuStride) return DrawProcessed(indexed, type, first, primitive_count);

  PrepareDraw(layout.Transformed ? VertexInput::Screen : VertexInput::Model);
  cache_->BufferFor(s.Stream);
  SetFloats(kPosition, layout.Position, layout.Transformed ? 4 : 3, s.Stride);
  SetFloats(kNormal, layout.Normal, 3, s.Stride);
  SetColour(kDiffuse, layout.Diffuse, s.Stride);
  SetColour(kSpecular, layout.Specular, s.Stride);
  SetFloats(kTex, layout.Tex, 2, s.Stride);
  const auto count = static_cast<GLsizei>(vertex_count);
  if (indexed) {
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, cache_->BufferFor(s.Indices));
    glDrawElementsBaseVertex(GlMode(type), count, GL_UNSIGNED_SHORT,
                             reinterpret_cast<const void*>(static_cast<std::size_t>(first) * 2),
                             static_cast<GLint>(s.BaseVertex));
  } else {
    glDrawArrays(GlMode(type), static_cast<GLint>(first), count);
  }
  return true;
}

bool OpenGLDevice::DrawProcessed(bool indexed, PrimitiveType type, unsigned first, unsigned primitive_count) {
  const bool ok = indexed ? reference::ProcessIndexedDraw(state_, type, first, primitive_count, batch_, corners_)
                          : reference::ProcessDraw(state_, type, first, primitive_count, batch_, corners_);
  if (!ok) return false;
  processed_.resize(corners_.size() * kProcessedFloats);
  float* out = processed_.data();
  for (const unsigned corner : corners_) {
    const reference::ClipVertex& c = batch_.Vertices[corner];
    // Screen vertices carry 1 / w as the shader expects rhw.
    const ProcessedVertex v{c.x, c.y, c.z, batch_.Screen ? 1.0f / c.w : c.w, c.r, c.g, c.b, c.a, c.sr, c.sg, c.sb,
                            0.0f, c.u, c.v};
    std::memcpy(out, &v, sizeof v);
    out += kProcessedFloats;
  }
  PrepareDraw(batch_.Screen ? VertexInput::Screen : VertexInput::Clip);
  cache_->Scratch(processed_.data(), processed_.size() * sizeof(float));
  constexpr std::size_t stride = sizeof(ProcessedVertex);
  SetFloats(kPosition, static_cast<int>(offsetof(ProcessedVertex, x)), 4, stride);
  SetMissing(kNormal);
  SetFloats(kDiffuse, static_cast<int>(offsetof(ProcessedVertex, r)), 4, stride);
  SetFloats(kSpecular, static_cast<int>(offsetof(ProcessedVertex, sr)), 4, stride);
  SetFloats(kTex, static_cast<int>(offsetof(ProcessedVertex, u)), 2, stride);
  glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(corners_.size()));
  return true;
}

}  // namespace gfx
