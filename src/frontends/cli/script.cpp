#include "frontends/cli/script.h"

#include <map>

#include "frontends/cli/key_names.h"
#include "platform/ui/convert.h"
#include "platform/ui/format.h"

namespace cli {

namespace {

// The largest repeat count a script may ask for: long runs, but none that never ends.
constexpr long long kMaxCount = 100'000'000;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    const size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

std::optional<ui::MouseButton> ParseButton(std::string_view word) {
  if (word == "left") return ui::MouseButton::Left;
  if (word == "right") return ui::MouseButton::Right;
  if (word == "middle") return ui::MouseButton::Middle;
  return std::nullopt;
}

ui::ShiftState ButtonFlag(ui::MouseButton button) {
  switch (button) {
    case ui::MouseButton::Left: return ui::ssLeft;
    case ui::MouseButton::Right: return ui::ssRight;
    case ui::MouseButton::Middle: return ui::ssMiddle;
  }
  return 0;
}

class LineParser {
 public:
  LineParser(int line, std::string_view text) : line_(line), text_(text), words_(Words(text)) {}

  bool Blank() const { return words_.empty(); }

  std::optional<ScriptCommand> Parse(std::string& error) {
    using K = ScriptCommand::Kind;
    static const std::map<std::string_view, K> kVerbs = {
        {"idle", K::Idle},   {"clock", K::Clock}, {"key", K::Key},       {"shortcut", K::Shortcut},
        {"menu", K::Menu},   {"cursor", K::Cursor}, {"down", K::Down},   {"move", K::Move},
        {"up", K::Up},       {"wheel", K::Wheel}, {"timer", K::Timer},   {"edit", K::Edit},
        {"cell", K::Cell},   {"click", K::Click}, {"shot", K::Shot},     {"state", K::State},
    };
    const auto verb = kVerbs.find(words_[0]);
    if (verb == kVerbs.end()) return Fail(error, "unknown command '" + std::string(words_[0]) + "'");
    ScriptCommand c;
    c.What = verb->second;
    c.Line = line_;
    switch (c.What) {
      case K::Idle:
      case K::Timer:
      case K::Clock: {
        if (words_.size() != 2) return Fail(error, "expects one number");
        const auto n = ui::TryStrToInt(words_[1]);
        if (!n || *n < 0 || *n > kMaxCount) return Fail(error, "expects a number from 0 to 100000000");
        c.Count = *n;
        return c;
      }
      case K::Key: {
        if (words_.size() != 2) return Fail(error, "expects a key name");
        const auto key = ParseKeyName(words_[1]);
        if (!key) return Fail(error, "unknown key '" + std::string(words_[1]) + "'");
        c.Key = *key;
        return c;
      }
      case K::Shortcut: {
        if (words_.size() != 2) return Fail(error, "expects a shortcut");
        const auto shortcut = ParseShortCut(words_[1]);
        if (!shortcut) return Fail(error, "unknown shortcut '" + std::string(words_[1]) + "'");
        c.Shortcut = *shortcut;
        return c;
      }
      case K::Edit:
        if (words_.size() < 2) return Fail(error, "expects a field name and its text");
        c.Name = std::string(words_[1]);
        c.Text = RestAfter(2);
        return c;
      case K::Cell:
        if (words_.size() < 4 || !Point(2, c)) return Fail(error, "expects GRID COLUMN ROW and the text");
        c.Name = std::string(words_[1]);
        c.Text = RestAfter(4);
        return c;
      case K::Menu:
      case K::Click:
      case K::Shot:
      case K::State:
        if (words_.size() != 2) return Fail(error, "expects one name");
        c.Name = std::string(words_[1]);
        return c;
      case K::Cursor:
        if (words_.size() != 3 || !Point(1, c)) return Fail(error, "expects X Y");
        return c;
      case K::Down:
      case K::Up: {
        const auto button = words_.size() >= 2 ? ParseButton(words_[1]) : std::nullopt;
        if (!button || words_.size() < 4 || !Point(2, c)) return Fail(error, "expects BUTTON X Y");
        c.Button = *button;
        if (!Modifiers(4, c, /*buttons=*/false)) return Fail(error, "unexpected words after X Y");
        return c;
      }
      case K::Move:
        if (words_.size() < 3 || !Point(1, c)) return Fail(error, "expects X Y");
        if (!Modifiers(3, c, /*buttons=*/true)) return Fail(error, "expects buttons or shift after X Y");
        return c;
      case K::Wheel:
        if (words_.size() != 2 || (words_[1] != "up" && words_[1] != "down")) return Fail(error, "expects up or down");
        c.WheelUp = words_[1] == "up";
        return c;
    }
    return Fail(error, "unknown command");
  }

 private:
  std::optional<ScriptCommand> Fail(std::string& error, std::string message) {
    error = std::move(message);
    return std::nullopt;
  }

  // The line from its word n on, without the blanks around it; empty when it has no word n.
  std::string RestAfter(size_t n) const {
    if (words_.size() <= n) return {};
    std::string_view rest = text_.substr(static_cast<size_t>(words_[n].data() - text_.data()));
    while (IsBlank(rest.back())) rest.remove_suffix(1);  // the last word ends before any blank
    return std::string(rest);
  }

  bool Point(size_t at, ScriptCommand& c) {
    const auto x = ui::TryStrToInt(words_[at]);
    const auto y = ui::TryStrToInt(words_[at + 1]);
    if (!x || !y) return false;
    c.X = *x;
    c.Y = *y;
    return true;
  }

  // "shift", and for moves the buttons held.
  bool Modifiers(size_t from, ScriptCommand& c, bool buttons) {
    for (size_t i = from; i < words_.size(); ++i) {
      if (words_[i] == "shift") {
        c.Shift |= ui::ssShift;
      } else if (const auto button = buttons ? ParseButton(words_[i]) : std::nullopt) {
        c.Shift |= ButtonFlag(*button);
      } else {
        return false;
      }
    }
    return true;
  }

  int line_;
  std::string_view text_;
  std::vector<std::string_view> words_;
};

}  // namespace

ParsedScript ParseScript(std::string_view text) {
  ParsedScript script;
  int number = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++number;
    if (const size_t hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    LineParser parser(number, line);
    if (parser.Blank()) continue;
    std::string error;
    if (auto command = parser.Parse(error)) {
      script.Commands.push_back(std::move(*command));
    } else {
      script.Error = ScriptError{number, ui::Format("line %d: %s", number, error.c_str())};
      return script;
    }
  }
  return script;
}

}  // namespace cli
