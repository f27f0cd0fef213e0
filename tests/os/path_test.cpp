#include "platform/os/path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace {

TEST(OsPath, NativePathConvertsAndCollapsesSeparators) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"", ""},
      {"model.x", "model.x"},
      {"dir\\sub\\model.x", "dir/sub/model.x"},
      {"dir/sub\\model.x", "dir/sub/model.x"},
      {"dir\\\\sub//\\/model.x", "dir/sub/model.x"},
      {"\\dir\\model.x", "/dir/model.x"},
      {"\\\\\\dir", "/dir"},
      {"/", "/"},
      {"dir\\", "dir/"},
      {".\\..\\x", "./../x"},
  };
  for (const Case& c : cases) EXPECT_EQ(os::NativePath(c.in), c.out) << "input: " << c.in;
}

TEST(OsPath, ResolvePathMatchesComponentsIgnoringCase) {
  test::TempDir dir;
  dir.Write("dir10/model.x", "m");
  dir.Write("Data/x", "exact folder, wrong case file");
  dir.Write("data/X", "exact folder, case-blind file");
  dir.Write("data/Y", "only case-blind");
  dir.Write("mixed/aBc/f", "");
  dir.Write("mixed/ABC/f", "");
  test::CurrentDirScope cwd(dir.Path());

  struct Case {
    std::string in;
    std::string out;
  };
  const Case cases[] = {
      {"DIR10\\Model.X", "dir10/model.x"},
      {dir.Path() + "\\DIR10\\MODEL.x", dir.Path() + "/dir10/model.x"},
      // An exact name wins, and the search goes on inside the folder it chose.
      {"data\\x", "data/X"},
      {"Data\\x", "Data/x"},
      {"DATA\\y", "Data/y"},  // "Data" < "data": the smallest case-blind match is taken
      {"MIXED\\abc\\F", "mixed/ABC/f"},
      // Once a component is missing the rest is kept as written.
      {"DIR10\\Missing\\Model.X", "dir10/Missing/Model.X"},
      {"nothing\\At\\All", "nothing/At/All"},
      {"DIR10\\..\\Dir10\\.\\MODEL.X", "dir10/../dir10/./model.x"},
  };
  for (const Case& c : cases) EXPECT_EQ(os::ResolvePath(c.in), c.out) << "input: " << c.in;
}

TEST(OsPath, CurrentDirFollowsResolvedPath) {
  test::TempDir dir;
  dir.Write("Scenes/Room/a.x", "");
  test::CurrentDirScope cwd(dir.Path());
  ASSERT_TRUE(os::SetCurrentDir("SCENES\\room"));
  const std::string expected = std::filesystem::canonical(dir.Path() + "/Scenes/Room").string();
  EXPECT_EQ(os::GetCurrentDir(), expected);
  EXPECT_FALSE(os::SetCurrentDir("no\\such\\folder"));
  EXPECT_EQ(os::GetCurrentDir(), expected);
}

}  // namespace
