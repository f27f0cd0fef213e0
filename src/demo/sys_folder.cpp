#include "demo/sys_folder.h"

#include "demo/mesh_builder.h"
#include "demo/output_files.h"
#include "demo/paint.h"
#include "demo/shapes.h"
#include "demo/sprite_art.h"
#include "platform/xfile/xfile_writer.h"

namespace demo {

namespace {

xfile::XMaterial Glowing(Rgba c) {
  xfile::XMaterial m;
  m.Diffuse[0] = c.r * 0.6f, m.Diffuse[1] = c.g * 0.6f, m.Diffuse[2] = c.b * 0.6f, m.Diffuse[3] = 1.0f;
  m.Emissive[0] = c.r * 0.55f, m.Emissive[1] = c.g * 0.55f, m.Emissive[2] = c.b * 0.55f;
  m.Specular[0] = m.Specular[1] = m.Specular[2] = 0.6f;
  m.Power = 16.0f;
  return m;
}

// A golden diamond, 0.05 across each half: small enough not to hide the model in the debug view.
std::string ControlMarker() {
  MeshBuilder b;
  AddOctahedron(b, b.AddMaterial(Glowing(Hex(0xFFC94A))), {0, 0, 0}, 0.05f);
  return xfile::WriteTextXFile(b.Build());
}

// Three thin bars along the axes, red x, green y, blue z.
std::string CentreMarker() {
  MeshBuilder b;
  constexpr float kLength = 0.15f, kThick = 0.008f;
  AddBox(b, b.AddMaterial(Glowing(Hex(0xFF5A5A))), {-kLength, -kThick, -kThick}, {kLength, kThick, kThick});
  AddBox(b, b.AddMaterial(Glowing(Hex(0x5AE07A))), {-kThick, -kLength, -kThick}, {kThick, kLength, kThick});
  AddBox(b, b.AddMaterial(Glowing(Hex(0x5A9CFF))), {-kThick, -kThick, -kLength}, {kThick, kThick, kLength});
  return xfile::WriteTextXFile(b.Build());
}

}  // namespace

bool WriteSysFolder(const std::string& root, std::string* error) {
  const std::string sys = root + "/sys/";
  if (!WriteOutputFile(sys + "ctrl.x", ControlMarker(), error) || !WriteOutputFile(sys + "centerp.x", CentreMarker(), error) ||
      !WriteTextureFile(sys + "mozaik.dds", MarkerSparkleArt(), error) ||
      !WriteTextureFile(sys + "cursor2.dds", HoverRingArt(), error) || !WriteTextureFile(sys + "logo.dds", LogoArt(), error) ||
      !WriteTextureFile(sys + "multi1.dds", GlossArt(), error))
    return false;
  for (int digit = 1; digit <= 5; ++digit) {
    const std::string name = sys + std::to_string(digit);
    if (!WriteTextureFile(name + ".dds", ButtonArt(digit, false), error) ||
        !WriteTextureFile(name + "h.dds", ButtonArt(digit, true), error))
      return false;
  }
  return true;
}

}  // namespace demo
