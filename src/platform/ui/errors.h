#pragma once
// The window system's errors. An error ends the running event handler or idle pass and reaches the
// default error display with its text; the message loop goes on.
#include <stdexcept>
#include <string>
#include <string_view>

namespace ui {

// Texts are UTF-8.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "ファイル %s は開けません": a file to read is missing or cannot be opened.
Error FileOpenError(std::string_view path);
// "ファイル %s を作成できません": a file to write cannot be created.
Error FileCreateError(std::string_view path);
// "%s に書き込めません": an INI file cannot be written.
Error IniWriteError(std::string_view path);
// "リストのインデックスが範囲を超えています (%d)": a line past the end of a list was asked for.
Error ListIndexError(long long index);
// "'%s' は整数ではありません": a text that had to be an integer.
Error NotIntegerError(std::string_view text);
// "'%s' は浮動小数点数ではありません": a text that had to be a decimal number.
Error NotFloatError(std::string_view text);

}  // namespace ui
