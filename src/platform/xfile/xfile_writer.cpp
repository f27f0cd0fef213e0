#include "platform/xfile/xfile_writer.h"

#include <cstdio>

namespace xfile {

namespace {

void Number(std::string& out, float v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6f", static_cast<double>(v));
  out += buf;
}

void Numbers(std::string& out, const float* v, int count) {
  for (int i = 0; i < count; ++i) {
    Number(out, v[i]);
    out += ';';
  }
}

// A list of "count" items, each written by item(i), separated by "," and closed by ";".
template <class Item>
void List(std::string& out, size_t count, Item&& item) {
  out += std::to_string(count) + ";\n";
  for (size_t i = 0; i < count; ++i) {
    out += "  ";
    item(i);
    out += i + 1 < count ? ",\n" : ";\n";
  }
}

}  // namespace

std::string WriteTextXFile(const XMesh& mesh) {
  std::string out = "xof 0303txt 0032\n\nMesh {\n";
  List(out, mesh.Vertices.size(), [&](size_t i) { Numbers(out, mesh.Vertices[i].Position, 3); });
  const size_t faces = mesh.Indices.size() / 3;
  auto face = [&](size_t f) {
    out += "3;" + std::to_string(mesh.Indices[3 * f]) + "," + std::to_string(mesh.Indices[3 * f + 1]) + "," +
           std::to_string(mesh.Indices[3 * f + 2]) + ";";
  };
  List(out, faces, face);
  if (mesh.HasNormals) {
    out += " MeshNormals {\n";
    List(out, mesh.Vertices.size(), [&](size_t i) { Numbers(out, mesh.Vertices[i].Normal, 3); });
    List(out, faces, face);
    out += " }\n";
  }
  if (mesh.HasTextureCoords) {
    out += " MeshTextureCoords {\n";
    List(out, mesh.Vertices.size(), [&](size_t i) {
      const float uv[2] = {mesh.Vertices[i].U, mesh.Vertices[i].V};
      Numbers(out, uv, 2);
    });
    out += " }\n";
  }
  if (!mesh.Materials.empty()) {
    out += " MeshMaterialList {\n  " + std::to_string(mesh.Materials.size()) + ";\n";
    List(out, faces, [&](size_t f) { out += std::to_string(f < mesh.FaceMaterials.size() ? mesh.FaceMaterials[f] : 0); });
    for (const XMaterial& m : mesh.Materials) {
      out += "  Material {\n   ";
      Numbers(out, m.Diffuse, 4);
      out += ";\n   ";
      Number(out, m.Power);
      out += ";\n   ";
      Numbers(out, m.Specular, 3);
      out += ";\n   ";
      Numbers(out, m.Emissive, 3);
      out += ";\n";
      if (!m.TextureFileName.empty()) out += "   TextureFilename { \"" + m.TextureFileName + "\"; }\n";
      out += "  }\n";
    }
    out += " }\n";
  }
  out += "}\n";
  return out;
}

}  // namespace xfile
