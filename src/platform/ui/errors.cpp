#include "platform/ui/errors.h"

#include "platform/ui/format.h"

namespace ui {

namespace {
// The text with the argument between a prefix and a suffix.
Error Around(std::string_view prefix, std::string_view argument, std::string_view suffix) {
  std::string text;
  text.reserve(prefix.size() + argument.size() + suffix.size());
  text.append(prefix).append(argument).append(suffix);
  return Error(text);
}
}  // namespace

Error FileOpenError(std::string_view path) { return Around("ファイル ", path, " は開けません"); }

Error FileCreateError(std::string_view path) { return Around("ファイル ", path, " を作成できません"); }

Error IniWriteError(std::string_view path) { return Around("", path, " に書き込めません"); }

Error ListIndexError(long long index) {
  return Error(Format("リストのインデックスが範囲を超えています (%lld)", index));
}

Error NotIntegerError(std::string_view text) { return Around("'", text, "' は整数ではありません"); }

Error NotFloatError(std::string_view text) { return Around("'", text, "' は浮動小数点数ではありません"); }

}  // namespace ui
