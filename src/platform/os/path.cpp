#include "platform/os/path.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace os {
namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

// True when something (a dangling link included) exists under that name.
bool NameExists(const std::string& path) {
  std::error_code ec;
  const fs::file_status st = fs::symlink_status(path, ec);
  return !ec && st.type() != fs::file_type::not_found && st.type() != fs::file_type::none;
}

// The entry of the folder whose name equals name without regard to ASCII case; the smallest such
// name when there are several, so the answer does not depend on the order the folder lists them in.
std::optional<std::string> FindCaseBlind(const std::string& folder, std::string_view name) {
  std::error_code ec;
  fs::directory_iterator it(folder.empty() ? std::string(".") : folder, ec);
  std::optional<std::string> best;
  if (ec) return best;
  for (const fs::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) break;
    std::string entry = it->path().filename().string();
    if (EqualsIgnoringAsciiCase(entry, name) && (!best || entry < *best)) best = std::move(entry);
  }
  return best;
}

}  // namespace

std::string NativePath(std::string_view path) {
  std::string out;
  out.reserve(path.size());
  for (char c : path) {
    const bool separator = c == '\\' || c == '/';
    if (separator) {
      if (!out.empty() && out.back() == '/') continue;
      out.push_back('/');
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::string ResolvePath(std::string_view path) {
  const std::string native = NativePath(path);
  // A name with a NUL byte names no file (the system would see only the part before it).
  if (native.empty() || native.find('\0') != std::string::npos || NameExists(native)) return native;

  // Split into components; a leading "/" gives an empty first component, a trailing one an empty last.
  std::vector<std::string_view> parts;
  const std::string_view view(native);
  std::size_t start = 0;
  while (true) {
    const std::size_t slash = view.find('/', start);
    if (slash == std::string_view::npos) {
      parts.push_back(view.substr(start));
      break;
    }
    parts.push_back(view.substr(start, slash - start));
    start = slash + 1;
  }

  const bool absolute = native.front() == '/';
  std::string result = absolute ? "/" : "";
  std::size_t i = absolute ? 1 : 0;
  bool lost = false;  // once a component has no match, the rest is kept as written
  for (; i < parts.size(); ++i) {
    const std::string_view part = parts[i];
    const std::string folder = result;
    if (!result.empty() && result.back() != '/') result.push_back('/');
    if (lost || part.empty() || part == "." || part == "..") {
      result.append(part);
      continue;
    }
    std::string exact = result;
    exact.append(part);
    if (NameExists(exact)) {
      result = std::move(exact);
      continue;
    }
    if (std::optional<std::string> match = FindCaseBlind(folder, part)) {
      result.append(*match);
    } else {
      result.append(part);
      lost = true;
    }
  }
  return result;
}

std::string GetCurrentDir() {
  std::error_code ec;
  const fs::path cwd = fs::current_path(ec);
  if (ec) return ".";
  std::string s = cwd.string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

bool SetCurrentDir(std::string_view path) {
  const std::string resolved = ResolvePath(path);
  if (resolved.empty() || resolved.find('\0') != std::string::npos) return false;
  std::error_code ec;
  fs::current_path(resolved, ec);
  return !ec;
}

}  // namespace os
