#pragma once
// A list of text lines as the window system's string list keeps them: loaded from a file with CR LF,
// LF or CR line ends, saved with CR LF after every line. Lines are the file's bytes (system code page).
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class StringList {
 public:
  StringList() = default;
  explicit StringList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  // Splits text into lines; a final line break does not start another line.
  void SetText(std::string_view text);
  // CR LF after every line, the last included.
  std::string Text() const;

  // FileOpenError when the file cannot be read.
  void LoadFromFile(std::string_view path);
  // FileCreateError when it cannot be written; the file is replaced whole or not at all.
  void SaveToFile(std::string_view path) const;

  int Count() const { return static_cast<int>(lines_.size()); }
  // ListIndexError for an index outside 0 .. Count() - 1.
  const std::string& Get(int index) const;
  void Put(int index, std::string line);
  void Add(std::string line) { lines_.push_back(std::move(line)); }
  void Clear() { lines_.clear(); }
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
};

}  // namespace ui
