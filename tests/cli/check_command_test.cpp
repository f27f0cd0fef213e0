#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "app/key_shape_export.h"
#include "frontends/cli/cli.h"
#include "mesh/mesh_fixture.h"
#include "platform/xfile/xfile_writer.h"
#include "support/scene_files.h"
#include "support/temp_dir.h"

namespace {

// A sound scene 10: model, background, two key shapes, every motion 0 -> 1 in one step.
void WriteSoundScene(const test::TempDir& root) {
  const std::string mesh = xfile::WriteTextXFile(test::FanMesh(5, 3));
  for (const char* name : {"dir10/model.x", "dir10/bg.x", "dir10/0.x", "dir10/1.x"}) root.Write(name, mesh);
  std::vector<std::string> motion(216, "0");
  for (int m = 0; m < 11; ++m) {
    motion[static_cast<size_t>(18 * (m + 1) + 1)] = "1";
    motion[static_cast<size_t>(18 * (m + 1) + 2)] = "1.0";
    motion[static_cast<size_t>(18 * (m + 1) + 4)] = "1";
  }
  root.Write("dir10/motion.txt", test::CrLf(motion));
  root.Write("dir10/marray.txt", test::CrLf(std::vector<std::string>(24, "3")));
  root.Write("dir10/env.ini", "[ENV]\r\nDist=3\r\n");
  auto device = test::LoadingDevice();
  ExportKeyShapes(*device, root.Path(), 10);
}

std::pair<int, std::string> Check(const std::string& root) {
  std::ostringstream out, err;
  const int code = cli::Run({"check", "--root", root, "10"}, out, err);
  return {code, out.str() + err.str()};
}

TEST(CliCheck, ASoundSceneHasNothingToReport) {
  test::TempDir root;
  WriteSoundScene(root);
  const auto [code, text] = Check(root.Path());
  EXPECT_EQ(code, 0) << text;
  EXPECT_EQ(text, "") << text;
}

TEST(CliCheck, EachProblemGetsALineNamingItsFile) {
  struct Case {
    const char* name;
    std::function<void(const test::TempDir&)> damage;
    const char* expected;
  };
  auto replace_line = [](const char* file, size_t line, const char* text, size_t lines) {
    return [=](const test::TempDir& r) {
      std::vector<std::string> all(lines, "0");
      std::istringstream in(r.Read(file));
      std::string l;
      for (size_t i = 0; i < lines && std::getline(in, l); ++i) all[i] = l.substr(0, l.find('\r'));
      all[line] = text;
      r.Write(file, test::CrLf(all));
    };
  };
  const Case cases[] = {
      {"no model", [](const test::TempDir& r) { std::remove((r.Path() + "/dir10/model.x").c_str()); },
       "model.x: missing"},
      {"no background", [](const test::TempDir& r) { std::remove((r.Path() + "/dir10/bg.x").c_str()); },
       "bg.x: cannot be loaded"},
      {"no env.ini", [](const test::TempDir& r) { std::remove((r.Path() + "/dir10/env.ini").c_str()); },
       "env.ini: missing"},
      {"short motion.txt",
       [](const test::TempDir& r) { r.Write("dir10/motion.txt", test::CrLf(std::vector<std::string>(100, "1"))); },
       "dir10: リストのインデックスが範囲を超えています (100)"},
      {"bad step count", replace_line("dir10/motion.txt", 18 * 4 + 1, "x", 216), "'x' は整数ではありません"},
      {"selection outside", replace_line("dir10/marray.txt", 2, "25", 24), "names motion 25, outside 0 to 19"},
      {"too many steps", replace_line("dir10/motion.txt", 18 * 4 + 1, "15", 216), "has 15 steps"},
      {"key number outside", replace_line("dir10/motion.txt", 18 * 4 + 4, "60", 216), "names key shape 60"},
      {"key shape missing", [](const test::TempDir& r) { std::remove((r.Path() + "/dir10/1.idt").c_str()); },
       "1.idt: key shape 1 (motion 3) is missing"},
      {"key shape of another model",
       [](const test::TempDir& r) { r.Write("dir10/1.idt", std::string(12, '\0')); }, "has 6 face corners, the model 9"},
      {"texture missing",
       [](const test::TempDir& r) {
         xfile::XMesh m = test::FanMesh(5, 3);
         m.Materials[0].TextureFileName = "dir10\\skin.dds";
         r.Write("dir10/bg.x", xfile::WriteTextXFile(m));
       },
       "bg.x: texture 'dir10\\skin.dds' cannot be loaded"},
  };
  for (const Case& c : cases) {
    test::TempDir root;
    WriteSoundScene(root);
    c.damage(root);
    const auto [code, text] = Check(root.Path());
    EXPECT_EQ(code, 1) << c.name << "\n" << text;
    EXPECT_NE(text.find(c.expected), std::string::npos) << c.name << "\n" << text;
  }
}

}  // namespace
