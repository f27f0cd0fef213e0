#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "app/key_shape_export.h"
#include "mesh/MyMotionOBJ.h"
#include "mesh/MyXOBJ.h"
#include "mesh/mesh_fixture.h"
#include "platform/gfx/dds_writer.h"
#include "platform/xfile/xfile_writer.h"
#include "support/temp_dir.h"

namespace {

std::vector<std::uint16_t> IndexList(const MyXOBJ& mesh) {
  std::vector<std::uint16_t> out(mesh.NumIndices);
  std::memcpy(out.data(), mesh.IndexBuffer->Data(), out.size() * 2);
  return out;
}

gfx::Vec3 PositionOf(const MyXOBJ& mesh, std::uint32_t v) {
  gfx::Vec3 p;
  std::memcpy(&p, mesh.VertexBuffer->Data() + v * 32, sizeof p);
  return p;
}

class MeshObject : public ::testing::Test {
 protected:
  test::TempDir root;
  test::CurrentDirScope cwd{root.Path()};
  std::unique_ptr<gfx::Device> device = test::LoadingDevice();
};

TEST_F(MeshObject, LoadSortsFacesByMaterialAndMarksFaceTexturesByFileName) {
  const std::string texture = gfx::EncodeDds(gfx::Image(2, 2, 0xFF808080));
  root.Write("face.bmp", texture);  // the loader goes by the bytes, not the name
  root.Write("Face.bmp", texture);
  root.Write("dir10/face.bmp", texture);
  xfile::XMesh x = test::FanMesh(8, 6);
  x.FaceMaterials = {3, 0, 3, 1, 2, 0};
  const char* names[] = {"face.bmp", "Face.bmp", "dir10\\face.bmp", "missing\\face.bmp", ""};
  x.Materials.clear();
  for (const char* name : names) {
    xfile::XMaterial m;
    m.Diffuse[0] = 0.5f;
    m.TextureFileName = name;
    x.Materials.push_back(m);
  }
  root.Write("model.x", xfile::WriteTextXFile(x));

  MyXOBJ mesh;
  mesh.Init();
  ASSERT_TRUE(mesh.Load(*device, root / "model.x", kMeshLoadFlags)) << mesh.LoadError;
  EXPECT_TRUE(mesh.Loaded);
  EXPECT_EQ(mesh.NumVertices, 8u);
  EXPECT_EQ(mesh.NumIndices, 18u);
  EXPECT_EQ(mesh.NumFaces, 6u);
  EXPECT_EQ(mesh.NumMaterials, 5u);
  const std::uint8_t expected_marks[] = {99, 0, 99, 0, 0};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(mesh.FaceMark[static_cast<size_t>(i)], expected_marks[i]) << names[i];
  EXPECT_EQ(mesh.Textures[3], nullptr);
  EXPECT_EQ(mesh.Textures[4], nullptr);
  for (const gfx::Material& m : mesh.Materials) {
    EXPECT_EQ(m.Ambient.r, 0.3f);
    EXPECT_EQ(m.Ambient.b, 0.3f);
    EXPECT_EQ(m.Diffuse.r, 0.5f);
  }
  // Faces 1 and 5 (material 0), 3 (1), 4 (2), then 0 and 2 (3), each group in file order.
  const std::vector<std::uint16_t> sorted = IndexList(mesh);
  const int order[] = {1, 5, 3, 4, 0, 2};
  for (int f = 0; f < 6; ++f)
    for (int k = 0; k < 3; ++k)
      EXPECT_EQ(sorted[static_cast<size_t>(3 * f + k)], x.Indices[static_cast<size_t>(3 * order[f] + k)]) << f;
  mesh.Free();
  EXPECT_FALSE(mesh.Loaded);
}

TEST_F(MeshObject, FilesThatCannotMakeAMeshLeaveItEmpty) {
  struct Case {
    const char* name;
    std::string bytes;
  };
  xfile::XMesh big = test::FanMesh(65536, 3);
  xfile::XMesh many_faces = test::FanMesh(100, 21846);
  xfile::XMesh many_materials = test::FanMesh(4, 2);
  many_materials.Materials.resize(101);
  const Case cases[] = {
      {"missing", ""},
      {"not an X file", "hello"},
      {"65536 vertices", xfile::WriteTextXFile(big)},
      {"21846 faces", xfile::WriteTextXFile(many_faces)},
      {"101 materials", xfile::WriteTextXFile(many_materials)},
  };
  for (const Case& c : cases) {
    if (!c.bytes.empty()) root.Write("bad.x", c.bytes);
    MyXOBJ mesh;
    mesh.Init();
    EXPECT_FALSE(mesh.Load(*device, root / (c.bytes.empty() ? "none.x" : "bad.x"), kMeshLoadFlags)) << c.name;
    EXPECT_FALSE(mesh.Loaded) << c.name;
    EXPECT_EQ(mesh.NumMaterials, 0u) << c.name;
    EXPECT_FALSE(mesh.LoadError.empty()) << c.name;
    mesh.Draw(*device, nullptr, 3);  // draws nothing, touches nothing
  }
  // The largest mesh 16-bit indices allow loads.
  root.Write("largest.x", xfile::WriteTextXFile(test::FanMesh(65535, 21845)));
  MyXOBJ largest;
  largest.Init();
  EXPECT_TRUE(largest.Load(*device, root / "largest.x", kMeshLoadFlags)) << largest.LoadError;
  EXPECT_EQ(largest.NumVertices, 65535u);
  EXPECT_EQ(largest.NumIndices, 65535u);
}

TEST_F(MeshObject, KeyShapeFilesHoldTheSortedCornersAndThePositionsByteForByte) {
  root.Write("dir10/3.x", xfile::WriteTextXFile(test::FanMesh(60, 100)));
  root.Write("dir10/5.x", "damaged");
  const auto lines = ExportKeyShapes(*device, root.Path(), 10);
  EXPECT_EQ(lines, std::vector<std::string>{"X No.3[300/60]"});
  const std::string idt = root.Read("dir10/3.idt"), vdt = root.Read("dir10/3.vdt");
  ASSERT_EQ(idt.size(), 600u);
  ASSERT_EQ(vdt.size(), 720u);

  MyXOBJ model;
  model.Init();
  ASSERT_TRUE(model.Load(*device, root / "dir10/3.x", kMeshLoadFlags));
  EXPECT_EQ(std::memcmp(idt.data(), model.IndexBuffer->Data(), 600), 0);
  MyMotionOBJ key;
  key.Clear();
  std::string vdt_path;
  ASSERT_TRUE(key.Load(root.Path(), 10, 3, &vdt_path));
  EXPECT_EQ(vdt_path, root.Path() + "\\dir10\\3.vdt");
  ASSERT_EQ(key.Indices.size(), 300u);
  ASSERT_EQ(key.Positions.size(), 180u);
  for (std::uint32_t v = 0; v < 60; ++v) {
    const gfx::Vec3 p = PositionOf(model, v);
    EXPECT_EQ(key.Positions[3 * v], p.x);
    EXPECT_EQ(key.Positions[3 * v + 2], p.z);
  }
  // A second export writes the same bytes.
  ExportKeyShapes(*device, root.Path(), 10);
  EXPECT_EQ(root.Read("dir10/3.idt"), idt);
}

TEST_F(MeshObject, DamagedKeyShapeFilesLeaveTheRecordEmpty) {
  struct Case {
    const char* name;
    const char* idt;
    const char* vdt;  // nullptr: no file
  };
  const Case cases[] = {
      {"no vdt", "\x01\x00\x02\x00\x03\x00", nullptr},
      {"odd idt", "\x01\x00\x02", "123456789012"},
      {"vdt not whole vertices", "\x01\x00\x02\x00\x03\x00", "1234567890123"},
      {"empty vdt", "\x01\x00\x02\x00\x03\x00", ""},
  };
  for (const Case& c : cases) {
    root.Write("dir20/0.idt", c.idt);
    std::remove((root / "dir20/0.vdt").c_str());
    if (c.vdt) root.Write("dir20/0.vdt", c.vdt);
    MyMotionOBJ key;
    key.Clear();
    EXPECT_FALSE(key.Load(root.Path(), 20, 0, nullptr)) << c.name;
    EXPECT_FALSE(key.Loaded) << c.name;
  }
  MyMotionOBJ none;
  none.Clear();
  EXPECT_FALSE(none.Load(root.Path(), 20, 7, nullptr));
}

TEST_F(MeshObject, WritingKeyShapesIntoAFolderThatCannotTakeThemSaysSo) {
  root.Write("dir10/0.x", xfile::WriteTextXFile(test::FanMesh(5, 3)));
  root.Write("dir10/0.idt/blocker", "");  // a folder where the file should go
  const auto lines = ExportKeyShapes(*device, root.Path(), 10);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].rfind("X No.0: ファイル ", 0), 0u) << lines[0];
  EXPECT_NE(lines[0].find("を作成できません"), std::string::npos);
}

