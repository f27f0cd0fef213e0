#include "frontends/cli/key_names.h"

#include <array>
#include <cctype>
#include <string>
#include <utility>

#include "platform/ui/convert.h"

namespace cli {

namespace {

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

// Parses the number after a prefix ("F12" -> 12) within [low, high].
std::optional<int> Suffix(const std::string& name, std::string_view prefix, int low, int high) {
  if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
  for (size_t i = prefix.size(); i < name.size(); ++i)
    if (!std::isdigit(static_cast<unsigned char>(name[i]))) return std::nullopt;
  const auto n = ui::TryStrToInt(std::string_view(name).substr(prefix.size()));
  if (!n || *n < low || *n > high) return std::nullopt;
  return n;
}

constexpr std::array<std::pair<const char*, ui::KeyCode>, 12> kNamedKeys = {{
    {"ESC", ui::key::Escape},
    {"ESCAPE", ui::key::Escape},
    {"ENTER", ui::key::Return},
    {"RETURN", ui::key::Return},
    {"SPACE", ui::key::Space},
    {"TAB", ui::key::Tab},
    {"BACKSPACE", ui::key::Back},
    {"DELETE", ui::key::Delete},
    {"LEFT", ui::key::Left},
    {"RIGHT", ui::key::Right},
    {"UP", ui::key::Up},
    {"DOWN", ui::key::Down},
}};

}  // namespace

std::optional<ui::KeyCode> ParseKeyName(std::string_view raw) {
  const std::string name = Upper(raw);
  if (name.size() == 1 && (std::isupper(static_cast<unsigned char>(name[0])) || std::isdigit(static_cast<unsigned char>(name[0]))))
    return static_cast<ui::KeyCode>(name[0]);
  if (auto n = Suffix(name, "NUM", 0, 9)) return ui::key::Numpad(*n);
  if (auto n = Suffix(name, "F", 1, 12)) return ui::key::F(*n);
  for (const auto& [key_name, code] : kNamedKeys)
    if (name == key_name) return code;
  return std::nullopt;
}

std::optional<ui::ShortCut> ParseShortCut(std::string_view raw) {
  ui::ShortCut modifiers = 0;
  std::string_view rest = raw;
  for (;;) {
    const size_t plus = rest.find('+');
    if (plus == std::string_view::npos || plus + 1 == rest.size()) break;
    const std::string modifier = Upper(rest.substr(0, plus));
    if (modifier == "CTRL") {
      modifiers |= ui::kShortCutCtrl;
    } else if (modifier == "SHIFT") {
      modifiers |= ui::kShortCutShift;
    } else if (modifier == "ALT") {
      modifiers |= ui::kShortCutAlt;
    } else {
      return std::nullopt;
    }
    rest.remove_prefix(plus + 1);
  }
  const auto key = ParseKeyName(rest);
  if (!key) return std::nullopt;
  return static_cast<ui::ShortCut>(modifiers | *key);
}

}  // namespace cli
