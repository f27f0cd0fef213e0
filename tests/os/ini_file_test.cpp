#include "platform/os/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "support/temp_dir.h"

namespace {

TEST(OsIni, ReadsFirstMatchIgnoringCaseAndBlanks) {
  test::TempDir dir;
  dir.Write("Viewer.ini",
            "orphan=before any section\r\n"
            "; Window=commented out\r\n"
            "[Window]\r\n"
            "  Width =  640 \t\r\n"
            "\tHeight\t=480\r\n"
            ";Height=1\r\n"
            "not a key line\r\n"
            "width=duplicate\r\n"
            "Empty=\r\n"
            "Path = C:\\Scenes\\a.x ; kept as written\r\n"
            "[ Light Setup ]\n"
            "Color=1 2 3\r"
            "[broken\n"
            "Spot=on\n"
            "[WINDOW]\n"
            "Title=second section of the same name\n"
            "[Last]\n"
            "Tail=no line break");
  const os::IniFile ini(dir.Path() + "\\VIEWER.INI");

  struct Case {
    const char* section;
    const char* key;
    const char* value;
  };
  const Case cases[] = {
      {"window", "WIDTH", "640"},
      {"Window", "height", "480"},
      {"Window", "Empty", ""},
      {"Window", "Path", "C:\\Scenes\\a.x ; kept as written"},
      {" window ", " width ", "640"},
      {"light setup", "color", "1 2 3"},
      {"Light Setup", "Spot", "on"},  // "[broken" is no header, so Spot stays in Light Setup
      {"Window", "Title", "<def>"},   // only the first section of a name counts
      {"Last", "Tail", "no line break"},
      {"Window", "orphan", "<def>"},
      {"Window", "Missing", "<def>"},
      {"Missing", "Width", "<def>"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ini.ReadString(c.section, c.key, "<def>"), c.value) << c.section << "/" << c.key;
  }
  EXPECT_EQ(os::IniFile(dir / "absent.ini").ReadString("Window", "Width", "7"), "7");
}

TEST(OsIni, WritesChangeOnlyWhatTheyMust) {
  struct Case {
    const char* name;
    std::string before;  // empty: no file
    const char* section;
    const char* key;
    const char* value;
    std::string after;
  };
  const Case cases[] = {
      {"replace value in place",
       "; settings\r\n[Window]\r\nWidth = 640 \r\nHeight=480\r\n\r\n[Other]\r\nWidth=1\r\n",
       "WINDOW", "width", "1024",
       "; settings\r\n[Window]\r\nWidth = 1024 \r\nHeight=480\r\n\r\n[Other]\r\nWidth=1\r\n"},
      {"replace empty value", "[A]\nk=\nj=2\n", "a", "K", "v", "[A]\nk=v\nj=2\n"},
      {"append key after the section's last key",
       "[A]\r\nx=1\r\n; note\r\n\r\n[B]\r\ny=2\r\n", "a", "New", "v",
       "[A]\r\nx=1\r\nNew=v\r\n; note\r\n\r\n[B]\r\ny=2\r\n"},
      {"append key to a section without keys", "[A]\n[B]\nb=1\n", "A", "k", "v", "[A]\nk=v\n[B]\nb=1\n"},
      {"append key after a last line without break", "[A]\nx=1", "A", "k", "v", "[A]\nx=1\nk=v"},
      {"append section with the file's CR breaks", "[A]\rx=1\r", "B", "k", "v", "[A]\rx=1\r[B]\rk=v\r"},
      {"append section after a missing final break", "[A]\nx=1", "B", "k", "v", "[A]\nx=1\n[B]\nk=v\n"},
      {"append section to a file without breaks", "x=1", "B", "k", "v", "x=1\r\n[B]\r\nk=v\r\n"},
      {"create file", "", "Window", "Width", "640", "[Window]\r\nWidth=640\r\n"},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    if (!c.before.empty()) dir.Write("settings.ini", c.before);
    os::IniFile ini(dir.Path() + "\\Settings.ini");
    ASSERT_TRUE(ini.WriteString(c.section, c.key, c.value)) << c.name;
    // An existing file is rewritten under its own name; a new one takes the name as written.
    const auto files = std::distance(std::filesystem::directory_iterator(dir.Path()), {});
    EXPECT_EQ(files, 1) << c.name;
    EXPECT_EQ(dir.Read(c.before.empty() ? "Settings.ini" : "settings.ini"), c.after) << c.name;
    EXPECT_EQ(ini.ReadString(c.section, c.key, "<def>"), c.value) << c.name;
  }
}

TEST(OsIni, RefusedWritesLeaveTheFileAlone) {
  test::TempDir dir;
  const std::string original = "[A]\r\nk=1\r\n";
  dir.Write("a.ini", original);
  dir.Write("plain", "x");
  std::filesystem::create_directory(dir / "folder.ini");

  os::IniFile ini(dir / "a.ini");
  EXPECT_FALSE(ini.WriteString("A", "k", "1\r\n[B]\r\nk=2"));  // would add a section
  EXPECT_FALSE(ini.WriteString("A]x", "k", "v"));
  EXPECT_FALSE(ini.WriteString("A", "k=j", "v"));
  EXPECT_FALSE(ini.WriteString("A", ";k", "v"));
  EXPECT_FALSE(ini.WriteString("A", "", "v"));
  EXPECT_EQ(dir.Read("a.ini"), original);

  EXPECT_FALSE(os::IniFile(dir / "plain/under.ini").WriteString("A", "k", "v"));
  EXPECT_FALSE(os::IniFile(dir / "folder.ini").WriteString("A", "k", "v"));
  EXPECT_EQ(dir.Read("plain"), "x");
  EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.ini"));
}

}  // namespace
