#include "platform/xfile/xfile_writer.h"

#include <bit>
#include <cstdint>
#include <cstdio>
#include <vector>

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

namespace {

// The binary form's tokens.
constexpr std::uint16_t kName = 1, kString = 2, kIntegerList = 6, kFloatList = 7, kOpenBrace = 10,
                        kCloseBrace = 11, kSemicolon = 20;

class BinaryWriter {
 public:
  std::string out = "xof 0303bin 0032";
  void Word(std::uint16_t v) { Raw(&v, 2); }
  void Dword(std::uint32_t v) { Raw(&v, 4); }
  void Open(std::string_view name) {
    Word(kName);
    Dword(static_cast<std::uint32_t>(name.size()));
    out.append(name);
    Word(kOpenBrace);
  }
  void Close() { Word(kCloseBrace); }
  void Integers(const std::vector<std::uint32_t>& values) {
    Word(kIntegerList);
    Dword(static_cast<std::uint32_t>(values.size()));
    for (std::uint32_t v : values) Dword(v);
  }
  void Floats(const std::vector<float>& values) {
    Word(kFloatList);
    Dword(static_cast<std::uint32_t>(values.size()));
    for (float v : values) Raw(&v, 4);
  }
  void String(std::string_view text) {
    Word(kString);
    Dword(static_cast<std::uint32_t>(text.size()));
    out.append(text);
    Word(kSemicolon);
  }

 private:
  // Little-endian, as the format is: the host order on the machines this runs on, made explicit.
  void Raw(const void* p, size_t n) {
    const auto* b = static_cast<const unsigned char*>(p);
    if constexpr (std::endian::native == std::endian::little) {
      out.append(reinterpret_cast<const char*>(b), n);
    } else {
      for (size_t i = n; i-- > 0;) out.push_back(static_cast<char>(b[i]));
    }
  }
};

std::vector<std::uint32_t> FaceList(const XMesh& mesh) {
  const size_t faces = mesh.Indices.size() / 3;
  std::vector<std::uint32_t> list{static_cast<std::uint32_t>(faces)};
  for (size_t f = 0; f < faces; ++f)
    list.insert(list.end(), {3u, mesh.Indices[3 * f], mesh.Indices[3 * f + 1], mesh.Indices[3 * f + 2]});
  return list;
}

}  // namespace

std::string WriteBinaryXFile(const XMesh& mesh) {
  BinaryWriter w;
  const auto vertices = static_cast<std::uint32_t>(mesh.Vertices.size());
  auto vectors = [&](auto member, int count) {
    std::vector<float> values;
    for (const XVertex& v : mesh.Vertices) values.insert(values.end(), member(v), member(v) + count);
    return values;
  };
  w.Open("Mesh");
  w.Integers({vertices});
  w.Floats(vectors([](const XVertex& v) { return v.Position; }, 3));
  w.Integers(FaceList(mesh));
  if (mesh.HasNormals) {
    w.Open("MeshNormals");
    w.Integers({vertices});
    w.Floats(vectors([](const XVertex& v) { return v.Normal; }, 3));
    w.Integers(FaceList(mesh));
    w.Close();
  }
  if (mesh.HasTextureCoords) {
    w.Open("MeshTextureCoords");
    w.Integers({vertices});
    std::vector<float> uv;
    for (const XVertex& v : mesh.Vertices) uv.insert(uv.end(), {v.U, v.V});
    w.Floats(uv);
    w.Close();
  }
  if (!mesh.Materials.empty()) {
    w.Open("MeshMaterialList");
    std::vector<std::uint32_t> list{static_cast<std::uint32_t>(mesh.Materials.size()),
                                    static_cast<std::uint32_t>(mesh.FaceMaterials.size())};
    list.insert(list.end(), mesh.FaceMaterials.begin(), mesh.FaceMaterials.end());
    w.Integers(list);
    for (const XMaterial& m : mesh.Materials) {
      w.Open("Material");
      w.Floats({m.Diffuse[0], m.Diffuse[1], m.Diffuse[2], m.Diffuse[3], m.Power, m.Specular[0], m.Specular[1],
                m.Specular[2], m.Emissive[0], m.Emissive[1], m.Emissive[2]});
      if (!m.TextureFileName.empty()) {
        w.Open("TextureFilename");
        w.String(m.TextureFileName);
        w.Close();
      }
      w.Close();
    }
    w.Close();
  }
  w.Close();
  return w.out;
}

}  // namespace xfile
