#include "demo/scene_writer.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "app/key_shape_export.h"
#include "demo/key_poses.h"
#include "demo/motion_tables.h"
#include "demo/output_files.h"
#include "environment/scene_environment.h"
#include "platform/xfile/xfile_writer.h"

namespace demo {

namespace {

constexpr float kHalfFovY = 0.2618f;  // 15 degrees: the viewer's vertical field of view is 30
constexpr float kWidthPerHeight = 640.0f / 480.0f;
constexpr float kDemoLowestPitch = 1.0f / 3.0f;  // the demo mode tilts the camera down to -1/3 radian

// The camera distance at which the creature fills about two thirds of the picture's height (or
// width, when it is wide).
float FramingDistance(const PoseFrame& f) {
  const float half_height = (f.Top - f.Bottom) * 0.5f, half_width = f.Radius;
  const float tan_y = std::tan(kHalfFovY), tan_x = tan_y * kWidthPerHeight;
  const float fit = std::max(half_height / (0.64f * tan_y), half_width / (0.6f * tan_x));
  return std::clamp(fit + 0.5f * f.Radius, 3.0f, 7.5f);
}

// How far the ground lies below the pedestal's top: far enough that the camera of the demo mode,
// at its lowest, stays above it.
float GroundDepth(const PoseFrame& f) {
  const float lowest_eye = f.Centre.y - FramingDistance(f) * std::sin(kDemoLowestPitch);
  return std::max(0.15f, 0.25f - lowest_eye);
}

std::string EnvironmentText(const CreatureModel& model, const SceneSetup& scene) {
  const PoseFrame& f = model.Frame;
  const Vec3 points[4] = {model.Companion, f.Grab[0], f.Grab[1], f.Grab[2]};
  std::string text = std::string("[") + kEnvironmentSection + "]\r\n";
  for (int i = 0; i < 4; ++i) {
    const std::string key = "CP" + std::to_string(i);
    text += key + "X=" + TextNumber(points[i].x) + "\r\n";
    text += key + "Y=" + TextNumber(points[i].y) + "\r\n";
    text += key + "Z=" + TextNumber(points[i].z) + "\r\n";
  }
  const std::pair<const char*, float> camera[] = {{"LX", f.Centre.x}, {"LY", f.Centre.y},  {"LZ", f.Centre.z},
                                                  {"Pitch", scene.Pitch}, {"Yaw", scene.Yaw}, {"Dist", FramingDistance(f)}};
  for (const auto& [key, value] : camera) text += std::string(key) + "=" + TextNumber(value) + "\r\n";
  return text;
}

}  // namespace

bool WriteScene(const std::string& root, const SceneSetup& scene, gfx::Device& device, std::string* error) {
  const std::string folder = "dir" + std::to_string(scene.Id);
  const std::string dir = root + "/" + folder + "/";
  const CreatureModel model = BuildCreature(scene.Creature, folder + "\\skin.dds", folder + "\\face.bmp");
  if (!WriteTextureFile(dir + "skin.dds", PaintSkinTexture(scene.Creature), error) ||
      !WriteTextureFile(dir + "face.bmp", PaintFaceTexture(scene.Creature), error) ||
      !WriteOutputFile(dir + "model.x", xfile::WriteTextXFile(model.Posed(Pose::Rest)), error))
    return false;
  for (int i = 0; i < kPoseCount; ++i)
    if (!WriteOutputFile(dir + std::to_string(i) + ".x", xfile::WriteTextXFile(model.Posed(static_cast<Pose>(i))), error))
      return false;

  const Backdrop backdrop = scene.MakeBackdrop(folder, GroundDepth(model.Frame));
  if (!WriteOutputFile(dir + "bg.x", xfile::WriteTextXFile(backdrop.Mesh), error)) return false;
  for (const TextureFile& texture : backdrop.Textures)
    if (!WriteTextureFile(dir + texture.File, texture.Image, error)) return false;

  if (!WriteOutputFile(dir + "env.ini", EnvironmentText(model, scene), error) ||
      !WriteOutputFile(dir + "motion.txt", MotionFileText(DemoMotions(scene.JapaneseLabels, scene.Tempo), scene.JapaneseLabels), error) ||
      !WriteOutputFile(dir + "marray.txt", SelectFileText(DemoSelectTable()), error))
    return false;

  const std::vector<std::string> lines = ExportKeyShapes(device, root, scene.Id);
  const bool all = lines.size() == static_cast<size_t>(kPoseCount) &&
                   std::all_of(lines.begin(), lines.end(), [](const std::string& l) { return l.find('[') != std::string::npos; });
  if (!all) {
    if (error) *error = folder + ": the key shapes could not all be exported" + (lines.empty() ? "" : " (" + lines.back() + ")");
    return false;
  }
  return true;
}

}  // namespace demo
