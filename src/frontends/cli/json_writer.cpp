#include "frontends/cli/json_writer.h"

#include <cmath>
#include <cstdio>

namespace cli {

namespace {

// Length of the valid UTF-8 sequence at s[i], or 0 when it is not one.
size_t Utf8SequenceLength(std::string_view s, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = byte(i);
  size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
  if (n == 0 || i + n > s.size()) return 0;
  for (size_t k = 1; k < n; ++k)
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  if (n == 2 && c < 0xC2) return 0;  // overlong
  if (n == 3) {
    const unsigned cp = ((c & 0x0Fu) << 12) | ((byte(i + 1) & 0x3Fu) << 6) | (byte(i + 2) & 0x3Fu);
    if (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  }
  if (n == 4) {
    const unsigned cp = ((c & 0x07u) << 18) | ((byte(i + 1) & 0x3Fu) << 12) | ((byte(i + 2) & 0x3Fu) << 6) |
                        (byte(i + 3) & 0x3Fu);
    if (cp < 0x10000 || cp > 0x10FFFF) return 0;
  }
  return n;
}

}  // namespace

void JsonWriter::NewLine() {
  out_ += '\n';
  out_.append(first_.size() * 2, ' ');
}

void JsonWriter::BeforeValue() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (!first_.empty()) {
    if (!first_.back()) out_ += ',';
    first_.back() = false;
    NewLine();
  }
}

void JsonWriter::BeginObject() {
  BeforeValue();
  out_ += '{';
  first_.push_back(true);
}

void JsonWriter::EndObject() {
  const bool empty = first_.back();
  first_.pop_back();
  if (!empty) NewLine();
  out_ += '}';
  if (first_.empty()) out_ += '\n';
}

void JsonWriter::BeginArray() {
  BeforeValue();
  out_ += '[';
  first_.push_back(true);
}

void JsonWriter::EndArray() {
  const bool empty = first_.back();
  first_.pop_back();
  if (!empty) NewLine();
  out_ += ']';
  if (first_.empty()) out_ += '\n';
}

JsonWriter& JsonWriter::Key(std::string_view key) {
  BeforeValue();
  WriteQuoted(key);
  out_ += ": ";
  after_key_ = true;
  return *this;
}

void JsonWriter::String(std::string_view text) {
  BeforeValue();
  WriteQuoted(text);
}

void JsonWriter::WriteQuoted(std::string_view text) {
  out_ += '"';
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const size_t n = Utf8SequenceLength(text, i);
    if (n == 0) {
      out_ += "\xEF\xBF\xBD";
      ++i;
      continue;
    }
    if (n == 1) {
      switch (c) {
        case '"': out_ += "\\\""; break;
        case '\\': out_ += "\\\\"; break;
        case '\n': out_ += "\\n"; break;
        case '\r': out_ += "\\r"; break;
        case '\t': out_ += "\\t"; break;
        default:
          if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out_ += buf;
          } else {
            out_ += static_cast<char>(c);
          }
      }
    } else {
      out_.append(text.substr(i, n));
    }
    i += n;
  }
  out_ += '"';
}

void JsonWriter::Number(double value) {
  BeforeValue();
  if (!std::isfinite(value)) {
    out_ += "null";
    return;
  }
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.9g", value);
  out_ += buf;
}

void JsonWriter::Int(long long value) {
  BeforeValue();
  out_ += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ += value ? "true" : "false";
}

void JsonWriter::Null() {
  BeforeValue();
  out_ += "null";
}

}  // namespace cli
