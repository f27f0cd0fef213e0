#pragma once
// Tokenizers for the bodies of .x files, one for text and one for the binary token stream. Both hand
// out string_view tokens into the body (no per-token allocation) and read numbers straight from the
// bytes, so the parser above them is the same for both forms. Internal to the .x reader.
#include <algorithm>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "platform/xfile/xfile.h"

namespace xfile::detail {

// Thrown inside the reader and turned into an XFileError at its entry point.
struct Failure {
  XError Code;
  std::string Message;
};

[[noreturn]] inline void Fail(XError code, std::string message) { throw Failure{code, std::move(message)}; }

enum class Tok : std::uint8_t {
  End,     // no more data
  Name,    // an identifier; in text also any other bare word, numbers included
  String,  // a quoted string (text) or TOKEN_STRING (binary), without quotes
  Number,  // binary only: an integer or a list element where structure was expected
  Guid,    // <...> (text) or TOKEN_GUID (binary)
  OpenBrace,
  CloseBrace,
  Separator,  // ';' or ','
  Template,   // the template keyword
  Other,      // binary template grammar: brackets, type keywords, ...
};

struct Token {
  Tok Kind = Tok::End;
  std::string_view Text;  // Name and String
};

// Converts to float without undefined behaviour for values outside float's range.
inline float NarrowToFloat(double value) {
  if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
  if (value > FLT_MAX) return std::numeric_limits<float>::infinity();
  if (value < -FLT_MAX) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

inline bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i];
    char y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// ---------------------------------------------------------------------------------------------------
// Text: words separated by white space, ';' ',' '{' '}', quoted strings, <GUID>s, '#' and '//'
// comments. Numbers are words; the parser reads them as numbers where it expects them.
class TextLexer {
 public:
  // A number needs at least one character.
  static constexpr std::uint64_t kMinBytesPerNumber = 1;

  TextLexer(std::string_view body, bool decompressed)
      : begin_(body.data()), p_(body.data()), end_(body.data() + body.size()), decompressed_(decompressed) {}

  std::string Where() const {
    return "line " + std::to_string(line_) + (decompressed_ ? " of the decompressed text" : "");
  }
  std::uint64_t Remaining() const { return static_cast<std::uint64_t>(end_ - p_); }

  Token Next() {
    SkipSpace(false);
    if (p_ == end_) return {};
    const char c = *p_;
    switch (c) {
      case '{':
        ++p_;
        return {Tok::OpenBrace, {}};
      case '}':
        ++p_;
        return {Tok::CloseBrace, {}};
      case ';':
      case ',':
        ++p_;
        return {Tok::Separator, {}};
      case '"': {
        const char* start = ++p_;
        const char* close = static_cast<const char*>(std::memchr(start, '"', static_cast<std::size_t>(end_ - start)));
        if (close == nullptr) Fail(XError::Truncated, Where() + ": a string has no closing quote");
        CountLines(start, close);
        p_ = close + 1;
        return {Tok::String, std::string_view(start, static_cast<std::size_t>(close - start))};
      }
      case '<': {
        const char* close = static_cast<const char*>(std::memchr(p_, '>', static_cast<std::size_t>(end_ - p_)));
        if (close == nullptr) Fail(XError::Truncated, Where() + ": a GUID has no closing '>'");
        CountLines(p_, close);
        const std::string_view text(p_, static_cast<std::size_t>(close + 1 - p_));
        p_ = close + 1;
        return {Tok::Guid, text};
      }
      default:
        break;
    }
    const std::string_view word = ScanWord();
    if (word == "template") return {Tok::Template, word};
    return {Tok::Name, word};
  }

  Tok PeekKind() {
    const char* p = p_;
    const std::uint32_t line = line_;
    const Tok kind = Next().Kind;
    p_ = p;
    line_ = line;
    return kind;
  }

  float ReadFloat() {
    const std::string_view word = NumberWord("a number");
    const char* first = word.data();
    const char* last = first + word.size();
    if (*first == '+') ++first;
    float value = 0;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc() && ptr == last) return value;
    if (ec == std::errc::result_out_of_range) return OutOfRangeFloat(first, last);
    if (ec == std::errc() && ptr + 1 < last && ptr[0] == '.' && ptr[1] == '#') {
      return SpecialFloat(value, std::string_view(ptr + 1, static_cast<std::size_t>(last - ptr - 1)), word);
    }
    if (ec == std::errc() && *ptr == '#') {
      return SpecialFloat(value, std::string_view(ptr, static_cast<std::size_t>(last - ptr)), word);
    }
    Fail(XError::Syntax, Where() + ": expected a number, found '" + std::string(word.substr(0, 40)) + "'");
  }

