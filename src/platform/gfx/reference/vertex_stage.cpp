#include "platform/gfx/reference/vertex_stage.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/gfx/vertex_format.h"

namespace gfx::reference {

namespace {

float Clamp01(float v) { return v > 0.0f ? (v < 1.0f ? v : 1.0f) : 0.0f; }  // NaN gives 0

Vec3 ReadVec3(const std::byte* p) {
  Vec3 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

ColorValue UnpackColor(const std::byte* p) {
  std::uint32_t c;
  std::memcpy(&c, p, sizeof c);
  return {static_cast<float>((c >> 16) & 0xFF) / 255.0f, static_cast<float>((c >> 8) & 0xFF) / 255.0f,
          static_cast<float>(c & 0xFF) / 255.0f, static_cast<float>(c >> 24) / 255.0f};
}

struct ActiveLight {
  const Light* light;
  Vec3 to_light;  // directional lights: the unit vector towards the light
};

// Per-vertex lighting: emissive, then per light ambient + diffuse x max(0, N.L), and the separate
// specular term with the halfway vector towards the eye. Normals are used as transformed.
void Light(const DeviceState& s, const std::vector<ActiveLight>& lights, Vec3 eye, Vec3 position, Vec3 normal,
           bool specular, ClipVertex& out) {
  const Material& m = s.CurrentMaterial;
  float r = m.Emissive.r, g = m.Emissive.g, b = m.Emissive.b;
  float sr = 0, sg = 0, sb = 0;
  const Vec3 to_eye = specular ? Vec3Normalize(eye - position) : Vec3{};
  for (const ActiveLight& active : lights) {
    const gfx::Light& l = *active.light;
    Vec3 to_light = active.to_light;
    float attenuation = 1.0f;
    if (l.Type != LightType::Directional) {
      const Vec3 d = l.Position - position;
      const float distance = Length(d);
      if (l.Range > 0.0f && distance > l.Range) continue;
      to_light = Vec3Normalize(d);
      const float denominator = l.Attenuation0 + l.Attenuation1 * distance + l.Attenuation2 * distance * distance;
      attenuation = denominator > 0.0f ? 1.0f / denominator : 1.0f;
    }
    const float n_dot_l = std::max(0.0f, Dot(normal, to_light));
    r += (l.Ambient.r * m.Ambient.r + l.Diffuse.r * m.Diffuse.r * n_dot_l) * attenuation;
    g += (l.Ambient.g * m.Ambient.g + l.Diffuse.g * m.Diffuse.g * n_dot_l) * attenuation;
    b += (l.Ambient.b * m.Ambient.b + l.Diffuse.b * m.Diffuse.b * n_dot_l) * attenuation;
    if (specular) {
      const Vec3 half = Vec3Normalize(to_light + to_eye);
      const float n_dot_h = std::max(0.0f, Dot(normal, half));
      const float k = std::pow(n_dot_h, m.Power) * attenuation;
      sr += l.Specular.r * m.Specular.r * k;
      sg += l.Specular.g * m.Specular.g * k;
      sb += l.Specular.b * m.Specular.b * k;
    }
  }
  out.r = Clamp01(r), out.g = Clamp01(g), out.b = Clamp01(b), out.a = Clamp01(m.Diffuse.a);
  out.sr = Clamp01(sr), out.sg = Clamp01(sg), out.sb = Clamp01(sb);
}

}  // namespace

Vec3 EyeFromView(const Matrix& v) {
  const Vec3 t{v[3][0], v[3][1], v[3][2]};
  return {-(t.x * v[0][0] + t.y * v[0][1] + t.z * v[0][2]), -(t.x * v[1][0] + t.y * v[1][1] + t.z * v[1][2]),
          -(t.x * v[2][0] + t.y * v[2][1] + t.z * v[2][2])};
}

bool StreamHolds(const DeviceState& s, unsigned first, unsigned count) {
  const VertexLayout layout = LayoutOf(s.Fvf);
  if (!layout.Valid || !s.Stream || s.Stride < layout.Size) return false;
  const std::size_t end = static_cast<std::size_t>(first) + count;
  // The last vertex needs only its own bytes, not a whole stride.
  return count != 0 && s.Stream->Size() >= layout.Size && end <= (s.Stream->Size() - layout.Size) / s.Stride + 1;
}

bool RunVertexStage(const DeviceState& s, unsigned first, unsigned count, VertexBatch& batch) {
  if (!StreamHolds(s, first, count)) return false;
  const VertexLayout layout = LayoutOf(s.Fvf);
  const std::size_t stride = s.Stride;

  batch.First = first;
  batch.Screen = layout.Transformed;
  batch.Vertices.resize(count);
  const std::byte* data = s.Stream->Data();

  const bool lighting = !layout.Transformed && s.Get(RenderState::Lighting) != 0;
  const bool specular = lighting && s.Get(RenderState::SpecularEnable) != 0;
  const Matrix world_view_projection = MatrixMultiply(MatrixMultiply(s.World, s.View), s.Projection);
  const Vec3 eye = EyeFromView(s.View);
  std::vector<ActiveLight> lights;
  if (lighting) {
    for (unsigned i = 0; i < kMaxLights; ++i)
      if (s.LightEnabled[i]) lights.push_back({&s.Lights[i], Vec3Normalize(s.Lights[i].Direction * -1.0f)});
  }

  for (unsigned i = 0; i < count; ++i) {
    const std::byte* v = data + (static_cast<std::size_t>(first) + i) * stride;
    ClipVertex& out = batch.Vertices[i];
    const Vec3 position = ReadVec3(v + layout.Position);
    if (layout.Transformed) {
      float rhw;
      std::memcpy(&rhw, v + layout.Position + 12, sizeof rhw);
      out.x = position.x, out.y = position.y, out.z = position.z;
      out.w = rhw != 0.0f ? 1.0f / rhw : 1.0f;
    } else {
      const Vec4 clip = Transform(position, world_view_projection);
      out.x = clip.x, out.y = clip.y, out.z = clip.z, out.w = clip.w;
    }
    if (lighting) {
      const Vec4 world = Transform(position, s.World);
      // Without normals only the ambient and emissive terms light the vertex.
      const Vec3 normal = layout.Normal >= 0 ? TransformNormal(ReadVec3(v + layout.Normal), s.World) : Vec3{};
      Light(s, lights, eye, {world.x, world.y, world.z}, normal, specular, out);
    } else {
      // Unlit: the vertex colours, or opaque white without them.
      ColorValue diffuse{1, 1, 1, 1}, specular_colour{0, 0, 0, 0};
      if (layout.Diffuse >= 0) diffuse = UnpackColor(v + layout.Diffuse);
      if (layout.Specular >= 0 && s.Get(RenderState::SpecularEnable) != 0) specular_colour = UnpackColor(v + layout.Specular);
      out.r = diffuse.r, out.g = diffuse.g, out.b = diffuse.b, out.a = diffuse.a;
      out.sr = specular_colour.r, out.sg = specular_colour.g, out.sb = specular_colour.b;
    }
    if (layout.Tex >= 0) {
      std::memcpy(&out.u, v + layout.Tex, sizeof(float));
      std::memcpy(&out.v, v + layout.Tex + 4, sizeof(float));
    } else {
      out.u = out.v = 0.0f;
    }
  }
  return true;
}

}  // namespace gfx::reference
