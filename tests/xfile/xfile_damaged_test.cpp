// Damaged and hostile files: every one gives its named error, none crashes, reads past its bytes or
// allocates beyond what it holds.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <variant>

#include "platform/xfile/xfile.h"
#include "xfile/xfile_fixtures.h"

namespace {

using xfile::XError;
using xfile::XFileError;
using xtest::Text;

// The result of reading an exactly sized copy, so that the sanitizers see any read past the end.
xfile::XFileResult ReadExact(std::string_view bytes) {
  const std::unique_ptr<char[]> copy(new char[bytes.size()]);
  if (!bytes.empty()) std::memcpy(copy.get(), bytes.data(), bytes.size());
  return xfile::ReadXFile(std::string_view(copy.get(), bytes.size()));
}

// True when a text prefix ends just after a complete top-level object (the fixtures used here hold no
// braces in strings or comments), where a shorter file is still a valid one.
bool EndsAtTopLevel(std::string_view prefix) {
  int depth = 0;
  for (const char c : prefix) depth += c == '{' ? 1 : c == '}' ? -1 : 0;
  const std::size_t last = prefix.find_last_not_of(" \t\r\n");
  return depth == 0 && last != std::string_view::npos && prefix[last] == '}';
}

TEST(XFileDamaged, EveryTruncationIsAnError) {
  const std::string frames = Text(
      "Frame A { FrameTransformMatrix { 1,0,0,0, 0,1,0,0, 0,0,1,0, 1,2,3,1;; }\n"
      " Frame B { Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; } } }\n"
      "Mesh Second { 4; 0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;; 1; 4;0,1,2,3;; MeshMaterialList { 1; 1; 0;; { Red } } }\n");
  const std::string texts[] = {Text(xtest::kQuadBody), frames};
  for (const std::string& file : texts) {
    for (std::size_t length = 0; length < file.size(); ++length) {
      const std::string_view prefix(file.data(), length);
      const xfile::XFileResult result = ReadExact(prefix);
      if (!EndsAtTopLevel(prefix)) {
        EXPECT_TRUE(std::holds_alternative<XFileError>(result)) << "text cut at " << length;
      }
    }
  }

  const std::string body = xtest::kQuadBody;
  const std::string others[] = {
      xtest::BinaryQuad({false, false, false}),
      xtest::BinaryQuad({true, true, true}),
      xtest::MsZip("tzip0032", body + body, body.size()),
      xtest::MsZip("bzip0064", xtest::BinaryQuadBody({true, false, false}), 100),
  };
  for (const std::string& file : others) {
    ASSERT_TRUE(std::holds_alternative<xfile::XMesh>(ReadExact(file)));
    for (std::size_t length = 0; length < file.size(); ++length) {
      EXPECT_TRUE(std::holds_alternative<XFileError>(ReadExact(std::string_view(file.data(), length))))
          << file.substr(8, 4) << " cut at " << length;
    }
  }
}

// Replaces the first occurrence of `from` in `in`.
std::string Patch(std::string in, std::string_view from, std::string_view to) {
  const std::size_t at = in.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) in.replace(at, from.size(), to);
  return in;
}

std::string Nested(const char* type, int levels) {
  std::string body;
  for (int i = 0; i < levels; ++i) body += std::string(type) + " {\n";
  body += "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; }\n";
  for (int i = 0; i < levels; ++i) body += "}\n";
  return Text(body);
}

