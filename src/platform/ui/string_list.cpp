#include "platform/ui/string_list.h"

#include "platform/os/codepage.h"
#include "platform/os/file.h"
#include "platform/os/path.h"
#include "platform/ui/errors.h"

namespace ui {

void StringList::SetText(std::string_view text) {
  lines_.clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines_.emplace_back(text.substr(start));
      break;
    }
    lines_.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
}

std::string StringList::Text() const {
  std::string out;
  for (const std::string& line : lines_) {
    out += line;
    out += "\r\n";
  }
  return out;
}

void StringList::LoadFromFile(std::string_view path) {
  auto bytes = os::ReadWholeFile(path);
  if (!bytes) throw FileOpenError(os::SystemToUtf8(os::NativePath(path)));
  SetText(*bytes);
}

void StringList::SaveToFile(std::string_view path) const {
  if (!os::ReplaceWholeFile(path, Text())) throw FileCreateError(os::SystemToUtf8(os::NativePath(path)));
}

const std::string& StringList::Get(int index) const {
  if (index < 0 || index >= Count()) throw ListIndexError(index);
  return lines_[static_cast<size_t>(index)];
}

void StringList::Put(int index, std::string line) {
  if (index < 0 || index >= Count()) throw ListIndexError(index);
  lines_[static_cast<size_t>(index)] = std::move(line);
}

}  // namespace ui