  // The integer, or a value outside the 32-bit range the callers accept when the word overflows.
  std::int64_t ReadInteger() {
    const std::string_view word = NumberWord("an integer");
    const char* first = word.data();
    const char* last = first + word.size();
    const bool negative = *first == '-';
    if (*first == '+' || negative) ++first;
    // Faces are mostly integers: plain digits are read here, faster than the library's general path.
    std::int64_t value = 0;
    const char* p = first;
    constexpr std::int64_t kSaturated = std::int64_t{1} << 40;  // far past any count the callers accept
    for (; p < last && *p >= '0' && *p <= '9'; ++p)
      if (value < kSaturated) value = value * 10 + (*p - '0');
    if (p == first || p != last) {
      Fail(XError::Syntax, Where() + ": expected an integer, found '" + std::string(word.substr(0, 40)) + "'");
    }
    return negative ? -value : value;
  }

  // Skips the rest of an object whose '{' has been read, nested objects included. depth is the
  // nesting of that object.
  void SkipBody(int depth) {
    int level = 1;
    while (p_ < end_) {
      const char c = *p_++;
      switch (c) {
        case '\n':
          ++line_;
          break;
        case '"': {
          const char* close = static_cast<const char*>(std::memchr(p_, '"', static_cast<std::size_t>(end_ - p_)));
          if (close == nullptr) Fail(XError::Truncated, Where() + ": a string has no closing quote");
          CountLines(p_, close);
          p_ = close + 1;
          break;
        }
        case '#':
          if (p_ - begin_ >= 2 && p_[-2] == '.') break;  // 1.#INF and kin
          SkipLine();
          break;
        case '/':
          if (p_ < end_ && *p_ == '/') SkipLine();
          break;
        case '{':
          if (depth + level > kMaxNesting) {
            Fail(XError::TooLarge, Where() + ": objects nested deeper than " + std::to_string(kMaxNesting));
          }
          ++level;
          break;
        case '}':
          if (--level == 0) return;
          break;
        default:
          break;
      }
    }
    Fail(XError::Truncated, Where() + ": the data ends inside an object");
  }

 private:
  void CountLines(const char* from, const char* to) {
    for (const char* q = from; q < to; ++q) line_ += (*q == '\n') ? 1u : 0u;
  }

  // Leaves p_ on the line break so that it is counted by the caller's loop.
  void SkipLine() {
    const char* nl = static_cast<const char*>(std::memchr(p_, '\n', static_cast<std::size_t>(end_ - p_)));
    p_ = nl != nullptr ? nl : end_;
  }

  void SkipSpace(bool separators) {
    while (p_ < end_) {
      const char c = *p_;
      if (c == '\n') {
        ++line_;
        ++p_;
      } else if (c == ' ' || c == '\t' || c == '\r' || c == '\0' || c == '\f' || c == '\v') {
        ++p_;
      } else if (separators && (c == ';' || c == ',')) {
        ++p_;
      } else if (c == '#' || (c == '/' && p_ + 1 < end_ && p_[1] == '/')) {
        SkipLine();
      } else {
        break;
      }
    }
  }

  static bool EndsWord(char c) {
    switch (c) {
      case ' ':
      case '\t':
      case '\r':
      case '\n':
      case '\0':
      case '\f':
      case '\v':
      case ';':
      case ',':
      case '{':
      case '}':
      case '"':
        return true;
      default:
        return false;
    }
  }

  // A bare word starting at p_ (which is not at a delimiter).
  std::string_view ScanWord() {
    const char* start = p_;
    while (p_ < end_) {
      const char c = *p_;
      if (EndsWord(c)) break;
      if (c == '/' && p_ + 1 < end_ && p_[1] == '/') break;
      if (c == '#' && !(p_ > start && p_[-1] == '.')) break;  // a comment, unless 1.#INF and kin
      ++p_;
    }
    return std::string_view(start, static_cast<std::size_t>(p_ - start));
  }

  std::string_view NumberWord(const char* what) {
    SkipSpace(true);
    if (p_ == end_) Fail(XError::Truncated, Where() + ": the data ends where " + what + " was expected");
    const char c = *p_;
    if (c == '{' || c == '}' || c == '"' || c == '<') {
      Fail(XError::Syntax, Where() + ": expected " + what + ", found '" + std::string(1, c) + "'");
    }
    return ScanWord();
  }

  // Windows C runtimes print special values as 1.#INF00, -1.#IND00, 1.#QNAN0, 1.#SNAN0; `special`
  // is the text from '#' on, `value` what precedes it.
  float SpecialFloat(float value, std::string_view special, std::string_view word) const {
    if (special.starts_with("#INF")) {
      return std::signbit(value) ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
    }
    if (special.starts_with("#IND") || special.starts_with("#QNAN") || special.starts_with("#SNAN")) {
      return std::numeric_limits<float>::quiet_NaN();
    }
    Fail(XError::Syntax, Where() + ": expected a number, found '" + std::string(word.substr(0, 40)) + "'");
  }

