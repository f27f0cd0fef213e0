#include <gtest/gtest.h>

#include "platform/ui/errors.h"
#include "platform/ui/string_list.h"
#include "support/temp_dir.h"

namespace {

TEST(UiStringList, ReadsEveryLineEndAndSavesCrLf) {
  struct Case {
    const char* text;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"a\r\nb\r\n", {"a", "b"}}, {"a\nb", {"a", "b"}},      {"a\rb\r", {"a", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}}, {"", {}},             {"\n", {""}},
      {"a\n\rb", {"a", "", "b"}},  // LF then CR: two line ends
  };
  for (const Case& c : cases) {
    ui::StringList list;
    list.SetText(c.text);
    EXPECT_EQ(list.Lines(), c.lines) << c.text;
  }
  ui::StringList list({"x", "", "y"});
  EXPECT_EQ(list.Text(), "x\r\n\r\ny\r\n");
}

TEST(UiStringList, IndexOutsideTheListNamesTheIndex) {
  ui::StringList list({"only"});
  EXPECT_EQ(list.Get(0), "only");
  for (int index : {1, -1}) {
    try {
      list.Get(index);
      FAIL();
    } catch (const ui::Error& e) {
      EXPECT_EQ(std::string(e.what()), "リストのインデックスが範囲を超えています (" + std::to_string(index) + ")");
    }
  }
}

TEST(UiStringList, FileErrorsNameTheFile) {
  test::TempDir dir;
  ui::StringList list({"a"});
  try {
    list.LoadFromFile(dir / "missing.txt");
    FAIL();
  } catch (const ui::Error& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル " + (dir / "missing.txt") + " は開けません");
  }
  dir.Write("file", "x");
  try {
    list.SaveToFile(dir / "file/below-a-file.txt");
    FAIL();
  } catch (const ui::Error& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル " + (dir / "file/below-a-file.txt") + " を作成できません");
  }
  list.SaveToFile(dir / "saved.txt");
  EXPECT_EQ(dir.Read("saved.txt"), "a\r\n");
}

}  // namespace
