#pragma once
// Helpers for the .x reader tests: result access, a binary token writer and an MSZIP packer, so that
// every fixture is written inline in the tests.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/xfile/xfile.h"

namespace xtest {

inline std::string Text(std::string_view body) { return "xof 0302txt 0032\n" + std::string(body); }

// The mesh, or an empty one after a test failure naming the error.
inline xfile::XMesh ParseOk(std::string_view bytes) {
  xfile::XFileResult result = xfile::ReadXFile(bytes);
  if (auto* error = std::get_if<xfile::XFileError>(&result)) {
    ADD_FAILURE() << "unexpected error " << xfile::XErrorText(error->Code) << ": " << error->Message;
    return {};
  }
  return std::get<xfile::XMesh>(std::move(result));
}

inline void AppendLe(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Writes the binary token stream of a .x file.
class BinaryWriter {
 public:
  enum : std::uint16_t {
    kName = 1,
    kString = 2,
    kInteger = 3,
    kGuid = 5,
    kIntegerList = 6,
    kFloatList = 7,
    kOpenBrace = 10,
    kCloseBrace = 11,
    kOpenBracket = 14,
    kCloseBracket = 15,
    kComma = 19,
    kSemicolon = 20,
    kTemplate = 31,
    kDword = 41,
    kFloat = 42,
    kArray = 52,
  };

  explicit BinaryWriter(bool doubles = false) : doubles_(doubles) {}

  BinaryWriter& Token(std::uint16_t token) {
    AppendLe(body_, token, 2);
    return *this;
  }
  BinaryWriter& Name(std::string_view name) {
    Token(kName);
    AppendLe(body_, name.size(), 4);
    body_ += name;
    return *this;
  }
  // A string with its ';' terminator, written as 16 bits or, as the format's documentation has it, 32.
  BinaryWriter& String(std::string_view text, bool wideTerminator = false) {
    Token(kString);
    AppendLe(body_, text.size(), 4);
    body_ += text;
    AppendLe(body_, kSemicolon, wideTerminator ? 4 : 2);
    return *this;
  }
  BinaryWriter& Integer(std::uint32_t value) {
    Token(kInteger);
    AppendLe(body_, value, 4);
    return *this;
  }
  BinaryWriter& Integers(const std::vector<std::uint32_t>& values) {
    Token(kIntegerList);
    AppendLe(body_, values.size(), 4);
    for (std::uint32_t v : values) AppendLe(body_, v, 4);
    return *this;
  }
  BinaryWriter& Floats(std::initializer_list<double> values) {
    Token(kFloatList);
    AppendLe(body_, values.size(), 4);
    for (double v : values) {
      if (doubles_) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, 8);
        AppendLe(body_, bits, 8);
      } else {
        // Beyond float's range the value becomes infinite, as a writer's conversion would make it.
        const float f =
            std::isnan(v) || std::fabs(v) <= FLT_MAX ? static_cast<float>(v) : (v > 0 ? HUGE_VALF : -HUGE_VALF);
        std::uint32_t bits;
        std::memcpy(&bits, &f, 4);
        AppendLe(body_, bits, 4);
      }
    }
    return *this;
  }
  BinaryWriter& Guid() {
    Token(kGuid);
    body_.append(16, '\x11');
    return *this;
  }
  BinaryWriter& Open() { return Token(kOpenBrace); }
  BinaryWriter& Close() { return Token(kCloseBrace); }
  BinaryWriter& Semicolon() { return Token(kSemicolon); }
  // A data object's opening: its type, an optional name, '{'.
  BinaryWriter& Object(std::string_view type, std::string_view name = {}) {
    Name(type);
    if (!name.empty()) Name(name);
    return Open();
  }
  BinaryWriter& Raw(std::string_view bytes) {
    body_ += bytes;
    return *this;
  }

  const std::string& Body() const { return body_; }
  std::string File() const { return std::string(doubles_ ? "xof 0302bin 0064" : "xof 0302bin 0032") + body_; }

