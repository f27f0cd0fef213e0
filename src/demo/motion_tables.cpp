#include "demo/motion_tables.h"

#include "demo/output_files.h"
#include "environment/scene_environment.h"
#include "platform/os/codepage.h"

namespace demo {

namespace {

// Shift-JIS bytes of UTF-8 text written in this file; every text here has a code in 932.
std::string Sjis(const char* utf8) { return os::Utf8ToSystem(utf8).value_or("?"); }

struct MotionRow {
  const char* English;
  const char* Japanese;
  std::vector<int> Keys;
  float Speed;
};

// Key shape numbers are the poses of key_poses.h: 0 rest, 1 breathe, 2 squash, 3 stretch, 4/5 twist
// left/right, 6/7 lean left/right, 8/9/10 pulled at points 1/2/3, 11 wobble, 12 hop. Every motion
// starts and ends at rest, so that any motion can follow any other without a jump. The idles last
// under two seconds: a grab is answered only when the motion playing ends.
const std::vector<MotionRow>& Rows() {
  static const std::vector<MotionRow> rows = {
      {"idle", "待機", {0, 1, 0}, 0.25f},
      {"sway", "ゆらゆら", {0, 6, 7, 0}, 0.45f},
      {"hop", "ぴょん", {0, 2, 12, 2, 0}, 1.3f},
      {"twist", "ねじれ", {0, 4, 5, 4, 5, 0}, 1.1f},
      {"wobble", "ぷるぷる", {0, 11, 3, 11, 2, 0}, 1.2f},
      {"pull 1", "引っ張り１", {0, 8, 0, 8, 0}, 1.0f},
      {"pull 2", "引っ張り２", {0, 9, 0, 9, 0}, 1.0f},
      {"pull 3", "引っ張り３", {0, 10, 0, 10, 0}, 1.0f},
      {"dance", "ダンス", {0, 6, 2, 7, 2, 6, 3, 7, 0}, 1.5f},
      {"shiver", "ぶるぶる", {0, 11, 1, 11, 1, 11, 0}, 2.2f},
      {"stretch", "のびー", {0, 3, 3, 1, 0}, 0.8f},
  };
  return rows;
}

}  // namespace

std::vector<MotionEntry> DemoMotions(bool japanese_labels, float tempo) {
  std::vector<MotionEntry> motions;
  for (const MotionRow& row : Rows())
    motions.push_back({japanese_labels ? Sjis(row.Japanese) : std::string(row.English), row.Keys, row.Speed * tempo});
  return motions;
}

SelectTable DemoSelectTable() {
  SelectTable table{};
  // Columns by point: idles; then hop, twist and wobble among the pulls of points 1, 2 and 3.
  const std::array<std::array<int, 6>, 4> by_point = {{
      {0, 1, 0, 1, 0, 0},
      {5, 5, 2, 5, 8, 5},
      {6, 6, 3, 6, 10, 6},
      {7, 7, 4, 7, 9, 7},
  }};
  for (size_t k = 0; k < table.size(); ++k)
    for (size_t p = 0; p < 4; ++p) table[k][p] = by_point[p][k];
  return table;
}

std::string MotionFileText(const std::vector<MotionEntry>& motions, bool japanese_labels) {
  // Column 0: the row labels.
  std::vector<std::string> cells;
  cells.push_back(japanese_labels ? Sjis("動作") : "motion");
  cells.push_back(japanese_labels ? Sjis("ステップ数") : "steps");
  cells.push_back(japanese_labels ? Sjis("速さ") : "speed");
  for (int slot = 0; slot < kFileSlots; ++slot)
    cells.push_back((japanese_labels ? Sjis("キー") : std::string("key ")) + std::to_string(slot));
  for (int m = 0; m < kFileMotions; ++m) {
    const MotionEntry* motion = static_cast<size_t>(m) < motions.size() ? &motions[static_cast<size_t>(m)] : nullptr;
    cells.push_back(motion ? motion->Label : "");
    const int steps = motion ? static_cast<int>(motion->Keys.size()) - 1 : 0;
    cells.push_back(std::to_string(steps));
    cells.push_back(TextNumber(motion ? motion->Speed : 0.0f));
    for (int slot = 0; slot < kFileSlots; ++slot) {
      const bool used = motion && static_cast<size_t>(slot) < motion->Keys.size();
      cells.push_back(std::to_string(used ? motion->Keys[static_cast<size_t>(slot)] : 0));
    }
  }
  std::string text;
  for (const std::string& cell : cells) text += cell + "\r\n";
  return text;
}

std::string SelectFileText(const SelectTable& table) {
  std::string text;
  for (const auto& alternative : table)
    for (int motion : alternative) text += std::to_string(motion) + "\r\n";
  return text;
}

}  // namespace demo
