#pragma once
// An OpenGL 3.3 core context made through EGL. It draws into frame buffer objects without any
// surface; on the X11 display (for a window on the desktop) an X11 window can be attached later, to
// present into. Without X11 it lives on Mesa's surfaceless platform, which needs no display at all.
// Failing to make one is an answer, not an error: Create returns nothing.
#include <cstdint>
#include <memory>

#include "platform/gfx/opengl/gl.h"

namespace gfx::opengl {

class EglContext {
 public:
  // x11: try the X11 display first (falls back to the surfaceless platform).
  static std::unique_ptr<EglContext> Create(bool x11);
  ~EglContext();
  EglContext(const EglContext&) = delete;
  EglContext& operator=(const EglContext&) = delete;

  // Makes the context current on this thread unless it already is. False when it cannot be (lost).
  bool MakeCurrent();
  // Leaves the thread with no current context.
  static void ReleaseCurrent();
  bool OnX11() const { return x11_; }
  // Presents from now on into the X11 window (an X11 window id). False where EGL cannot draw there;
  // the context is then as it was.
  bool AttachWindow(std::uintptr_t window);
  bool HasWindow() const { return surface_ != EGL_NO_SURFACE; }
  // Shows the window's back buffer. False when that failed (a lost context among the reasons).
  bool SwapBuffers();

 private:
  EglContext(EGLDisplay display, EGLConfig config, EGLContext context, bool x11)
      : display_(display), config_(config), context_(context), x11_(x11) {}
  EGLDisplay display_;
  EGLConfig config_;
  EGLContext context_;
  bool x11_;
  EGLSurface surface_ = EGL_NO_SURFACE;
};

}  // namespace gfx::opengl
