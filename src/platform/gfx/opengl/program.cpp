#include "platform/gfx/opengl/program.h"

#include <string>

#include "platform/gfx/reference/vertex_stage.h"

namespace gfx::opengl {

namespace {

GLuint Compile(GLenum kind, const std::string& source) {
  const GLuint shader = glCreateShader(kind);
  if (shader == 0) return 0;
  const char* text = source.c_str();
  glShaderSource(shader, 1, &text, nullptr);
  glCompileShader(shader);
  GLint ok = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (ok != GL_TRUE) {
    glDeleteShader(shader);
    return 0;
  }
  return shader;
}

void SetColour(GLint at, const ColorValue& c) { glUniform3f(at, c.r, c.g, c.b); }

}  // namespace

std::unique_ptr<Program> Program::Build(const ShaderSources& sources) {
  const GLuint vertex = Compile(GL_VERTEX_SHADER, sources.Vertex);
  const GLuint fragment = Compile(GL_FRAGMENT_SHADER, sources.Fragment);
  GLuint program = 0;
  if (vertex != 0 && fragment != 0) program = glCreateProgram();
  if (program != 0) {
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    glLinkProgram(program);
    GLint ok = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (ok != GL_TRUE) {
      glDeleteProgram(program);
      program = 0;
    }
  }
  if (vertex != 0) glDeleteShader(vertex);
  if (fragment != 0) glDeleteShader(fragment);
  if (program == 0) return nullptr;
  return std::unique_ptr<Program>(new Program(program));
}

Program::Program(GLuint name) : name_(name) {
  input_ = At("u_input");
  target_size_ = At("u_target_size");
  specular_enable_ = At("u_specular_enable");
  world_ = At("u_world");
  world_view_projection_ = At("u_world_view_projection");
  lighting_ = At("u_lighting");
  eye_ = At("u_eye");
  light_count_ = At("u_light_count");
  for (unsigned i = 0; i < kMaxLights; ++i) {
    const std::string base = "u_lights[" + std::to_string(i) + "].";
    auto at = [&](const char* member) { return At((base + member).c_str()); };
    lights_[i] = {at("directional"), at("diffuse"),  at("specular"),     at("ambient"),      at("position"),
                  at("to_light"),    at("range"),    at("attenuation0"), at("attenuation1"), at("attenuation2")};
  }
  material_diffuse_ = At("u_material_diffuse");
  material_ambient_ = At("u_material_ambient");
  material_specular_ = At("u_material_specular");
  material_emissive_ = At("u_material_emissive");
  material_power_ = At("u_material_power");
  texture_ = At("u_texture");
  textured_ = At("u_textured");
  colour_stage_ = At("u_colour_stage");
  alpha_stage_ = At("u_alpha_stage");
}

Program::~Program() { glDeleteProgram(name_); }

GLint Program::At(const char* name) const { return glGetUniformLocation(name_, name); }

void Program::Apply(const DeviceState& s, VertexInput input, int target_width, int target_height, bool textured) {
  glUseProgram(name_);
  glUniform1i(input_, static_cast<GLint>(input));
  glUniform2f(target_size_, static_cast<float>(target_width), static_cast<float>(target_height));
  glUniform1i(specular_enable_, s.Get(RenderState::SpecularEnable) != 0);
  glUniform1i(texture_, 0);
  glUniform1i(textured_, textured);
  auto stage = [&s](TextureStageState op, TextureStageState arg1, TextureStageState arg2, GLint at) {
    glUniform3i(at, static_cast<GLint>(s.Get(op)), static_cast<GLint>(s.Get(arg1)), static_cast<GLint>(s.Get(arg2)));
  };
  stage(TextureStageState::ColorOp, TextureStageState::ColorArg1, TextureStageState::ColorArg2, colour_stage_);
  stage(TextureStageState::AlphaOp, TextureStageState::AlphaArg1, TextureStageState::AlphaArg2, alpha_stage_);
  if (input == VertexInput::Model) SetLighting(s);
}

// The matrices are handed over as they are: a row-vector matrix read column by column is the
// column-vector matrix the shader multiplies with.
void Program::SetLighting(const DeviceState& s) {
  const Matrix world_view_projection = MatrixMultiply(MatrixMultiply(s.World, s.View), s.Projection);
  glUniformMatrix4fv(world_, 1, GL_FALSE, &s.World.m[0][0]);
  glUniformMatrix4fv(world_view_projection_, 1, GL_FALSE, &world_view_projection.m[0][0]);
  glUniform1i(lighting_, s.Get(RenderState::Lighting) != 0);
  const Vec3 eye = reference::EyeFromView(s.View);
  glUniform3f(eye_, eye.x, eye.y, eye.z);
  GLint count = 0;
  for (unsigned i = 0; i < kMaxLights; ++i) {
    if (!s.LightEnabled[i]) continue;
    const Light& l = s.Lights[i];
    const LightUniforms& u = lights_[count++];
    const Vec3 to_light = Vec3Normalize(l.Direction * -1.0f);
    glUniform1i(u.directional, l.Type == LightType::Directional);
    SetColour(u.diffuse, l.Diffuse);
    SetColour(u.specular, l.Specular);
    SetColour(u.ambient, l.Ambient);
    glUniform3f(u.position, l.Position.x, l.Position.y, l.Position.z);
    glUniform3f(u.to_light, to_light.x, to_light.y, to_light.z);
    glUniform1f(u.range, l.Range);
    glUniform1f(u.attenuation0, l.Attenuation0);
    glUniform1f(u.attenuation1, l.Attenuation1);
    glUniform1f(u.attenuation2, l.Attenuation2);
  }
  glUniform1i(light_count_, count);
  const Material& m = s.CurrentMaterial;
  glUniform4f(material_diffuse_, m.Diffuse.r, m.Diffuse.g, m.Diffuse.b, m.Diffuse.a);
  SetColour(material_ambient_, m.Ambient);
  SetColour(material_specular_, m.Specular);
  SetColour(material_emissive_, m.Emissive);
  glUniform1f(material_power_, m.Power);
}

}  // namespace gfx::opengl