  // A float word beyond float's range: the nearest double, or zero or infinity beyond that too.
  float OutOfRangeFloat(const char* first, const char* last) const {
    double wide = 0;
    const auto [ptr, ec] = std::from_chars(first, last, wide);
    if (ptr == last && ec == std::errc()) return NarrowToFloat(wide);
    if (ptr == last && ec == std::errc::result_out_of_range) {
      const bool negative = *first == '-';
      const std::string_view word(first, static_cast<std::size_t>(last - first));
      const std::size_t e = word.find_first_of("eE");
      const bool tiny = e != std::string_view::npos && e + 1 < word.size() && word[e + 1] == '-';
      const float magnitude = tiny ? 0.0f : std::numeric_limits<float>::infinity();
      return negative ? -magnitude : magnitude;
    }
    Fail(XError::Syntax, Where() + ": malformed number '" +
                             std::string(first, std::min<std::size_t>(40, static_cast<std::size_t>(last - first))) +
                             "'");
  }

  const char* begin_;
  const char* p_;
  const char* end_;
  std::uint32_t line_ = 1;
  bool decompressed_;
};

// ---------------------------------------------------------------------------------------------------
// Binary: little-endian 16-bit tokens, some followed by records. Integer and float lists are handed
// out element by element to ReadInteger / ReadFloat, whichever way a writer split the values.
class BinaryLexer {
 public:
  // The smallest element: a 32-bit integer or float in a list.
  static constexpr std::uint64_t kMinBytesPerNumber = 4;

  BinaryLexer(std::string_view body, bool doubles, bool decompressed)
      : begin_(reinterpret_cast<const unsigned char*>(body.data())),
        p_(begin_),
        end_(begin_ + body.size()),
        floatBytes_(doubles ? 8u : 4u),
        decompressed_(decompressed) {}

  std::string Where() const {
    // Offsets count from the start of the file; in compressed files, from the start of the
    // decompressed data as if the 16-byte header preceded it.
    return "byte " + std::to_string(16 + (p_ - begin_)) + (decompressed_ ? " of the decompressed data" : "");
  }
  std::uint64_t Remaining() const { return static_cast<std::uint64_t>(end_ - p_); }

  Token Next() {
    for (;;) {
      if (listLeft_ > 0) {
        --listLeft_;
        p_ += listIsFloat_ ? floatBytes_ : 4u;
        return {Tok::Number, {}};
      }
      if (p_ == end_) return {};
      const std::uint16_t token = Read16();
      switch (token) {
        case kName:
        case kString: {
          const std::uint32_t length = Read32();
          Need(length, "a name or string");
          const std::string_view text(reinterpret_cast<const char*>(p_), length);
          p_ += length;
          if (token == kName) return {Tok::Name, text};
          SkipStringTerminator();
          return {Tok::String, text};
        }
        case kInteger:
          Read32();
          return {Tok::Number, {}};
        case kGuid:
          Need(16, "a GUID");
          p_ += 16;
          return {Tok::Guid, {}};
        case kIntegerList:
        case kFloatList:
          StartList(token == kFloatList);
          continue;
        case kOpenBrace:
          return {Tok::OpenBrace, {}};
        case kCloseBrace:
          return {Tok::CloseBrace, {}};
        case kComma:
        case kSemicolon:
          return {Tok::Separator, {}};
        case kTemplate:
          return {Tok::Template, {}};
        default:
          if (IsGrammarToken(token)) return {Tok::Other, {}};
          p_ -= 2;
          Fail(XError::Syntax, Where() + ": unknown token " + std::to_string(token));
      }
    }
  }

  Tok PeekKind() {
    const unsigned char* p = p_;
    const std::uint32_t left = listLeft_;
    const bool isFloat = listIsFloat_;
    const Tok kind = Next().Kind;
    p_ = p;
    listLeft_ = left;
    listIsFloat_ = isFloat;
    return kind;
  }

  float ReadFloat() {
    for (;;) {
      if (listLeft_ > 0) {
        --listLeft_;
        if (!listIsFloat_) return static_cast<float>(Load32(p_ += 4, 4));
        if (floatBytes_ == 4) return std::bit_cast<float>(Load32(p_ += 4, 4));
        p_ += 8;
        const std::uint64_t bits = std::uint64_t{Load32(p_, 8)} | (std::uint64_t{Load32(p_, 4)} << 32);
        return NarrowToFloat(std::bit_cast<double>(bits));
      }
      if (!StartNumber("a number")) return static_cast<float>(Read32());
    }
  }

  std::int64_t ReadInteger() {
    for (;;) {
      if (listLeft_ > 0) {
        if (listIsFloat_) Fail(XError::Syntax, Where() + ": expected an integer, found a float");
        --listLeft_;
        return Load32(p_ += 4, 4);
      }
      if (!StartNumber("an integer")) return Read32();
    }
  }

