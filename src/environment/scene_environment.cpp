#include "environment/scene_environment.h"

#include "platform/os/ini_file.h"
#include "platform/ui/convert.h"
#include "platform/ui/string_list.h"

const std::array<EnvironmentKey, 18> kEnvironmentKeys = {{
    {"CP0X", &SceneEnvironment::CP0X}, {"CP0Y", &SceneEnvironment::CP0Y}, {"CP0Z", &SceneEnvironment::CP0Z},
    {"CP1X", &SceneEnvironment::CP1X}, {"CP1Y", &SceneEnvironment::CP1Y}, {"CP1Z", &SceneEnvironment::CP1Z},
    {"CP2X", &SceneEnvironment::CP2X}, {"CP2Y", &SceneEnvironment::CP2Y}, {"CP2Z", &SceneEnvironment::CP2Z},
    {"CP3X", &SceneEnvironment::CP3X}, {"CP3Y", &SceneEnvironment::CP3Y}, {"CP3Z", &SceneEnvironment::CP3Z},
    {"LX", &SceneEnvironment::LX},     {"LY", &SceneEnvironment::LY},     {"LZ", &SceneEnvironment::LZ},
    {"Pitch", &SceneEnvironment::Pitch}, {"Yaw", &SceneEnvironment::Yaw}, {"Dist", &SceneEnvironment::Dist},
}};

std::string ScenePath(const std::string& base_dir, const std::string& folder, const char* file) {
  return base_dir + "\\" + folder + "\\" + file;
}

namespace {

void ReadEnvIni(SceneEnvironment& env, const std::string& path) {
  const os::IniFile ini(path);
  for (const EnvironmentKey& key : kEnvironmentKeys) {
    const double value = ui::TryStrToFloat(ini.ReadString(kEnvironmentSection, key.Name, "")).value_or(0.0);
    env.*key.Member = ui::ToFloat(value);
  }
}

// Walks motion.txt column by column; an empty line counts as "0", column 0 and row 0 are labels.
void ReadMotionFile(MotionArray& motions, const std::string& path) {
  ui::StringList list;
  list.LoadFromFile(path);
  for (int c = 0; c < kMotionFileCols; ++c) {
    for (int r = 0; r < kMotionFileRows; ++r) {
      const int line = c * kMotionFileRows + r;
      if (list.Get(line).empty()) list.Put(line, "0");
      if (c == 0 || r == 0) continue;
      const std::string& text = list.Get(line);
      const int m = c - 1;
      if (r == 1) {
        motions.MotionSteps[m] = ui::StrToInt(text);
      } else if (r == 2) {
        motions.MotionRates[m] = ui::ToFloat(ui::StrToFloat(text));
      } else {
        motions.MotionKeys[m][r - 3] = ui::StrToInt(text);
      }
    }
  }
}

void ReadSelectFile(MotionArray& motions, const std::string& path) {
  ui::StringList list;
  list.LoadFromFile(path);
  for (int k = 0; k < kSelectFileCols; ++k)
    for (int p = 0; p < kSelectFileRows; ++p) motions.MotionSelect[k][p] = ui::StrToInt(list.Get(k * kSelectFileRows + p));
}

}  // namespace

void ReadSceneEnvironment(SceneEnvironment& env, const std::string& base_dir, const std::string& folder) {
  ReadEnvIni(env, ScenePath(base_dir, folder, "env.ini"));
  ReadMotionFile(env, ScenePath(base_dir, folder, "motion.txt"));
  ReadSelectFile(env, ScenePath(base_dir, folder, "marray.txt"));
}
