#pragma once
// The device's shader program, built from its sources, and the uniforms it takes from the device
// state for one draw.
#include <memory>

#include "platform/gfx/device_base.h"
#include "platform/gfx/opengl/gl.h"
#include "platform/gfx/opengl/shaders.h"

namespace gfx::opengl {

class Program {
 public:
  // Nothing when a shader does not compile or the program does not link.
  static std::unique_ptr<Program> Build(const ShaderSources& sources);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Makes the program current and sets every uniform a draw of this input needs from the state.
  void Apply(const DeviceState& state, VertexInput input, int target_width, int target_height, bool textured);

 private:
  struct LightUniforms {
    GLint directional, diffuse, specular, ambient, position, to_light, range, attenuation0, attenuation1,
        attenuation2;
  };
  explicit Program(GLuint name);
  void SetLighting(const DeviceState& state);
  GLint At(const char* name) const;

  GLuint name_;
  GLint input_, target_size_, specular_enable_, world_, world_view_projection_, lighting_, eye_, light_count_;
  LightUniforms lights_[kMaxLights];
  GLint material_diffuse_, material_ambient_, material_specular_, material_emissive_, material_power_;
  GLint texture_, textured_, colour_stage_, alpha_stage_;
};

}  // namespace gfx::opengl