TEST_F(MeshObject, RecomputedNormalsFaceTheViewerAndSeamsShareThem) {
  // Two triangles of a quad in the z = 0 plane, clockwise as seen from -z, with the shared edge's
  // vertices duplicated (a texture seam) and wrong normals stored.
  xfile::XMesh x;
  const float p[6][3] = {{0, 0, 0}, {0, 1, 0}, {1, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}};
  for (const auto& q : p) x.Vertices.push_back({{q[0], q[1], q[2]}, {1, 0, 0}, 0, 0});
  x.Indices = {0, 1, 2, 3, 4, 5};
  x.FaceMaterials = {0, 0};
  x.Materials.push_back({});
  x.HasNormals = true;
  root.Write("quad.x", xfile::WriteTextXFile(x));
  MyXOBJ mesh;
  mesh.Init();
  ASSERT_TRUE(mesh.Load(*device, root / "quad.x", kMeshLoadFlags));
  mesh.Mesh->ComputeNormals(mesh.Adjacency);
  for (std::uint32_t v = 0; v < 6; ++v) {
    gfx::Vec3 n;
    std::memcpy(&n, mesh.VertexBuffer->Data() + v * 32 + 12, sizeof n);
    EXPECT_NEAR(n.z, -1.0f, 1e-6f) << v;
    EXPECT_NEAR(n.x, 0.0f, 1e-6f) << v;
  }
  EXPECT_EQ(mesh.Adjacency[0 * 3 + 1], 1u);  // edge 1-2 of face 0 borders face 1
}

}  // namespace
