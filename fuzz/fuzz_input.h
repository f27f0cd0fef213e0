#pragma once
// Fuzz inputs that carry several files: each field but the last is written the way libFuzzer's
// FuzzedDataProvider::ConsumeRandomLengthString reads it back, so seeds written here are inputs the
// targets split into the same files.
#include <string>
#include <vector>

namespace fuzz {

// A backslash is doubled; "\" followed by any other byte ends a field. The last field is the rest.
inline std::string PackFields(const std::vector<std::string>& fields) {
  std::string out;
  for (size_t f = 0; f < fields.size(); ++f) {
    for (char c : fields[f]) {
      out.push_back(c);
      if (c == '\\' && f + 1 < fields.size()) out.push_back('\\');
    }
    if (f + 1 < fields.size()) out += "\\;";
  }
  return out;
}

}  // namespace fuzz
