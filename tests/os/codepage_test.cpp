#include "platform/os/codepage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kFileSjis = "\x83\x74\x83\x40\x83\x43\x83\x8B";  // "ファイル"
const std::string kFffd = "\xEF\xBF\xBD";

TEST(OsCodepage, DecodesAndMarksEachUndecodableByte) {
  struct Case {
    std::string in;
    std::string out;
  };
  const Case cases[] = {
      {"", ""},
      {kFileSjis, "ファイル"},
      {"path\\x~", "path\\x~"},
      {"\xB1", "ｱ"},                                // half-width katakana
      {std::string("a\0b", 3), std::string("a\0b", 3)},
      {"\x81\x20x", kFffd + " x"},                   // bad trail byte: only the lead is lost
      {"ab\x83", "ab" + kFffd},                      // cut off at the end
      {"\xFF\xFF" + kFileSjis, kFffd + kFffd + "ファイル"},
  };
  for (const Case& c : cases) EXPECT_EQ(os::SystemToUtf8(c.in), c.out) << "input: " << c.in;
}

TEST(OsCodepage, EncodesOnlyWellFormedRepresentableText) {
  EXPECT_EQ(os::Utf8ToSystem("ファイル"), kFileSjis);
  EXPECT_EQ(os::Utf8ToSystem(""), "");
  for (const char* bad : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "a\xE3\x83", "\xF0\x9F\x98\x80"}) {
    EXPECT_EQ(os::Utf8ToSystem(bad), std::nullopt) << bad;
  }
}

TEST(OsCodepage, SystemTextKeepsBytesThatWouldNotRoundTrip) {
  // 0xED 0x40 (NEC-selected IBM extension) and 0xFA 0x5C (IBM extension) are the same character.
  const os::SystemText read = os::SystemText::FromBytes("\xED\x40");
  EXPECT_EQ(read.Utf8(), "纊");
  EXPECT_EQ(read.Bytes(), "\xED\x40");
  EXPECT_EQ(os::SystemText::FromUtf8(read.Utf8()).Bytes(), "\xFA\x5C");

  const os::SystemText damaged = os::SystemText::FromBytes("a\xFF");
  EXPECT_EQ(damaged.Utf8(), "a" + kFffd);
  EXPECT_EQ(damaged.Bytes(), "a\xFF");

  // Edited text: characters 932 lacks and malformed bytes become "?".
  EXPECT_EQ(os::SystemText::FromUtf8("ファイル\xF0\x9F\x98\x80.x\xFF").Bytes(), kFileSjis + "?.x?");
}

}  // namespace
