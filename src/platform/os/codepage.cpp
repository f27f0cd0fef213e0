#include "platform/os/codepage.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <utility>

namespace os {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// One iconv conversion, closed however the caller leaves.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != Invalid(); }
  iconv_t get() const { return cd_; }
  void Reset() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }

 private:
  static iconv_t Invalid() { return reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1)); }
  iconv_t cd_;
};

// The length of the well-formed UTF-8 sequence at s[i], or 0 when there is none (overlong forms,
// surrogates and values past U+10FFFF are not well-formed).
std::size_t Utf8Length(std::string_view s, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b0 = byte(i);
  const std::size_t left = s.size() - i;
  const auto cont = [&](std::size_t k) { return k < left && (byte(i + k) & 0xC0) == 0x80; };
  if (b0 < 0x80) return 1;
  if (b0 >= 0xC2 && b0 <= 0xDF) return cont(1) ? 2 : 0;
  if (b0 >= 0xE0 && b0 <= 0xEF) {
    if (!cont(1) || !cont(2)) return 0;
    const unsigned char b1 = byte(i + 1);
    if (b0 == 0xE0 && b1 < 0xA0) return 0;  // overlong
    if (b0 == 0xED && b1 > 0x9F) return 0;  // surrogate
    return 3;
  }
  if (b0 >= 0xF0 && b0 <= 0xF4) {
    if (!cont(1) || !cont(2) || !cont(3)) return 0;
    const unsigned char b1 = byte(i + 1);
    if (b0 == 0xF0 && b1 < 0x90) return 0;  // overlong
    if (b0 == 0xF4 && b1 > 0x8F) return 0;  // past U+10FFFF
    return 4;
  }
  return 0;
}

bool IsValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = Utf8Length(s, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

// Encodes well-formed UTF-8 to code page 932. A character with no code there becomes "?" when
// substitute is set, else the whole conversion fails.
bool EncodeWellFormed(Converter& cd, std::string_view utf8, bool substitute, std::string& out) {
  char buffer[4096];
  if (!cd.ok()) {
    // No converter on this system: ASCII is the same in 932, anything else has no code we can give.
    for (std::size_t i = 0; i < utf8.size();) {
      const char c = utf8[i];
      const std::size_t n = Utf8Length(utf8, i);
      i += n == 0 ? 1 : n;
      if (static_cast<unsigned char>(c) < 0x80) {
        out.push_back(c);
      } else if (substitute) {
        out.push_back('?');
      } else {
        return false;
      }
    }
    return true;
  }
  char* in = const_cast<char*>(utf8.data());  // iconv's signature; it does not write the input
  std::size_t in_left = utf8.size();
  while (in_left > 0) {
    char* o = buffer;
    std::size_t o_left = sizeof buffer;
    const std::size_t r = iconv(cd.get(), &in, &in_left, &o, &o_left);
    const int err = errno;
    out.append(buffer, static_cast<std::size_t>(o - buffer));
    if (r != static_cast<std::size_t>(-1)) break;
    if (err == E2BIG) continue;
    if (!substitute) return false;
    // Input is well-formed, so this is a character 932 lacks: skip exactly that character.
    const std::size_t pos = utf8.size() - in_left;
    const std::size_t n = Utf8Length(utf8, pos);
    const std::size_t skip = n == 0 ? 1 : n;
    out.push_back('?');
    in += skip;
    in_left -= skip;
    cd.Reset();
  }
  char* o = buffer;
  std::size_t o_left = sizeof buffer;
  if (iconv(cd.get(), nullptr, nullptr, &o, &o_left) != static_cast<std::size_t>(-1)) {
    out.append(buffer, static_cast<std::size_t>(o - buffer));
  }
  return true;
}

// Encodes any UTF-8, writing "?" for each malformed byte and for each character 932 lacks.
std::string EncodeLossy(std::string_view utf8) {
  Converter cd("CP932", "UTF-8");
  std::string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    std::size_t j = i;
    while (j < utf8.size()) {
      const std::size_t n = Utf8Length(utf8, j);
      if (n == 0) break;
      j += n;
    }
    if (j > i) {
      EncodeWellFormed(cd, utf8.substr(i, j - i), true, out);
      i = j;
    } else {
      out.push_back('?');
      ++i;
    }
  }
  return out;
}

}  // namespace

std::string SystemToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  Converter cd("UTF-8", "CP932");
  if (!cd.ok()) {
    for (const char c : bytes) {
      if (static_cast<unsigned char>(c) < 0x80) {
        out.push_back(c);
      } else {
        out.append(kReplacement);
      }
    }
    return out;
  }
  char buffer[4096];
  char* in = const_cast<char*>(bytes.data());  // iconv's signature; it does not write the input
  std::size_t in_left = bytes.size();
  while (in_left > 0) {
    char* o = buffer;
    std::size_t o_left = sizeof buffer;
    const std::size_t r = iconv(cd.get(), &in, &in_left, &o, &o_left);
    const int err = errno;
    out.append(buffer, static_cast<std::size_t>(o - buffer));
    if (r != static_cast<std::size_t>(-1)) break;
    if (err == E2BIG) continue;
    // An invalid or cut-off sequence: one replacement for its first byte, then go on after it.
    out.append(kReplacement);
    ++in;
    --in_left;
    cd.Reset();
  }
  return out;
}

std::optional<std::string> Utf8ToSystem(std::string_view utf8) {
  if (!IsValidUtf8(utf8)) return std::nullopt;
  Converter cd("CP932", "UTF-8");
  std::string out;
  if (!EncodeWellFormed(cd, utf8, false, out)) return std::nullopt;
  return out;
}

SystemText SystemText::FromBytes(std::string bytes) {
  SystemText t;
  t.utf8_ = SystemToUtf8(bytes);
  t.original_ = std::move(bytes);
  t.has_original_ = true;
  return t;
}

SystemText SystemText::FromUtf8(std::string utf8) {
  SystemText t;
  t.utf8_ = std::move(utf8);
  return t;
}

std::string SystemText::Bytes() const {
  if (has_original_) return original_;
  return EncodeLossy(utf8_);
}

}  // namespace os