TEST(XFileDamaged, EachDamageHasItsNamedError) {
  const std::string tri = "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; }";
  const std::string good = Text(
      "Mesh {\n"
      " 3; 0;0;0;, 1;0;0;, 0;1;0;;\n"
      " 1; 3;0,1,2;;\n"
      " MeshNormals { 1; 0;0;1;; 1; 3;0,0,0;; }\n"
      " MeshTextureCoords { 3; 0;0;, 1;0;, 0;1;; }\n"
      " MeshMaterialList { 1; 1; 0;; Material { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; TextureFilename { \"a.bmp\"; } } }\n"
      "}\n");
  ASSERT_TRUE(std::holds_alternative<xfile::XMesh>(xfile::ReadXFile(good)));

  // A valid tzip file to damage: header, total, then block 1 at byte 20 (sizes, "CK", data).
  const std::string body = xtest::kQuadBody;
  const std::string zipped = xtest::MsZip("tzip0032", body, body.size() / 2 + 1);
  ASSERT_TRUE(std::holds_alternative<xfile::XMesh>(xfile::ReadXFile(zipped)));
  const std::size_t secondBlock = 20 + 4 + (static_cast<unsigned char>(zipped[22]) | (zipped[23] & 0xFF) << 8);
  auto zipPatched = [&](std::size_t at, std::initializer_list<int> bytes) {
    std::string out = zipped;
    for (const int b : bytes) out[at++] = static_cast<char>(b);
    return out;
  };
  auto stated = [&](int delta) {  // block 1 claiming another uncompressed size
    const int size = (zipped[20] & 0xFF) | (zipped[21] & 0xFF) << 8;
    return zipPatched(20, {(size + delta) & 0xFF, ((size + delta) >> 8) & 0xFF});
  };

  xtest::BinaryWriter unknownToken;
  unknownToken.Object("Mesh").Token(99);
  xtest::BinaryWriter hugeList;
  hugeList.Object("Mesh").Token(xtest::BinaryWriter::kIntegerList).Raw(std::string("\0\0\0\x40", 4));
  xtest::BinaryWriter hugeName;
  hugeName.Token(xtest::BinaryWriter::kName).Raw(std::string("\xff\xff\xff\xff", 4)).Raw("Mesh");
  xtest::BinaryWriter hugeCount;
  hugeCount.Object("Mesh").Integers({4000000000u, 0, 0, 0}).Close();
  xtest::BinaryWriter floatCount;
  floatCount.Object("Mesh").Floats({3}).Close();

  struct Case {
    const char* name;
    std::string file;
    XError error;
    const char* where;  // text the message must contain, or nullptr
  };
  const Case cases[] = {
      // Header.
      {"empty", "", XError::NotAnXFile, nullptr},
      {"another format", "MZ\x90\0 this is not a mesh file", XError::NotAnXFile, nullptr},
      {"header cut short", "xof 0302txt", XError::Truncated, nullptr},
      {"version 04", Patch(good, "0302", "0402"), XError::UnsupportedVersion, "byte 4"},
      {"version not digits", Patch(good, "0302", "03a2"), XError::UnsupportedVersion, nullptr},
      {"format", Patch(good, "txt ", "xml "), XError::UnsupportedFormat, "byte 8"},
      {"float size", Patch(good, "0032", "0016"), XError::UnsupportedFormat, "byte 12"},
      // Structure.
      {"no mesh", Text("template Foo { <3D82AB5E-62DA-11cf-AB39-0020AF71E433> DWORD a; }\nHeader { 1; 0; 1; }\n"),
       XError::NoMesh, nullptr},
      {"empty body", Text(""), XError::NoMesh, nullptr},
      {"missing closing brace", Patch(good, "0;1;; }", "0;1;;"), XError::Truncated, nullptr},
      {"unterminated string", Patch(good, "\"a.bmp\"", "\"a.bmp"), XError::Truncated, nullptr},
      {"word where a number belongs", Patch(good, "1;0;0;,", "1;zero;0;,"), XError::Syntax, "line 3"},
      {"brace where a number belongs", Text("Mesh { 3; 0;0;0;, } }"), XError::Syntax, nullptr},
      {"missing '{'", Text("Mesh Name 3; }"), XError::Syntax, nullptr},
      {"frames nested too deep", Nested("Frame", 100), XError::TooLarge, "nested"},
      {"unknown objects nested too deep", Nested("Unknown", 100), XError::TooLarge, "nested"},
      {"mesh inside deep frames", Nested("Frame", 64), XError::TooLarge, nullptr},
      // Counts.
      {"vertex count of 4 billion", Patch(good, " 3; 0;0;0;", " 4000000000; 0;0;0;"), XError::BadCount, "line 3"},
      {"vertex count beyond 32 bits", Patch(good, " 3; 0;0;0;", " 99999999999999999999; 0;0;0;"), XError::BadCount,
       nullptr},
      {"negative vertex count", Patch(good, " 3; 0;0;0;", " -3; 0;0;0;"), XError::BadCount, nullptr},
      {"vertex count beyond the data", Patch(good, " 3; 0;0;0;", " 300; 0;0;0;"), XError::BadCount, nullptr},
      {"face count of 4 billion", Patch(good, " 1; 3;0,1,2;;", " 4000000000; 3;0,1,2;;"), XError::BadCount, nullptr},
      {"face with 2 corners", Patch(good, " 1; 3;0,1,2;;", " 1; 2;0,1;;"), XError::BadCount, "line 4"},
      {"face with a huge corner count", Patch(good, " 1; 3;0,1,2;;", " 1; 4000000000;0,1,2;;"), XError::BadCount,
       nullptr},
      {"normal count of 4 billion", Patch(good, "MeshNormals { 1;", "MeshNormals { 4000000000;"), XError::BadCount,
       nullptr},
      {"face normal count differs", Patch(good, "0;0;1;; 1; 3;0,0,0;;", "0;0;1;; 2; 3;0,0,0;, 3;0,0,0;;"),
       XError::BadCount, nullptr},
      {"normal face corner count differs", Patch(good, "1; 3;0,0,0;;", "1; 4;0,0,0,0;;"), XError::BadCount, nullptr},
      {"texture coordinate count differs", Patch(good, "{ 3; 0;0;, 1;0;, 0;1;; }", "{ 2; 0;0;, 1;0;; }"),
       XError::BadCount, nullptr},
      {"face material count differs",
       Text("Mesh { 4; 0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;; 2; 3;0,1,2;, 3;0,2,3;;"
            " MeshMaterialList { 1; 3; 0, 0, 0;; Material { 1;1;1;1;; 0; 0;0;0;; "
            "0;0;0;; } } }"),
       XError::BadCount, nullptr},
      {"material list holds fewer materials", Patch(good, "MeshMaterialList { 1;", "MeshMaterialList { 2;"),
       XError::BadCount, nullptr},
      {"material count beyond the limit", Patch(good, "MeshMaterialList { 1;", "MeshMaterialList { 70000;"),
       XError::TooLarge, nullptr},
      {"texture name beyond the limit", Patch(good, "a.bmp", std::string(2000, 'a')), XError::TooLarge, nullptr},
      // Indices.
      {"vertex index past the end", Patch(good, "3;0,1,2;;", "3;0,1,3;;"), XError::BadIndex, "line 4"},
      {"negative vertex index", Patch(good, "3;0,1,2;;", "3;0,-1,2;;"), XError::BadIndex, nullptr},
      {"normal index past the end", Patch(good, "3;0,0,0;;", "3;0,1,0;;"), XError::BadIndex, nullptr},
      {"material index past the end", Patch(good, "{ 1; 1; 0;;", "{ 1; 1; 1;;"), XError::BadIndex, nullptr},
      // Binary.
      {"unknown binary token", unknownToken.File(), XError::Syntax, "byte 28"},
      {"binary list past the end", hugeList.File(), XError::Truncated, nullptr},
      {"binary name past the end", hugeName.File(), XError::Truncated, nullptr},
      {"binary vertex count of 4 billion", hugeCount.File(), XError::BadCount, nullptr},
      {"binary float where a count belongs", floatCount.File(), XError::Syntax, nullptr},
      // Compressed.
      {"block without CK", zipPatched(24, {'C', 'X'}), XError::DecompressionFailed, "byte 20"},
      {"invalid deflate block type", zipPatched(26, {0xFF}), XError::DecompressionFailed, nullptr},
      {"declared size beyond 256 MiB", zipPatched(16, {0, 0, 0, 0x20}), XError::TooLarge, nullptr},
      {"declared size smaller than the blocks", zipPatched(16, {40, 0, 0, 0}), XError::DecompressionFailed, nullptr},
      {"block inflating to less than stated", stated(+1), XError::DecompressionFailed, nullptr},
      {"block inflating to more than stated", stated(-1), XError::DecompressionFailed, nullptr},
      {"second block missing", zipped.substr(0, secondBlock), XError::Truncated, nullptr},
      {"block header cut short", zipped + std::string("\x10\x00", 2), XError::Truncated, nullptr},
      {"compressed size past the end", zipPatched(22, {0xFF, 0x7F}), XError::Truncated, nullptr},
  };
  for (const Case& c : cases) {
    const xfile::XFileResult result = ReadExact(c.file);
    const XFileError* error = std::get_if<XFileError>(&result);
    ASSERT_NE(error, nullptr) << c.name;
    EXPECT_EQ(error->Code, c.error) << c.name << ": " << xfile::XErrorText(error->Code) << ": " << error->Message;
    if (c.where != nullptr) {
      EXPECT_NE(error->Message.find(c.where), std::string::npos) << c.name << ": " << error->Message;
    }
  }
}

TEST(XFileDamaged, OutputBeyondTheIndexLimitIsRefused) {
  // One polygon whose fan would need more indices than the limit, every corner present in the file.
  const std::uint32_t corners = static_cast<std::uint32_t>(xfile::kMaxIndices / 3 + 3);
  std::vector<std::uint32_t> face = {1, corners};
  face.reserve(corners + 2);
  for (std::uint32_t i = 0; i < corners; ++i) face.push_back(i % 3);
  xtest::BinaryWriter w;
  w.Object("Mesh").Integers({3}).Floats({0, 0, 0, 1, 0, 0, 0, 1, 0}).Integers(face).Close();
  const xfile::XFileResult result = xfile::ReadXFile(w.File());
  ASSERT_TRUE(std::holds_alternative<XFileError>(result));
  EXPECT_EQ(std::get<XFileError>(result).Code, XError::TooLarge) << std::get<XFileError>(result).Message;
}

}  // namespace
