#pragma once
// A scene's settings (env.ini) and its motion tables (motion.txt, marray.txt).
#include <array>
#include <string>

inline constexpr int kMotionCount = 20, kMotionSlots = 20;
inline constexpr int kSelectAlternatives = 6, kSelectPoints = 4;
// What the files fill: motions 0..10, slots 0..14 of each.
inline constexpr int kFileMotions = 11, kFileSlots = 15;
// motion.txt is a 12 x 18 table and marray.txt a 6 x 4 table, both written column by column.
inline constexpr int kMotionFileCols = 12, kMotionFileRows = 18;
inline constexpr int kSelectFileCols = 6, kSelectFileRows = 4;

struct MotionArray {
  std::array<std::array<int, kMotionSlots>, kMotionCount> MotionKeys{};
  std::array<int, kMotionCount> MotionSteps{};
  std::array<float, kMotionCount> MotionRates{};
  std::array<std::array<int, kSelectPoints>, kSelectAlternatives> MotionSelect{};
};

struct SceneEnvironment : MotionArray {
  float LX = 0, LY = 0, LZ = 0;
  float Pitch = 0, Yaw = 0, Dist = 0;
  float CP0X = 0, CP0Y = 0, CP0Z = 0, CP1X = 0, CP1Y = 0, CP1Z = 0;
  float CP2X = 0, CP2Y = 0, CP2Z = 0, CP3X = 0, CP3Y = 0, CP3Z = 0;
};

// The env.ini keys in the order both the reader and the editor visit them, with their members.
struct EnvironmentKey {
  const char* Name;
  float SceneEnvironment::*Member;
};
extern const std::array<EnvironmentKey, 18> kEnvironmentKeys;

inline constexpr const char* kEnvironmentSection = "ENV";

// base_dir + "\" + folder + "\" + file, the form every scene path takes.
std::string ScenePath(const std::string& base_dir, const std::string& folder, const char* file);

// Reads the three files of the scene folder base_dir\folder into env. env.ini is read leniently (a
// missing file, key or number gives 0). A missing, short or malformed motion.txt or marray.txt throws
// the window system's error; the cells converted before the failure keep their new values.
void ReadSceneEnvironment(SceneEnvironment& env, const std::string& base_dir, const std::string& folder);
