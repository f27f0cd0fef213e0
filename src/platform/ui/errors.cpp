#include "platform/ui/errors.h"

#include "platform/ui/format.h"

namespace ui {

Error FileOpenError(std::string_view path) { return Error("ファイル " + std::string(path) + " は開けません"); }

Error FileCreateError(std::string_view path) {
  return Error("ファイル " + std::string(path) + " を作成できません");
}

Error IniWriteError(std::string_view path) { return Error(std::string(path) + " に書き込めません"); }

Error ListIndexError(long long index) {
  return Error(Format("リストのインデックスが範囲を超えています (%lld)", index));
}

Error NotIntegerError(std::string_view text) { return Error("'" + std::string(text) + "' は整数ではありません"); }

Error NotFloatError(std::string_view text) {
  return Error("'" + std::string(text) + "' は浮動小数点数ではありません");
}

}  // namespace ui
