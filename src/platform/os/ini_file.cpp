#include "platform/os/ini_file.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#include "platform/os/file.h"
#include "platform/os/path.h"

namespace fs = std::filesystem;

namespace os {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// One line of the file, as offsets into its bytes so that a write can splice without touching the rest.
struct Line {
  std::size_t begin = 0;
  std::size_t content_end = 0;  // before the line break
  std::size_t end = 0;          // after the line break
  bool HasBreak() const { return end != content_end; }
};

// Where a section and key sit in the file.
struct Location {
  std::optional<Line> section;   // the first section header with the name
  std::optional<Line> last_key;  // the last key line inside that section
  std::optional<Line> key;       // the first key line with the name inside that section
  std::size_t value_begin = 0;   // the key's trimmed value, as file offsets
  std::size_t value_end = 0;
};

Location Find(std::string_view text, std::string_view section, std::string_view key) {
  Location loc;
  bool inside = false;
  std::size_t pos = 0;
  // A byte-order mark some editors put first is not part of the first line's text.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") pos = 3;
  while (pos < text.size()) {
    Line line;
    line.begin = pos;
    std::size_t i = pos;
    while (i < text.size() && text[i] != '\r' && text[i] != '\n') ++i;
    line.content_end = i;
    if (i < text.size()) i += (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
    line.end = i;
    pos = i;

    const std::string_view content = text.substr(line.begin, line.content_end - line.begin);
    const std::string_view trimmed = Trim(content);
    if (trimmed.empty() || trimmed.front() == ';') continue;
    if (trimmed.front() == '[') {
      const std::size_t close = trimmed.find(']');
      if (close == std::string_view::npos) continue;  // not a header: ignored, as Windows does
      if (loc.section) {
        // Only the first section of a name counts; anything after it ends that section.
        if (inside) break;
        continue;
      }
      inside = SameName(Trim(trimmed.substr(1, close - 1)), section);
      if (inside) loc.section = line;
      continue;
    }
    if (!inside) continue;
    const std::size_t eq = content.find('=');
    if (eq == std::string_view::npos) continue;
    loc.last_key = line;
    if (loc.key || !SameName(Trim(content.substr(0, eq)), key)) continue;
    loc.key = line;
    const std::string_view raw_value = content.substr(eq + 1);
    const std::string_view value = Trim(raw_value);
    if (value.empty()) {
      loc.value_begin = loc.value_end = line.begin + eq + 1;
    } else {
      loc.value_begin = line.begin + eq + 1 + static_cast<std::size_t>(value.data() - raw_value.data());
      loc.value_end = loc.value_begin + value.size();
    }
  }
  return loc;
}

// The line break the file already uses; CR LF for a new file or one without any.
std::string_view LineBreakOf(std::string_view text) {
  const std::size_t i = text.find_first_of("\r\n");
  if (i == std::string_view::npos) return "\r\n";
  if (text[i] == '\n') return "\n";
  return (i + 1 < text.size() && text[i + 1] == '\n') ? std::string_view("\r\n") : std::string_view("\r");
}

// Inserts a new line after the given one, adding the break the last line of the file may lack.
void InsertAfter(std::string& text, const Line& line, std::string_view new_line, std::string_view eol) {
  std::string piece;
  if (line.HasBreak()) {
    piece.append(new_line).append(eol);
    text.insert(line.end, piece);
  } else {
    piece.append(eol).append(new_line);
    text.insert(line.content_end, piece);
  }
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  const std::optional<std::string> text = ReadWholeFile(path_);
  if (!text) return std::string(def);
  const Location loc = Find(*text, Trim(section), Trim(key));
  if (!loc.key) return std::string(def);
  return text->substr(loc.value_begin, loc.value_end - loc.value_begin);
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  return WriteStrings(section, {{std::string(key), std::string(value)}});
}

namespace {

// Sets the key's value inside the file's text. False for names and values that would read back as
// other lines, other sections or other keys.
bool Splice(std::string& text, std::string_view section, std::string_view key, std::string_view value) {
  key = Trim(key);
  if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return false;
  if (section.find(']') != std::string_view::npos) return false;
  if (key.empty() || key.find('=') != std::string_view::npos || key.front() == ';' || key.front() == '[') {
    return false;
  }

  const std::string_view eol = LineBreakOf(text);
  std::string key_line;
  key_line.append(key).append("=").append(value);

  const Location loc = Find(text, section, key);
  if (loc.key) {
    text.replace(loc.value_begin, loc.value_end - loc.value_begin, value);
  } else if (loc.section) {
    InsertAfter(text, loc.last_key ? *loc.last_key : *loc.section, key_line, eol);
  } else {
    if (!text.empty() && text.back() != '\n' && text.back() != '\r') text.append(eol);
    text.append("[").append(section).append("]").append(eol);
    text.append(key_line).append(eol);
  }
  return true;
}

}  // namespace

bool IniFile::WriteStrings(std::string_view section, const std::vector<std::pair<std::string, std::string>>& values) {
  section = Trim(section);
  std::string text;
  if (std::optional<std::string> current = ReadWholeFile(path_)) {
    text = std::move(*current);
  } else {
    // Only a file that is not there is created; one that exists but cannot be read is left alone.
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(ResolvePath(path_), ec);
    if (st.type() != fs::file_type::not_found) return false;
  }
  for (const auto& [key, value] : values)
    if (!Splice(text, section, key, value)) return false;
  return ReplaceWholeFile(path_, text);
}

}  // namespace os
