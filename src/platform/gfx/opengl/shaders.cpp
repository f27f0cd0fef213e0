#include "platform/gfx/opengl/shaders.h"

namespace gfx::opengl {

namespace {

// Attribute locations: 0 position (xyz with w = 1, xyzrhw on the screen, or clip xyzw), 1 normal,
// 2 diffuse, 3 specular, 4 texture coordinates. A missing element reads as the attribute's constant
// value: white diffuse, no specular, normal and coordinates 0.
//
// The reference device's conventions, reproduced: clip-space depth 0..1 becomes OpenGL's -w..w;
// the picture is drawn with rows top to bottom (y flipped), and half a pixel is added so that pixel
// centres lie on integer coordinates as the reference device puts them.
constexpr const char* kVertexBody = R"(
layout(location = 0) in vec4 a_position;
layout(location = 1) in vec3 a_normal;
layout(location = 2) in vec4 a_diffuse;
layout(location = 3) in vec4 a_specular;
layout(location = 4) in vec2 a_tex;

uniform int u_input;
uniform vec2 u_target_size;
uniform bool u_specular_enable;

out vec4 v_diffuse;
out vec3 v_specular;
out vec2 v_tex;

vec4 ToGl(vec4 clip) {
  return vec4(clip.x + clip.w / u_target_size.x, -clip.y + clip.w / u_target_size.y, 2.0 * clip.z - clip.w, clip.w);
}

#if KORVEL_LIGHTING
struct LightSource {
  bool directional;
  vec3 diffuse, specular, ambient, position, to_light;
  float range, attenuation0, attenuation1, attenuation2;
};
uniform mat4 u_world;
uniform mat4 u_world_view_projection;
uniform bool u_lighting;
uniform vec3 u_eye;
uniform int u_light_count;
uniform LightSource u_lights[8];
uniform vec4 u_material_diffuse;
uniform vec3 u_material_ambient, u_material_specular, u_material_emissive;
uniform float u_material_power;

vec3 SafeNormalize(vec3 v) {
  float l = length(v);
  return l > 0.0 ? v / l : vec3(0.0);
}

// Emissive, then per light ambient + diffuse x max(0, N.L), and the separate specular term with the
// halfway vector towards the eye. Normals are used as transformed, not renormalised.
void Light(vec3 position, vec3 normal) {
  vec3 colour = u_material_emissive;
  vec3 specular = vec3(0.0);
  vec3 to_eye = SafeNormalize(u_eye - position);
  for (int i = 0; i < u_light_count; ++i) {
    vec3 to_light = u_lights[i].to_light;
    float attenuation = 1.0;
    if (!u_lights[i].directional) {
      vec3 d = u_lights[i].position - position;
      float distance = length(d);
      if (u_lights[i].range > 0.0 && distance > u_lights[i].range) continue;
      to_light = SafeNormalize(d);
      float denominator = u_lights[i].attenuation0 + u_lights[i].attenuation1 * distance +
                          u_lights[i].attenuation2 * distance * distance;
      attenuation = denominator > 0.0 ? 1.0 / denominator : 1.0;
    }
    float n_dot_l = max(0.0, dot(normal, to_light));
    colour += (u_lights[i].ambient * u_material_ambient + u_lights[i].diffuse * u_material_diffuse.rgb * n_dot_l) *
              attenuation;
    if (u_specular_enable) {
      float n_dot_h = max(0.0, dot(normal, SafeNormalize(to_light + to_eye)));
      float k = n_dot_h > 0.0 ? pow(n_dot_h, u_material_power) : (u_material_power > 0.0 ? 0.0 : 1.0);
      specular += u_lights[i].specular * u_material_specular * (k * attenuation);
    }
  }
  v_diffuse = vec4(clamp(colour, 0.0, 1.0), clamp(u_material_diffuse.a, 0.0, 1.0));
  v_specular = clamp(specular, 0.0, 1.0);
}
#endif

void main() {
  v_tex = a_tex;
  v_diffuse = a_diffuse;
  v_specular = u_specular_enable ? a_specular.rgb : vec3(0.0);
  if (u_input == 1) {
    // Pixels on the screen with 1 / w; not clipped, not lit.
    float w = a_position.w != 0.0 ? 1.0 / a_position.w : 1.0;
    vec2 ndc = (a_position.xy + 0.5) * 2.0 / u_target_size - 1.0;
    gl_Position = vec4(ndc, 2.0 * a_position.z - 1.0, 1.0) * w;
    return;
  }
#if KORVEL_LIGHTING
  if (u_input == 0) {
    gl_Position = ToGl(u_world_view_projection * vec4(a_position.xyz, 1.0));
    if (u_lighting) Light((u_world * vec4(a_position.xyz, 1.0)).xyz, mat3(u_world) * a_normal);
    return;
  }
#endif
  gl_Position = ToGl(a_position);
}
)";

// Texture stage 0 (op, first and second argument for colour and alpha) and the specular add.
constexpr const char* kFragment = R"(#version 330 core
in vec4 v_diffuse;
in vec3 v_specular;
in vec2 v_tex;

uniform sampler2D u_texture;
uniform bool u_textured;
uniform ivec3 u_colour_stage;
uniform ivec3 u_alpha_stage;
uniform bool u_specular_enable;

out vec4 o_colour;

vec4 Argument(int argument, vec4 texel) { return argument == 2 ? texel : v_diffuse; }

vec4 Combine(ivec3 stage, vec4 texel) {
  if (stage.x == 2) return Argument(stage.y, texel);
  if (stage.x == 3) return Argument(stage.z, texel);
  if (stage.x == 4) return Argument(stage.y, texel) * Argument(stage.z, texel);
  return v_diffuse;  // stage disabled: the diffuse colour passes
}

void main() {
  vec4 texel = u_textured ? texture(u_texture, v_tex) : vec4(1.0);
  vec3 colour = Combine(u_colour_stage, texel).rgb;
  if (u_specular_enable) colour = min(colour + v_specular, vec3(1.0));
  o_colour = vec4(colour, Combine(u_alpha_stage, texel).a);
}
)";

}  // namespace

ShaderSources DefaultShaders(bool with_lighting) {
  return {std::string("#version 330 core\n#define KORVEL_LIGHTING ") + (with_lighting ? "1" : "0") + kVertexBody,
          kFragment};
}

}  // namespace gfx::opengl
