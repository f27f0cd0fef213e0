#pragma once
// The one shader program of the OpenGL device, in two forms: with the fixed-function vertex stage
// (transform and per-vertex lighting on the GPU) and without it, for vertices the CPU has already
// transformed and lit. The pixel stage is the same in both: texture stage 0 and the specular add.
#include <string>

namespace gfx::opengl {

// What the vertex shader is given, as the uniform u_input says.
enum class VertexInput { Model = 0, Screen = 1, Clip = 2 };

struct ShaderSources {
  std::string Vertex, Fragment;
};

// with_lighting: the form that transforms and lights model-space vertices itself.
ShaderSources DefaultShaders(bool with_lighting);

}  // namespace gfx::opengl
