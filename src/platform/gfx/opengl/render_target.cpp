#include "platform/gfx/opengl/render_target.h"

namespace gfx::opengl {

std::unique_ptr<RenderTarget> RenderTarget::Create(int width, int height) {
  std::unique_ptr<RenderTarget> t(new RenderTarget(width, height));
  glGenFramebuffers(1, &t->framebuffer_);
  glGenRenderbuffers(1, &t->colour_);
  glGenRenderbuffers(1, &t->depth_);
  glBindRenderbuffer(GL_RENDERBUFFER, t->colour_);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
  glBindRenderbuffer(GL_RENDERBUFFER, t->depth_);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT32F, width, height);
  glBindFramebuffer(GL_FRAMEBUFFER, t->framebuffer_);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, t->colour_);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, t->depth_);
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) return nullptr;
  t->Bind();
  return t;
}

RenderTarget::~RenderTarget() {
  glDeleteFramebuffers(1, &framebuffer_);
  glDeleteRenderbuffers(1, &colour_);
  glDeleteRenderbuffers(1, &depth_);
}

void RenderTarget::Bind() {
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  glViewport(0, 0, width_, height_);
}

void RenderTarget::Clear(bool colour, std::uint32_t argb, bool depth, float z) {
  GLbitfield mask = 0;
  if (colour) {
    auto channel = [argb](int shift) { return static_cast<float>((argb >> shift) & 0xFF) / 255.0f; };
    glClearColor(channel(16), channel(8), channel(0), channel(24));
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    mask |= GL_COLOR_BUFFER_BIT;
  }
  if (depth) {
    glClearDepth(static_cast<double>(z));
    glDepthMask(GL_TRUE);
    mask |= GL_DEPTH_BUFFER_BIT;
  }
  if (mask != 0) glClear(mask);
}

void RenderTarget::ReadInto(Image& image) {
  if (image.Width != width_ || image.Height != height_) image = Image(width_, height_);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(0, 0, width_, height_, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, image.Pixels.data());
}

void RenderTarget::ShowInWindow() {
  glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  glBlitFramebuffer(0, 0, width_, height_, 0, height_, width_, 0, GL_COLOR_BUFFER_BIT, GL_NEAREST);
  Bind();
}

}  // namespace gfx::opengl