 private:
  bool doubles_;
  std::string body_;
};

// Raw deflate of one MSZIP block, its history taken from what came before.
inline std::string DeflateBlock(std::string_view data, std::string_view history) {
  z_stream zs{};
  EXPECT_EQ(deflateInit2(&zs, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY), Z_OK);
  if (!history.empty()) {
    const std::string_view window = history.substr(history.size() - std::min<std::size_t>(history.size(), 32768));
    EXPECT_EQ(
        deflateSetDictionary(&zs, reinterpret_cast<const Bytef*>(window.data()), static_cast<uInt>(window.size())),
        Z_OK);
  }
  std::string out(deflateBound(&zs, static_cast<uLong>(data.size())), '\0');
  zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  zs.avail_in = static_cast<uInt>(data.size());
  zs.next_out = reinterpret_cast<Bytef*>(out.data());
  zs.avail_out = static_cast<uInt>(out.size());
  EXPECT_EQ(deflate(&zs, Z_FINISH), Z_STREAM_END);
  out.resize(out.size() - zs.avail_out);
  deflateEnd(&zs);
  return out;
}

// An MSZIP-compressed file ("tzip" or "bzip" with a float size, e.g. "tzip0032") of the body, cut into
// blocks of blockSize bytes.
inline std::string MsZip(std::string_view format, std::string_view body, std::size_t blockSize) {
  std::string file = "xof 0302" + std::string(format);
  AppendLe(file, body.size() + 16, 4);
  for (std::size_t pos = 0; pos < body.size(); pos += blockSize) {
    const std::string_view block = body.substr(pos, blockSize);
    const std::string packed = DeflateBlock(block, body.substr(0, pos));
    AppendLe(file, block.size(), 2);
    AppendLe(file, packed.size() + 2, 2);
    file += "CK" + packed;
  }
  return file;
}

// Compares every field, floats bit for bit (the fixtures use values that every form stores exactly).
inline void ExpectSameMesh(const xfile::XMesh& a, const xfile::XMesh& b) {
  ASSERT_EQ(a.Vertices.size(), b.Vertices.size());
  EXPECT_EQ(0, std::memcmp(a.Vertices.data(), b.Vertices.data(), a.Vertices.size() * sizeof(xfile::XVertex)));
  EXPECT_EQ(a.Indices, b.Indices);
  EXPECT_EQ(a.FaceMaterials, b.FaceMaterials);
  ASSERT_EQ(a.Materials.size(), b.Materials.size());
  for (std::size_t i = 0; i < a.Materials.size(); ++i) {
    const xfile::XMaterial& x = a.Materials[i];
    const xfile::XMaterial& y = b.Materials[i];
    EXPECT_EQ(0, std::memcmp(x.Diffuse, y.Diffuse, sizeof x.Diffuse)) << "material " << i;
    EXPECT_EQ(x.Power, y.Power) << "material " << i;
    EXPECT_EQ(0, std::memcmp(x.Specular, y.Specular, sizeof x.Specular)) << "material " << i;
    EXPECT_EQ(0, std::memcmp(x.Emissive, y.Emissive, sizeof x.Emissive)) << "material " << i;
    EXPECT_EQ(x.TextureFileName, y.TextureFileName) << "material " << i;
  }
  EXPECT_EQ(a.HasNormals, b.HasNormals);
  EXPECT_EQ(a.HasTextureCoords, b.HasTextureCoords);
}

