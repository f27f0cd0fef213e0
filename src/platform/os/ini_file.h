#pragma once
// The INI-file functions: "[Section]" header lines and "key=value" lines, as Windows programs write them.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace os {

// Reads and writes one INI file. Section and key names match without regard to ASCII letter case;
// values and names are trimmed of blanks. A missing file, section or key reads as the default.
// Every read looks at the file as it is on disk now; every write rewrites it at once.
class IniFile {
 public:
  explicit IniFile(std::string path);

  const std::string& FileName() const { return path_; }

  // The value of the key in the section, or def when the file, section or key is missing.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;

  // Sets the key's value: replaces the value in its line and keeps every other line as it was; adds
  // the key at the end of its section, or the section at the end of the file, or creates the file.
  // False when the file cannot be written (it is then unchanged).
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);

  // Sets several keys of one section, in order, as WriteString does, and writes the file once: the
  // file gets every value or, when one is refused or the write fails, none of them.
  bool WriteStrings(std::string_view section, const std::vector<std::pair<std::string, std::string>>& values);

 private:
  std::string path_;
};

}  // namespace os
