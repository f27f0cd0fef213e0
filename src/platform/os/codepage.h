#pragma once
// Text in the system code page. Scene files come from systems whose code page is Shift-JIS (Windows
// code page 932); the viewer shows text as UTF-8 and writes back the bytes it read when nobody changed them.
#include <optional>
#include <string>
#include <string_view>

namespace os {

// Decodes code page 932 bytes to UTF-8. A byte sequence that does not decode becomes U+FFFD, one for
// each byte, so damaged text still shows and never fails.
std::string SystemToUtf8(std::string_view bytes);

// Encodes UTF-8 text to code page 932; nothing when a character has no code there or the UTF-8 is invalid.
std::optional<std::string> Utf8ToSystem(std::string_view utf8);

// Keeps the bytes that a text was read from, so that text which nobody edited is written back as read,
// even where decoding and encoding again would not give the same bytes.
class SystemText {
 public:
  SystemText() = default;
  static SystemText FromBytes(std::string bytes);
  static SystemText FromUtf8(std::string utf8);

  const std::string& Utf8() const { return utf8_; }
  // The bytes to write: the original ones while the text is unchanged, else the text encoded (with
  // characters that have no code in 932 written as "?").
  std::string Bytes() const;

 private:
  std::string utf8_;
  std::string original_;
  bool has_original_ = false;
};

}  // namespace os