// A quad and a triangle sharing positions with normals of their own, texture coordinates, a frame
// matrix, a referenced and an inline material, a template and an unknown object: the text form.
// BinaryQuad writes the same content as tokens.
inline constexpr const char* kQuadBody = R"(
template Vector {
 <3D82AB5E-62DA-11cf-AB39-0020AF71E433>
 FLOAT x;
 FLOAT y;
 FLOAT z;
}
Header { 1; 0; 1; }
Material Red { 1;0;0;1;; 5; 0.5;0.5;0.5;; 0;0;0;; TextureFilename { "dir10\face.bmp"; } }
Frame Root {
 FrameTransformMatrix { 1,0,0,0, 0,1,0,0, 0,0,1,0, 0,0,2,1;; }
 Mesh Quad {
  4; 0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;;
  2; 4;0,1,2,3;, 3;0,2,1;;
  MeshNormals { 2; 0;0;1;, 0;0;-1;; 2; 4;0,0,0,0;, 3;1,1,1;; }
  MeshTextureCoords { 4; 0;0;, 1;0;, 1;1;, 0.5;0.25;; }
  MeshMaterialList { 2; 2; 0, 1;; { Red } Material { 0;1;0;1;; 2; 0;0;0;; 0.25;0.25;0.25;; } }
 }
}
)";

struct BinaryStyle {
  bool doubles = false;
  bool split = false;           // values spread over single integers and several lists, with separators
  bool wideTerminator = false;  // string terminators written as 32 bits
};

inline std::string BinaryQuadBody(BinaryStyle style) {
  using W = BinaryWriter;
  W w(style.doubles);
  // template Vector { <GUID> FLOAT x; FLOAT y; FLOAT z; }, then one with an array and an open "[...]".
  w.Token(W::kTemplate).Name("Vector").Open().Guid();
  for (const char* member : {"x", "y", "z"}) w.Token(W::kFloat).Name(member).Semicolon();
  w.Close();
  w.Token(W::kTemplate).Name("Mesh").Open().Guid().Token(W::kDword).Name("nVertices").Semicolon();
  w.Token(W::kArray).Name("Vector").Name("vertices").Token(W::kOpenBracket).Name("nVertices");
  w.Token(W::kCloseBracket).Semicolon().Token(W::kOpenBracket).Token(18).Token(18).Token(18);
  w.Token(W::kCloseBracket).Close();
  w.Object("Header").Integers({1, 0, 1}).Close();
  w.Object("Material", "Red").Floats({1, 0, 0, 1, 5, 0.5, 0.5, 0.5, 0, 0, 0});
  w.Object("TextureFilename").String("dir10\\face.bmp", style.wideTerminator).Close().Close();
  w.Object("Frame", "Root");
  w.Object("FrameTransformMatrix").Floats({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 2, 1}).Close();
  w.Object("Mesh", "Quad");
  if (style.split) {
    w.Integer(4).Semicolon().Floats({0, 0, 0}).Floats({1, 0, 0, 1, 1, 0}).Floats({}).Floats({0, 1, 0});
    w.Semicolon().Integers({2}).Integers({4, 0, 1}).Integers({2, 3}).Token(W::kComma).Integer(3);
    w.Integers({0, 2, 1}).Semicolon();
  } else {
    w.Integers({4}).Floats({0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0}).Integers({2, 4, 0, 1, 2, 3, 3, 0, 2, 1});
  }
  w.Object("MeshNormals").Integers({2}).Floats({0, 0, 1, 0, 0, -1}).Integers({2, 4, 0, 0, 0, 0, 3, 1, 1, 1}).Close();
  w.Object("MeshTextureCoords").Integers({4}).Floats({0, 0, 1, 0, 1, 1, 0.5, 0.25}).Close();
  w.Object("MeshMaterialList").Integers({2, 2, 0, 1}).Open().Name("Red").Close();
  w.Object("Material").Floats({0, 1, 0, 1, 2, 0, 0, 0, 0.25, 0.25, 0.25}).Close();
  w.Close();  // MeshMaterialList
  w.Close();  // Mesh
  w.Close();  // Frame
  return w.Body();
}

inline std::string BinaryQuad(BinaryStyle style) {
  return std::string(style.doubles ? "xof 0302bin 0064" : "xof 0302bin 0032") + BinaryQuadBody(style);
}

}  // namespace xtest
