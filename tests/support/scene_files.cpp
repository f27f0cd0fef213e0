#include "support/scene_files.h"

namespace test {

std::vector<std::string> MotionLines() {
  std::vector<std::string> lines;
  for (int r = 0; r < 18; ++r) lines.push_back("label" + std::to_string(r));
  for (int m = 0; m < 11; ++m) {
    lines.push_back("motion " + std::to_string(m));
    lines.push_back(std::to_string(m + 1));
    lines.push_back(std::to_string(m) + ".5");
    for (int slot = 0; slot < 15; ++slot) lines.push_back(std::to_string(100 * m + slot));
  }
  return lines;
}

std::vector<std::string> SelectLines() {
  std::vector<std::string> lines;
  for (int i = 0; i < 24; ++i) lines.push_back(std::to_string(i % 11));
  return lines;
}

std::string CrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

void WriteScene(const TempDir& root, int id, const std::string& env_ini) {
  const std::string dir = "dir" + std::to_string(id) + "/";
  root.Write(dir + "env.ini", env_ini);
  root.Write(dir + "motion.txt", CrLf(MotionLines()));
  root.Write(dir + "marray.txt", CrLf(SelectLines()));
  root.Write(dir + "model.x", "");
}

}  // namespace test