  void SkipBody(int depth) {
    if (listLeft_ > 0) {
      p_ += std::uint64_t{listLeft_} * (listIsFloat_ ? floatBytes_ : 4u);
      listLeft_ = 0;
    }
    int level = 1;
    for (;;) {
      if (p_ == end_) Fail(XError::Truncated, Where() + ": the data ends inside an object");
      const std::uint16_t token = Read16();
      switch (token) {
        case kName:
        case kString: {
          const std::uint32_t length = Read32();
          Need(length, "a name or string");
          p_ += length;
          if (token == kString) SkipStringTerminator();
          break;
        }
        case kInteger:
          Read32();
          break;
        case kGuid:
          Need(16, "a GUID");
          p_ += 16;
          break;
        case kIntegerList:
        case kFloatList: {
          StartList(token == kFloatList);
          p_ += std::uint64_t{listLeft_} * (listIsFloat_ ? floatBytes_ : 4u);
          listLeft_ = 0;
          break;
        }
        case kOpenBrace:
          if (depth + level > kMaxNesting) {
            Fail(XError::TooLarge, Where() + ": objects nested deeper than " + std::to_string(kMaxNesting));
          }
          ++level;
          break;
        case kCloseBrace:
          if (--level == 0) return;
          break;
        default:
          if (token == kComma || token == kSemicolon || token == kTemplate || IsGrammarToken(token)) break;
          p_ -= 2;
          Fail(XError::Syntax, Where() + ": unknown token " + std::to_string(token));
      }
    }
  }

 private:
  static constexpr std::uint16_t kName = 1, kString = 2, kInteger = 3, kGuid = 5, kIntegerList = 6, kFloatList = 7,
                                 kOpenBrace = 10, kCloseBrace = 11, kComma = 19, kSemicolon = 20, kTemplate = 31;

  // Parentheses, brackets, angles, dot, and the type keywords WORD .. ARRAY: template grammar.
  static bool IsGrammarToken(std::uint16_t token) {
    return (token >= 12 && token <= 18) || (token >= 40 && token <= 52);
  }

  void Need(std::uint64_t bytes, const char* what) {
    if (bytes > Remaining()) Fail(XError::Truncated, Where() + ": the data ends inside " + what);
  }

  // The 32-bit little-endian value that ends at `at` (which is `back` bytes past its start).
  static std::uint32_t Load32(const unsigned char* at, int back) {
    const unsigned char* q = at - back;
    return std::uint32_t{q[0]} | (std::uint32_t{q[1]} << 8) | (std::uint32_t{q[2]} << 16) | (std::uint32_t{q[3]} << 24);
  }

  std::uint16_t Read16() {
    Need(2, "a token");
    const auto value = static_cast<std::uint16_t>(p_[0] | (p_[1] << 8));
    p_ += 2;
    return value;
  }

  std::uint32_t Read32() {
    Need(4, "a token's record");
    p_ += 4;
    return Load32(p_, 4);
  }

  void StartList(bool isFloat) {
    const std::uint32_t count = Read32();
    Need(std::uint64_t{count} * (isFloat ? floatBytes_ : 4u), isFloat ? "a float list" : "an integer list");
    listLeft_ = count;
    listIsFloat_ = isFloat;
  }

  // After a string: its terminator, a ';' or ',' token written as 16 bits or as 32.
  void SkipStringTerminator() {
    if (Remaining() < 2) return;
    const int token = p_[0] | (p_[1] << 8);
    if (token != kComma && token != kSemicolon) return;
    p_ += 2;
    if (Remaining() >= 2 && p_[0] == 0 && p_[1] == 0) p_ += 2;
  }

  // Moves to the next number: opens a list (returns true, the caller reads from it) or stops on a
  // single TOKEN_INTEGER (returns false, its value follows). Separators are passed over.
  bool StartNumber(const char* what) {
    for (;;) {
      if (p_ == end_) Fail(XError::Truncated, Where() + ": the data ends where " + what + " was expected");
      const std::uint16_t token = Read16();
      switch (token) {
        case kComma:
        case kSemicolon:
          continue;
        case kInteger:
          return false;
        case kIntegerList:
        case kFloatList:
          StartList(token == kFloatList);
          if (listLeft_ == 0) continue;
          return true;
        default:
          p_ -= 2;
          Fail(XError::Syntax, Where() + ": expected " + what + ", found token " + std::to_string(token));
      }
    }
  }

  const unsigned char* begin_;
  const unsigned char* p_;
  const unsigned char* end_;
  std::uint32_t floatBytes_;
  std::uint32_t listLeft_ = 0;
  bool listIsFloat_ = false;
  bool decompressed_;
};

}  // namespace xfile::detail
