#pragma once
// The headless driver's script: one command a line, "#" starts a comment.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/keys.h"

namespace cli {

struct ScriptCommand {
  enum class Kind { Idle, Clock, Key, Shortcut, Menu, Cursor, Down, Move, Up, Wheel, Timer, Edit, Cell, Click, Shot, State };
  Kind What = Kind::Idle;
  int Line = 0;                  // 1-based line of the script
  long long Count = 0;           // idle N, timer N, clock MS
  ui::KeyCode Key = 0;           // key
  ui::ShortCut Shortcut = 0;     // shortcut
  std::string Name;              // menu entry, edit field, grid, button, or the file of shot / state
  std::string Text;              // edit, cell: the rest of the line, blanks around it removed
  int X = 0, Y = 0;              // cursor, down, move, up; the column and row of cell
  ui::MouseButton Button = ui::MouseButton::Left;
  ui::ShiftState Shift = 0;      // buttons held and the shift key, for mouse commands
  bool WheelUp = false;
};

struct ScriptError {
  int Line = 0;
  std::string Message;
};

struct ParsedScript {
  std::vector<ScriptCommand> Commands;
  std::optional<ScriptError> Error;  // the first line that could not be parsed
};

ParsedScript ParseScript(std::string_view text);

}  // namespace cli
