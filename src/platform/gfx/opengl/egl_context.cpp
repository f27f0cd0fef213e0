#include "platform/gfx/opengl/egl_context.h"

#include <string_view>

namespace gfx::opengl {

namespace {

bool HasExtension(const char* list, std::string_view name) {
  if (list == nullptr) return false;
  std::string_view rest(list);
  while (!rest.empty()) {
    const size_t end = rest.find(' ');
    if (rest.substr(0, end) == name) return true;
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return false;
}

// The display of a platform, initialised. Displays are shared by every context of the process and
// are never terminated: terminating one would take the other devices' contexts with it.
EGLDisplay OpenDisplay(EGLenum platform, const char* extension) {
  if (!HasExtension(eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS), extension)) return EGL_NO_DISPLAY;
  EGLDisplay display = eglGetPlatformDisplay(platform, EGL_DEFAULT_DISPLAY, nullptr);
  if (display == EGL_NO_DISPLAY) return EGL_NO_DISPLAY;
  EGLint major = 0, minor = 0;
  if (!eglInitialize(display, &major, &minor) || major * 10 + minor < 15) return EGL_NO_DISPLAY;
  return display;
}

EGLConfig ChooseConfig(EGLDisplay display, bool window) {
  const EGLint attributes[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_SURFACE_TYPE, window ? EGL_WINDOW_BIT : 0,
                               EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8, EGL_NONE};
  EGLConfig config = nullptr;
  EGLint count = 0;
  if (!eglChooseConfig(display, attributes, &config, 1, &count) || count < 1) return nullptr;
  return config;
}

EGLContext MakeContext(EGLDisplay display, EGLConfig config) {
  if (!eglBindAPI(EGL_OPENGL_API)) return EGL_NO_CONTEXT;
  const EGLint attributes[] = {EGL_CONTEXT_MAJOR_VERSION, 3, EGL_CONTEXT_MINOR_VERSION, 3,
                               EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT, EGL_NONE};
  return eglCreateContext(display, config, EGL_NO_CONTEXT, attributes);
}

}  // namespace

// A context on the display that can be current without a surface; nothing where any part fails.
std::unique_ptr<EglContext> EglContext::Create(bool x11) {
  struct Platform {
    EGLenum Name;
    const char* Extension;
  };
  const Platform x11_platform{EGL_PLATFORM_X11_KHR, "EGL_KHR_platform_x11"};
  const Platform surfaceless{EGL_PLATFORM_SURFACELESS_MESA, "EGL_MESA_platform_surfaceless"};
  for (const Platform& platform : {x11_platform, surfaceless}) {
    const bool on_x11 = platform.Name == EGL_PLATFORM_X11_KHR;
    if (on_x11 && !x11) continue;
    EGLDisplay display = OpenDisplay(platform.Name, platform.Extension);
    if (display == EGL_NO_DISPLAY || !HasExtension(eglQueryString(display, EGL_EXTENSIONS), "EGL_KHR_surfaceless_context"))
      continue;
    EGLConfig config = ChooseConfig(display, on_x11);
    if (config == nullptr) continue;
    EGLContext context = MakeContext(display, config);
    if (context == EGL_NO_CONTEXT) continue;
    std::unique_ptr<EglContext> made(new EglContext(display, config, context, on_x11));
    if (made->MakeCurrent()) return made;
  }
  return nullptr;
}

bool EglContext::AttachWindow(std::uintptr_t window) {
  if (!x11_ || surface_ != EGL_NO_SURFACE || window == 0) return false;
  // The X11 platform takes a pointer to the window id.
  unsigned long native = window;
  EGLSurface surface = eglCreatePlatformWindowSurface(display_, config_, &native, nullptr);
  if (surface == EGL_NO_SURFACE) return false;
  if (eglMakeCurrent(display_, surface, surface, context_) != EGL_TRUE) {
    eglDestroySurface(display_, surface);
    eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, context_);
    return false;
  }
  surface_ = surface;
  eglSwapInterval(display_, 0);  // presenting must not wait for the screen
  return true;
}

EglContext::~EglContext() {
  if (eglGetCurrentContext() == context_) eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  if (surface_ != EGL_NO_SURFACE) eglDestroySurface(display_, surface_);
  eglDestroyContext(display_, context_);
}

bool EglContext::MakeCurrent() {
  if (eglGetCurrentContext() == context_) return true;
  return eglMakeCurrent(display_, surface_, surface_, context_) == EGL_TRUE;
}

void EglContext::ReleaseCurrent() {
  EGLDisplay display = eglGetCurrentDisplay();
  if (display != EGL_NO_DISPLAY) eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
}

bool EglContext::SwapBuffers() { return surface_ != EGL_NO_SURFACE && eglSwapBuffers(display_, surface_) == EGL_TRUE; }

}  // namespace gfx::opengl
