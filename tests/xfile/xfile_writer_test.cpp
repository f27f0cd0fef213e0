#include <gtest/gtest.h>

#include <variant>

#include "platform/xfile/xfile_writer.h"

namespace {

// Both written forms read back to the mesh they were written from.
TEST(XFileWriter, TextAndBinaryFormsReadBackToTheSameMesh) {
  xfile::XMesh m;
  for (int i = 0; i < 5; ++i) {
    const float f = static_cast<float>(i);
    m.Vertices.push_back({{f, f * 0.5f, -f}, {0, 0, -1}, f * 0.25f, 1.0f - f * 0.25f});
  }
  m.Indices = {0, 1, 2, 0, 2, 3, 0, 3, 4};
  m.FaceMaterials = {1, 0, 1};
  xfile::XMaterial a, b;
  a.Diffuse[1] = 0.5f;
  a.Power = 12.0f;
  b.TextureFileName = "dir10\\face.bmp";
  b.Emissive[2] = 0.25f;
  m.Materials = {a, b};
  m.HasNormals = m.HasTextureCoords = true;
  for (const std::string& bytes : {xfile::WriteTextXFile(m), xfile::WriteBinaryXFile(m)}) {
    const xfile::XFileResult r = xfile::ReadXFile(bytes);
    ASSERT_TRUE(std::holds_alternative<xfile::XMesh>(r)) << std::get<xfile::XFileError>(r).Message;
    const xfile::XMesh& back = std::get<xfile::XMesh>(r);
    EXPECT_EQ(back.Indices, m.Indices);
    EXPECT_EQ(back.FaceMaterials, m.FaceMaterials);
    ASSERT_EQ(back.Vertices.size(), m.Vertices.size());
    for (size_t i = 0; i < m.Vertices.size(); ++i) {
      EXPECT_FLOAT_EQ(back.Vertices[i].Position[1], m.Vertices[i].Position[1]);
      EXPECT_FLOAT_EQ(back.Vertices[i].V, m.Vertices[i].V);
      EXPECT_FLOAT_EQ(back.Vertices[i].Normal[2], -1.0f);
    }
    ASSERT_EQ(back.Materials.size(), 2u);
    EXPECT_FLOAT_EQ(back.Materials[0].Power, 12.0f);
    EXPECT_EQ(back.Materials[1].TextureFileName, "dir10\\face.bmp");
    EXPECT_FLOAT_EQ(back.Materials[1].Emissive[2], 0.25f);
    EXPECT_TRUE(back.HasNormals);
  }
}

}  // namespace
