#include <gtest/gtest.h>

#include <sstream>

#include "demo/demo_content.h"
#include "demo_folder.h"
#include "frontends/cli/cli.h"
#include "platform/os/file.h"
#include "support/temp_dir.h"

namespace {

std::string Read(const std::string& path) { return os::ReadWholeFile(path).value_or("<unreadable>"); }

TEST(DemoContent, WritesTheSharedArtTheScenesAndTheTopLevelFiles) {
  const std::string& root = test::DemoFolder();
  std::vector<std::string> files = {"develop.txt", "help.html", "sys/ctrl.x", "sys/centerp.x", "sys/mozaik.dds",
                                    "sys/cursor2.dds", "sys/logo.dds", "sys/multi1.dds"};
  for (int digit = 1; digit <= 5; ++digit) {
    files.push_back("sys/" + std::to_string(digit) + ".dds");
    files.push_back("sys/" + std::to_string(digit) + "h.dds");
  }
  for (int scene : test::kDemoScenes)
    for (const char* file : {"model.x", "bg.x", "env.ini", "motion.txt", "marray.txt", "face.bmp", "skin.dds", "0.idt",
                             "0.vdt"})
      files.push_back("dir" + std::to_string(scene) + "/" + file);
  for (const std::string& file : files) EXPECT_TRUE(os::FileExists(root + "/" + file)) << file;
  EXPECT_EQ(Read(root + "/develop.txt"), "");
  // The face texture is a real bitmap, as its name says.
  EXPECT_EQ(Read(root + "/dir10/face.bmp").substr(0, 2), "BM");
}

// The second run goes through the command line, so that its success path is covered too.
TEST(DemoContent, WritesTheSameBytesOnEveryRun) {
  const test::TempDir again;
  std::ostringstream out, err;
  ASSERT_EQ(cli::Run({"demo", again.Path()}, out, err), 0) << err.str();
  for (const char* file : {"sys/logo.dds", "sys/ctrl.x", "dir10/model.x", "dir10/7.x", "dir20/bg.x", "dir30/face.bmp",
                           "dir30/sky.dds", "dir11/motion.txt", "dir11/12.vdt", "dir11/env.ini"})
    EXPECT_TRUE(Read(test::DemoFolder() + "/" + file) == Read(again / file)) << file;
}

TEST(DemoContent, ReportsAFolderItCannotCreate) {
  const test::TempDir dir;
  dir.Write("blocker", "a file where a folder should go");
  std::string error;
  EXPECT_FALSE(demo::WriteDemoContent(dir / "blocker/demo", &error));
  EXPECT_FALSE(error.empty());
}

TEST(DemoCommand, FailsWithAMessage) {
  const test::TempDir dir;
  dir.Write("blocker", "");
  std::ostringstream out2, err2;
  EXPECT_EQ(cli::Run({"demo", dir / "blocker/demo"}, out2, err2), 1);
  EXPECT_NE(err2.str().find("korvel demo:"), std::string::npos);
  std::ostringstream out3, err3;
  EXPECT_EQ(cli::Run({"demo"}, out3, err3), 2);
  EXPECT_NE(err3.str().find("usage"), std::string::npos);
}

}  // namespace
