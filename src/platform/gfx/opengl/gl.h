#pragma once
// OpenGL 3.3 core and EGL, as this folder uses them; nothing outside platform/gfx/opengl includes it.
#define GL_GLEXT_PROTOTYPES 1
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/glcorearb.h>
