#pragma once
// The motion tables of the demo scenes: motion.txt (which key shapes each motion blends through, and
// how fast) and marray.txt (which motions are drawn for each grabbed point).
#include <array>
#include <string>
#include <vector>

namespace demo {

struct MotionEntry {
  std::string Label;         // as written in row 0 of its column (bytes of the file's code page)
  std::vector<int> Keys;     // key shapes, slot by slot: steps + 1 of them
  float Speed = 1.0f;
};

// Motions 0 and 1 are calm idles; 2 to 10 are lively: hop, twist, wobble, a pull at each control
// point, dance, shiver, stretch. Their labels in English, or in Japanese (Shift-JIS) when asked.
std::vector<MotionEntry> DemoMotions(bool japanese_labels, float tempo);

// marray.txt's table: alternative k (0..5) and grabbed point p (0..3) give the motion to play next.
// Nothing grabbed draws the idles; each control point has lively motions of its own.
using SelectTable = std::array<std::array<int, 4>, 6>;
SelectTable DemoSelectTable();

// The files' texts, 216 and 24 lines, each line ended by CR LF.
std::string MotionFileText(const std::vector<MotionEntry>& motions, bool japanese_labels);
std::string SelectFileText(const SelectTable& table);

}  // namespace demo
