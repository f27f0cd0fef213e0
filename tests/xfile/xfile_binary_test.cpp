// The binary token form and the MSZIP-compressed forms read to the same mesh as the text form.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/xfile/xfile.h"
#include "xfile/xfile_fixtures.h"

namespace {

using xfile::XMesh;
using xtest::BinaryStyle;
using xtest::ParseOk;

TEST(XFileBinary, ReadsLikeTheTextForm) {
  const XMesh text = ParseOk(xtest::Text(xtest::kQuadBody));
  // The fixture itself: 4 positions, 3 more for the triangle's own normal, frame moved by z = 2.
  ASSERT_EQ(text.Vertices.size(), 7u);
  EXPECT_EQ(text.Indices, (std::vector<std::uint32_t>{0, 1, 2, 0, 2, 3, 4, 5, 6}));
  EXPECT_EQ(text.FaceMaterials, (std::vector<std::uint32_t>{0, 0, 1}));
  EXPECT_EQ(text.Vertices[2].Position[2], 2.0f);
  EXPECT_EQ(text.Vertices[5].Normal[2], -1.0f);
  ASSERT_EQ(text.Materials.size(), 2u);
  EXPECT_EQ(text.Materials[0].TextureFileName, "dir10\\face.bmp");

  const BinaryStyle styles[] = {
      {false, false, false}, {true, false, false}, {false, true, false}, {true, true, true}, {false, false, true},
  };
  for (const BinaryStyle& style : styles) {
    SCOPED_TRACE(testing::Message() << "doubles " << style.doubles << ", split " << style.split << ", wide terminator "
                                    << style.wideTerminator);
    xtest::ExpectSameMesh(ParseOk(xtest::BinaryQuad(style)), text);
  }
}

TEST(XFileBinary, SpecialFloatsPassThrough) {
  const double inf = HUGE_VAL;
  for (const bool doubles : {false, true}) {
    xtest::BinaryWriter w(doubles);
    w.Object("Mesh")
        .Integers({3})
        .Floats({std::nan(""), -inf, 1e300, 1, 0, 0, 0, 1, 0})
        .Integers({1, 3, 0, 1, 2})
        .Close();
    const XMesh mesh = ParseOk(w.File());
    ASSERT_EQ(mesh.Vertices.size(), 3u);
    EXPECT_TRUE(std::isnan(mesh.Vertices[0].Position[0])) << doubles;
    EXPECT_TRUE(std::isinf(mesh.Vertices[0].Position[1]) && mesh.Vertices[0].Position[1] < 0) << doubles;
    // 1e300 is beyond float: the 32-bit writer already made it infinite, the 64-bit one leaves it to us.
    EXPECT_TRUE(std::isinf(mesh.Vertices[0].Position[2]) && mesh.Vertices[0].Position[2] > 0) << doubles;
  }
}

TEST(XFileCompressed, TwoBlocksWithSharedHistoryReadLikeTheUncompressedForm) {
  // The body twice, so that the second block refers back into the first.
  const std::string text = std::string(xtest::kQuadBody) + xtest::kQuadBody;
  const BinaryStyle style{};
  const std::string binary = xtest::BinaryQuadBody(style) + xtest::BinaryQuadBody(style);
  struct Case {
    const char* format;
    std::string body;
    std::string plain;
  };
  const Case cases[] = {
      {"tzip0032", text, xtest::Text(text.substr(1))},
      {"bzip0032", binary, "xof 0302bin 0032" + binary},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.format);
    const std::size_t half = (c.body.size() + 1) / 2;
    // The fixture is only worth its name if the second block needs the first as its dictionary.
    const std::string second = c.body.substr(half);
    EXPECT_LT(xtest::DeflateBlock(second, c.body.substr(0, half)).size(), xtest::DeflateBlock(second, {}).size());

    const XMesh plain = ParseOk(c.plain);
    EXPECT_EQ(plain.Vertices.size(), 14u);
    xtest::ExpectSameMesh(ParseOk(xtest::MsZip(c.format, c.body, half)), plain);
  }
}

}  // namespace
