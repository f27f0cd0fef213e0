// The text form: geometry, normals, frames, materials and the tolerance real exporters need.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/xfile/xfile.h"
#include "support/temp_dir.h"
#include "xfile/xfile_fixtures.h"

namespace {

using xfile::XMesh;
using xtest::ParseOk;
using xtest::Text;

struct Vec3 {
  float x, y, z;
};

void ExpectNear3(const float (&actual)[3], Vec3 expected, const std::string& what) {
  EXPECT_NEAR(actual[0], expected.x, 1e-5f) << what;
  EXPECT_NEAR(actual[1], expected.y, 1e-5f) << what;
  EXPECT_NEAR(actual[2], expected.z, 1e-5f) << what;
}

TEST(XFileText, QuadIsFannedAndKeepsTextureCoords) {
  const XMesh mesh = ParseOk(Text(R"(
Mesh Quad {
 4;
 0.0;0.0;0.0;,
 1.0;0.0;0.0;,
 1.0;1.0;0.0;,
 0.0;1.0;0.0;;
 1;
 4;0,1,2,3;;
 MeshTextureCoords {
  4;
  0.0;1.0;,
  1.0;1.0;,
  1.0;0.0;,
  0.25;0.5;;
 }
}
)"));
  ASSERT_EQ(mesh.Vertices.size(), 4u);
  EXPECT_EQ(mesh.Indices, (std::vector<std::uint32_t>{0, 1, 2, 0, 2, 3}));
  EXPECT_EQ(mesh.FaceMaterials, (std::vector<std::uint32_t>{0, 0}));
  EXPECT_TRUE(mesh.Materials.empty());
  EXPECT_FALSE(mesh.HasNormals);
  EXPECT_TRUE(mesh.HasTextureCoords);
  ExpectNear3(mesh.Vertices[2].Position, {1, 1, 0}, "vertex 2");
  ExpectNear3(mesh.Vertices[2].Normal, {0, 0, 0}, "vertex 2 without normals");
  EXPECT_EQ(mesh.Vertices[3].U, 0.25f);
  EXPECT_EQ(mesh.Vertices[3].V, 0.5f);
}

// Three quads meeting at a cube corner, one normal each, and a triangle reusing two of the pairs.
TEST(XFileText, SplitNormalsAppendVerticesInFaceOrder) {
  const XMesh mesh = ParseOk(Text(R"(
Mesh Corner {
 7;
 0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;, 0;0;1;, 1;0;1;, 0;1;1;;
 4;
 4;0,1,2,3;,
 4;0,4,5,1;,
 4;0,3,6,4;,
 3;0,6,4;;
 MeshNormals {
  3;
  0;0;-1;, 0;-1;0;, -1;0;0;;
  4;
  4;0,0,0,0;,
  4;1,1,1,1;,
  4;2,2,2,2;,
  3;2,2,2;;
 }
 MeshTextureCoords { 7; 0;0;, 0.5;0;, 0;0;, 0;0;, 0;0.5;, 0;0;, 0;0;; }
}
)"));
  EXPECT_TRUE(mesh.HasNormals);
  // Positions keep their indices with the normal of their first corner; then (p0,n1), (p1,n1),
  // (p0,n2), (p3,n2), (p4,n2) in the order the faces first use them.
  struct Expected {
    Vec3 position;
    Vec3 normal;
    float u;
  };
  const Expected expected[] = {
      {{0, 0, 0}, {0, 0, -1}, 0}, {{1, 0, 0}, {0, 0, -1}, 0.5f}, {{1, 1, 0}, {0, 0, -1}, 0},
      {{0, 1, 0}, {0, 0, -1}, 0}, {{0, 0, 1}, {0, -1, 0}, 0},    {{1, 0, 1}, {0, -1, 0}, 0},
      {{0, 1, 1}, {-1, 0, 0}, 0}, {{0, 0, 0}, {0, -1, 0}, 0},    {{1, 0, 0}, {0, -1, 0}, 0.5f},
      {{0, 0, 0}, {-1, 0, 0}, 0}, {{0, 1, 0}, {-1, 0, 0}, 0},    {{0, 0, 1}, {-1, 0, 0}, 0},
  };
  ASSERT_EQ(mesh.Vertices.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    ExpectNear3(mesh.Vertices[i].Position, expected[i].position, "position " + std::to_string(i));
    ExpectNear3(mesh.Vertices[i].Normal, expected[i].normal, "normal " + std::to_string(i));
    EXPECT_EQ(mesh.Vertices[i].U, expected[i].u) << "u " << i;
  }
  EXPECT_EQ(mesh.Indices, (std::vector<std::uint32_t>{0, 1,  2, 0, 2, 3,   //
                                                      7, 4,  5, 7, 5, 8,   //
                                                      9, 10, 6, 9, 6, 11,  //
                                                      9, 6,  11}));
}

TEST(XFileText, NormalFacesEqualToPositionFacesKeepVertexCountAndOrder) {
  // Position 4 is used by no face: it stays in place, without a normal.
  const XMesh mesh = ParseOk(Text(R"(
Mesh {
 5;
 0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;, 9;9;9;;
 2;
 3;2,1,0;,
 3;0,3,2;;
 MeshNormals {
  5;
  0;0;1;, 0;0.6;0.8;, 0;0.8;0.6;, 0.6;0;0.8;, 1;0;0;;
  2;
  3;2,1,0;,
  3;0,3,2;;
 }
}
)"));
  ASSERT_EQ(mesh.Vertices.size(), 5u);
  EXPECT_EQ(mesh.Indices, (std::vector<std::uint32_t>{2, 1, 0, 0, 3, 2}));
  const Vec3 normals[] = {{0, 0, 1}, {0, 0.6f, 0.8f}, {0, 0.8f, 0.6f}, {0.6f, 0, 0.8f}, {0, 0, 0}};
  for (std::size_t i = 0; i < 5; ++i) ExpectNear3(mesh.Vertices[i].Normal, normals[i], "normal " + std::to_string(i));
  ExpectNear3(mesh.Vertices[4].Position, {9, 9, 9}, "unused position");
}

// Tolerance real files need: each variant describes the triangle (0,0,0) (1,0,0) (0,1,0).
TEST(XFileText, AcceptsExporterVariants) {
  struct Case {
    const char* name;
    const char* body;
  };
  const Case cases[] = {
      {"separators ;, and ;;", "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; }"},
      {"separators ;; everywhere", "Mesh { 3;; 0;0;0;; 1;0;0;; 0;1;0;;; 1;; 3;0,1,2;;; }"},
      {"commas only", "Mesh { 3, 0,0,0, 1,0,0, 0,1,0, 1, 3,0,1,2 }"},
      {"no separators at all", "Mesh {\n3\n0 0 0\n1 0 0\n0 1 0\n1\n3 0 1 2\n}"},
      {"CRLF, tabs and number spellings",
       "Mesh\t{\r\n\t3;\r\n\t-0.0e0;+0;.0;,\r\n\t1.;0E+0;0.000;,\r\n\t0;10e-1;-0;;\r\n\t1;\r\n\t3;0,1,2;;\r\n}\r\n"},
      {"comments",
       "# a comment { with \"braces\"\n// another }\nMesh { # vertex count\n 3; // three\n"
       "0;0;0;, 1;0;0;, 0;1;0;; # }\n 1; 3;0,1,2;; }"},
      {"templates",
       "template Vector {\n <3D82AB5E-62DA-11cf-AB39-0020AF71E433>\n FLOAT x;\n FLOAT y;\n FLOAT z;\n}\n"
       "template Mesh {\n <3D82AB44-62DA-11cf-AB39-0020AF71E433>\n DWORD nVertices;\n"
       " array Vector vertices[nVertices];\n DWORD nFaces;\n array MeshFace faces[nFaces];\n [...]\n}\n"
       "template MeshMaterialList {\n <F6F23F42-7686-11cf-8F52-0040333594A3>\n DWORD nMaterials;\n"
       " [Material <3D82AB4D-62DA-11cf-AB39-0020AF71E433>]\n}\n"
       "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; }"},
      {"unknown objects, references and strings with braces",
       "Header { 1; 0; 1; }\n"
       "AnimTicksPerSecond { 4800; }\n"
       "AnimationSet Walk { Animation { { Mesh01 } AnimationKey { 0; 1; 0; 3; 1.#INF, 0, 0;;; } "
       "Note { \"}{ not a brace\"; } } }\n"
       "{ Mesh01 }\n"
       "Mesh Mesh01 { <3D82AB44-62DA-11CF-AB39-0020AF71E433>\n 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;;\n"
       " VertexDuplicationIndices { 3; 3; 0, 1, 2; }\n"
       " XSkinMeshHeader { 1; 2; 1; }\n"
       " SkinWeights { \"Bone\"; 1; 0; 1.0; 1;0;0;0; 0;1;0;0; 0;0;1;0; 0;0;0;1;; }\n"
       " DeclData { 1; 2; 0; 3; 0;; 3; 0, 0, 0; }\n"
       " { SomeMaterial }\n"
       "}\n"},
      {"a frame without a matrix, names with dashes and dots",
       "Frame Scene_Root-1.0 { Mesh Body.Mesh-01 { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; } }"},
      {"object type names in other letter case", "mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; }"},
      {"version 0303 and float size 0064 on text", nullptr},
  };
  for (const Case& c : cases) {
    const std::string file =
        c.body != nullptr ? Text(c.body) : "xof 0303txt 0064\nMesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; }";
    const XMesh mesh = ParseOk(file);
    ASSERT_EQ(mesh.Vertices.size(), 3u) << c.name;
    ExpectNear3(mesh.Vertices[0].Position, {0, 0, 0}, c.name);
    ExpectNear3(mesh.Vertices[1].Position, {1, 0, 0}, c.name);
    ExpectNear3(mesh.Vertices[2].Position, {0, 1, 0}, c.name);
    EXPECT_EQ(mesh.Indices, (std::vector<std::uint32_t>{0, 1, 2})) << c.name;
  }
}

TEST(XFileText, SpecialFloatsPassThrough) {
  enum class Kind { NaN, PlusInf, MinusInf, Value };
  struct Case {
    const char* number;
    Kind kind;
    float value;
  };
  const Case cases[] = {
      {"1.#QNAN0", Kind::NaN, 0},     {"-1.#IND00", Kind::NaN, 0},        {"1.#SNAN0", Kind::NaN, 0},
      {"1.#INF00", Kind::PlusInf, 0}, {"-1.#INF00", Kind::MinusInf, 0},   {"nan", Kind::NaN, 0},
      {"inf", Kind::PlusInf, 0},      {"1e39", Kind::PlusInf, 0},         {"-1e400", Kind::MinusInf, 0},
      {"1e-50", Kind::Value, 0},      {"-1.5e-3", Kind::Value, -1.5e-3f}, {"3.4028235e38", Kind::Value, 3.4028235e38f},
  };
  for (const Case& c : cases) {
    const XMesh mesh = ParseOk(Text("Mesh { 3; " + std::string(c.number) + ";0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; }"));
    ASSERT_EQ(mesh.Vertices.size(), 3u) << c.number;
    const float x = mesh.Vertices[0].Position[0];
    switch (c.kind) {
      case Kind::NaN:
        EXPECT_TRUE(std::isnan(x)) << c.number;
        break;
      case Kind::PlusInf:
        EXPECT_TRUE(std::isinf(x) && x > 0) << c.number << " gave " << x;
        break;
      case Kind::MinusInf:
        EXPECT_TRUE(std::isinf(x) && x < 0) << c.number << " gave " << x;
        break;
      case Kind::Value:
        EXPECT_EQ(x, c.value) << c.number;
        break;
    }
  }
}

// Matrices: translate(10,0,0); rotate 90 degrees about z (row vectors: x -> y); scale x by 2; mirror x.
#define XT_TRANSLATE "1,0,0,0, 0,1,0,0, 0,0,1,0, 10,0,0,1;;"
#define XT_ROTATE "0,1,0,0, -1,0,0,0, 0,0,1,0, 0,0,0,1;;"
#define XT_SCALE_X2 "2,0,0,0, 0,1,0,0, 0,0,1,0, 0,0,0,1;;"
#define XT_MIRROR_X "-1,0,0,0, 0,1,0,0, 0,0,1,0, 0,0,0,1;;"
// A triangle in the plane x + y = 1 with its normal, so that every matrix moves both.
#define XT_TRIANGLE \
  "Mesh { 3; 1;0;0;, 0;1;0;, 1;0;1;; 1; 3;0,1,2;; MeshNormals { 1; 0.70710677;0.70710677;0;; 1; 3;0,0,0;; } }"

TEST(XFileFrames, HierarchyAppliesOwnMatrixThenParents) {
  const XMesh mesh =
      ParseOk(Text("Frame Parent {\n"
                   " FrameTransformMatrix { " XT_TRANSLATE " }\n"
                   " Frame Child {\n"
                   "  FrameTransformMatrix { " XT_ROTATE " }\n"
                   "  " XT_TRIANGLE "\n"
                   " }\n"
                   " " XT_TRIANGLE "\n"
                   "}\n"
                   "Frame MatrixLast { " XT_TRIANGLE " FrameTransformMatrix { " XT_ROTATE " } }\n"
                   "Frame Stretched { FrameTransformMatrix { " XT_SCALE_X2 " } " XT_TRIANGLE " }\n"
                   "Frame Mirrored { FrameTransformMatrix { " XT_MIRROR_X " } " XT_TRIANGLE " }\n" XT_TRIANGLE "\n"));
  const float h = 0.70710677f;
  struct Expected {
    const char* what;
    Vec3 first;  // the mesh's vertex (1,0,0)
    Vec3 normal;
  };
  const Expected expected[] = {
      // Rotated first, then moved: (1,0,0) -> (0,1,0) -> (10,1,0). The other order would give (0,11,0).
      {"child of a moved parent", {10, 1, 0}, {-h, h, 0}},
      {"parent's own mesh", {11, 0, 0}, {h, h, 0}},
      {"matrix after the mesh", {0, 1, 0}, {-h, h, 0}},
      // The plane x + y = 1 becomes x/2 + y = 1: its normal is (1,2,0)/sqrt(5), not (2,1,0)/sqrt(5).
      {"non-uniform scale", {2, 0, 0}, {0.4472136f, 0.8944272f, 0}},
      {"mirror", {-1, 0, 0}, {-h, h, 0}},
      {"top level", {1, 0, 0}, {h, h, 0}},
  };
  ASSERT_EQ(mesh.Vertices.size(), 3 * std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    ExpectNear3(mesh.Vertices[3 * i].Position, expected[i].first, expected[i].what);
    ExpectNear3(mesh.Vertices[3 * i].Normal, expected[i].normal, expected[i].what);
  }
  // The child's second vertex (0,1,0): rotated to (-1,0,0), then moved to (9,0,0).
  ExpectNear3(mesh.Vertices[1].Position, {9, 0, 0}, "child vertex 1");
  EXPECT_EQ(mesh.Indices[3], 3u);  // meshes follow each other with their indices offset
}

TEST(XFileMaterials, MeshesMergeWithMaterialsConcatenated) {
  const XMesh mesh = ParseOk(Text(R"(
Material Red {
 1.0;0.0;0.0;1.0;;
 5.0;
 0.5;0.5;0.5;;
 0.0;0.0;0.0;;
 TextureFilename { "Face.bmp"; }
}
Material Skin { 0.8;0.7;0.6;0.5;; 10.0; 1;1;1;; 0.1;0.2;0.3;; TextureFileName { "sys\\skin.bmp"; } }
Mesh A {
 4; 0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;;
 2; 3;0,1,2;, 3;0,2,3;;
 MeshMaterialList {
  2; 2; 1, 0;;
  { Red }
  Material Blue { 0;0;1;1;; 1; 0;0;0;; 0;0;0;; TextureFilename { "dir10\face.bmp"; } }
 }
}
Mesh B {
 4; 0;0;1;, 1;0;1;, 1;1;1;, 0;1;1;;
 1; 4;3,2,1,0;;
 MeshMaterialList { 3; 1; 2;; {Skin} { Undefined } {Blue} }
}
Mesh C {
 3; 0;0;2;, 1;0;2;, 0;1;2;;
 1; 3;0,1,2;;
}
)"));
  ASSERT_EQ(mesh.Vertices.size(), 11u);
  EXPECT_EQ(mesh.Indices, (std::vector<std::uint32_t>{0, 1, 2, 0, 2, 3, 7, 6, 5, 7, 5, 4, 8, 9, 10}));
  // A: Red, Blue; B: Skin, default (undefined reference), Blue; C: a default of its own.
  EXPECT_EQ(mesh.FaceMaterials, (std::vector<std::uint32_t>{1, 0, 4, 4, 5}));
  struct Expected {
    float diffuse[4];
    float power;
    float specular[3];
    float emissive[3];
    const char* texture;
  };
  const Expected expected[] = {
      {{1, 0, 0, 1}, 5, {0.5f, 0.5f, 0.5f}, {0, 0, 0}, "Face.bmp"},
      {{0, 0, 1, 1}, 1, {0, 0, 0}, {0, 0, 0}, "dir10\\face.bmp"},
      {{0.8f, 0.7f, 0.6f, 0.5f}, 10, {1, 1, 1}, {0.1f, 0.2f, 0.3f}, "sys\\\\skin.bmp"},
      {{1, 1, 1, 1}, 0, {0, 0, 0}, {0, 0, 0}, ""},
      {{0, 0, 1, 1}, 1, {0, 0, 0}, {0, 0, 0}, "dir10\\face.bmp"},
      {{1, 1, 1, 1}, 0, {0, 0, 0}, {0, 0, 0}, ""},
  };
  ASSERT_EQ(mesh.Materials.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const xfile::XMaterial& m = mesh.Materials[i];
    const Expected& e = expected[i];
    for (int k = 0; k < 4; ++k) EXPECT_FLOAT_EQ(m.Diffuse[k], e.diffuse[k]) << "material " << i;
    EXPECT_FLOAT_EQ(m.Power, e.power) << "material " << i;
    for (int k = 0; k < 3; ++k) {
      EXPECT_FLOAT_EQ(m.Specular[k], e.specular[k]) << "material " << i;
      EXPECT_FLOAT_EQ(m.Emissive[k], e.emissive[k]) << "material " << i;
    }
    EXPECT_EQ(m.TextureFileName, e.texture) << "material " << i;
  }
}

TEST(XFileMaterials, FileWithoutMaterialsGivesAnEmptyList) {
  const XMesh mesh =
      ParseOk(Text("Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; }\n"
                   "Mesh { 4; 0;0;1;, 1;0;1;, 1;1;1;, 0;1;1;; 1; 4;0,1,2,3;; }\n"));
  EXPECT_TRUE(mesh.Materials.empty());
  EXPECT_EQ(mesh.FaceMaterials, (std::vector<std::uint32_t>{0, 0, 0}));
  EXPECT_EQ(mesh.Indices, (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5, 3, 5, 6}));
}

TEST(XFileMaterials, FlagsDescribeTheMergedMeshes) {
  // Normals only when every mesh had them; texture coordinates when any had them.
  const std::string withBoth =
      "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; MeshNormals { 1; 0;0;1;; 1; 3;0,0,0;; }"
      " MeshTextureCoords { 3; 0;0;, 1;0;, 0;1;; } }\n";
  const std::string plain = "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; }\n";
  const std::string empty = "Mesh { 0;; 0;; }\n";
  struct Case {
    std::string body;
    bool normals;
    bool coords;
  };
  const Case cases[] = {
      {withBoth, true, true},
      {withBoth + plain, false, true},
      {plain, false, false},
      {withBoth + empty, true, true},
  };
  for (const Case& c : cases) {
    const XMesh mesh = ParseOk(Text(c.body));
    EXPECT_EQ(mesh.HasNormals, c.normals) << c.body;
    EXPECT_EQ(mesh.HasTextureCoords, c.coords) << c.body;
  }
}

TEST(XFileLoad, ReadsThroughWindowsPathsAndNamesMissingFiles) {
  test::TempDir dir;
  dir.Write("dir10/Model.x", Text("Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; }"));
  const xfile::XFileResult found = xfile::LoadXFile(dir.Path() + "\\DIR10\\MODEL.X");
  ASSERT_TRUE(std::holds_alternative<XMesh>(found));
  EXPECT_EQ(std::get<XMesh>(found).Vertices.size(), 3u);

  const xfile::XFileResult missing = xfile::LoadXFile(dir.Path() + "\\dir10\\absent.x");
  ASSERT_TRUE(std::holds_alternative<xfile::XFileError>(missing));
  EXPECT_EQ(std::get<xfile::XFileError>(missing).Code, xfile::XError::CannotRead);
  EXPECT_NE(std::get<xfile::XFileError>(missing).Message.find("absent.x"), std::string::npos);
}

}  // namespace
