#include "platform/os/file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(OsFile, ReadsWholeFileThroughCaseBlindPathWithinLimit) {
  test::TempDir dir;
  const std::string bytes("a\0b\r\n\xFF", 6);
  dir.Write("Dir/file.bin", bytes);
  const std::string path = dir.Path() + "\\DIR\\File.BIN";

  EXPECT_TRUE(os::FileExists(path));
  EXPECT_EQ(os::FileLength(path), 6u);
  EXPECT_EQ(os::ReadWholeFile(path), bytes);
  EXPECT_EQ(os::ReadWholeFile(path, 6), bytes);
  EXPECT_EQ(os::ReadWholeFile(path, 5), std::nullopt);
}

TEST(OsFile, RefusesMissingFilesFoldersAndPipes) {
  test::TempDir dir;
  fs::create_directory(dir / "folder");
  ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
  dir.Write("file", "x");
  const std::string names[] = {"missing", "folder", "pipe", std::string("file\0.x", 7)};
  for (const std::string& name : names) {
    const std::string path = dir / name;
    EXPECT_FALSE(os::FileExists(path)) << name;
    EXPECT_EQ(os::FileLength(path), std::nullopt) << name;
    EXPECT_EQ(os::ReadWholeFile(path), std::nullopt) << name;  // a pipe must not block
  }
}

TEST(OsFile, WriteWholeFileCreatesAndTruncates) {
  test::TempDir dir;
  ASSERT_TRUE(os::WriteWholeFile(dir / "out.txt", "longer contents"));
  ASSERT_TRUE(os::WriteWholeFile(dir.Path() + "\\OUT.TXT", "short"));
  EXPECT_EQ(dir.Read("out.txt"), "short");
  EXPECT_FALSE(os::WriteWholeFile(dir / "no/such/folder/out.txt", "x"));
  EXPECT_FALSE(os::WriteWholeFile(dir / std::string("out.txt\0.bak", 12), "x"));
  EXPECT_EQ(dir.Read("out.txt"), "short");
}

TEST(OsFile, ReplaceWholeFileKeepsModeAndLeavesNoTemporaryFiles) {
  test::TempDir dir;
  dir.Write("Settings.ini", "old");
  ASSERT_EQ(chmod((dir / "Settings.ini").c_str(), 0640), 0);

  ASSERT_TRUE(os::ReplaceWholeFile(dir.Path() + "\\SETTINGS.INI", "new contents"));
  EXPECT_EQ(dir.Read("Settings.ini"), "new contents");
  EXPECT_EQ(fs::status(dir / "Settings.ini").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  ASSERT_TRUE(os::ReplaceWholeFile(dir / "created.txt", "fresh"));
  EXPECT_EQ(dir.Read("created.txt"), "fresh");
  EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{"Settings.ini", "created.txt"}));
}

TEST(OsFile, ReplaceWholeFileThroughLinkKeepsLink) {
  test::TempDir dir;
  dir.Write("real.txt", "old");
  fs::create_symlink("real.txt", dir / "link.txt");
  ASSERT_TRUE(os::ReplaceWholeFile(dir / "link.txt", "new"));
  EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
  EXPECT_EQ(dir.Read("real.txt"), "new");
}

TEST(OsFile, ReplaceWholeFileFailsCleanly) {
  test::TempDir dir;
  fs::create_directory(dir / "folder");
  dir.Write("plain", "x");
  EXPECT_FALSE(os::ReplaceWholeFile(dir / "folder", "data"));
  EXPECT_FALSE(os::ReplaceWholeFile(dir / "plain/under", "data"));
  EXPECT_FALSE(os::ReplaceWholeFile(dir / "missing/file", "data"));
  EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{"folder", "plain"}));
  EXPECT_TRUE(fs::is_empty(dir / "folder"));
}

}  // namespace
