#pragma once
// Key and shortcut names as scripts write them: "F1", "NUM0", "A", "ESC", "Ctrl+Q", "Shift+F5".
#include <optional>
#include <string_view>

#include "platform/ui/keys.h"

namespace cli {

std::optional<ui::KeyCode> ParseKeyName(std::string_view name);
std::optional<ui::ShortCut> ParseShortCut(std::string_view name);

}  // namespace cli
