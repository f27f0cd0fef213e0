#include "app/scene_check.h"

#include <memory>
#include <set>

#include "environment/scene_environment.h"
#include "mesh/MyMotionOBJ.h"
#include "mesh/MyXOBJ.h"
#include "mesh/morph.h"
#include "platform/os/codepage.h"
#include "platform/os/file.h"
#include "platform/os/ini_file.h"
#include "platform/os/path.h"
#include "platform/ui/convert.h"
#include "platform/ui/errors.h"
#include "platform/ui/format.h"

namespace {

class SceneChecker {
 public:
  SceneChecker(gfx::Device& device, std::string base, int id)
      : device_(device), base_(std::move(base)), folder_(ui::Format("dir%d", id)), id_(id) {}

  std::vector<std::string> Run() {
    if (!os::FileExists(Path("model.x"))) {
      Report("model.x", "missing: the scene does not exist (Scene:NULL)");
      return lines_;
    }
    CheckEnvIni();
    const bool tables = CheckTables();
    auto model = LoadMesh("model.x");
    LoadMesh("bg.x");
    if (tables && model) CheckMotions(*model);
    return lines_;
  }

 private:
  std::string Path(const std::string& file) const { return ScenePath(base_, folder_, file.c_str()); }
  std::string Shown(const std::string& file) const { return os::SystemToUtf8(os::NativePath(Path(file))); }
  void Report(const std::string& file, const std::string& problem) { lines_.push_back(Shown(file) + ": " + problem); }

  void CheckEnvIni() {
    if (!os::FileExists(Path("env.ini"))) {
      Report("env.ini", "missing: the camera and the control points all read as 0");
      return;
    }
    const os::IniFile ini(Path("env.ini"));
    constexpr const char* kAbsent = "\x7f";  // a missing key is a plain 0, no problem
    for (const EnvironmentKey& key : kEnvironmentKeys) {
      const std::string value = ini.ReadString(kEnvironmentSection, key.Name, kAbsent);
      if (value != kAbsent && !ui::TryStrToFloat(value)) Report("env.ini", ui::Format("[ENV] %s = '", key.Name) + os::SystemToUtf8(value) + "' reads as 0");
    }
  }

  // The viewer's own reader on the two text files; its error is what a scene load would show.
  bool CheckTables() {
    try {
      ReadSceneEnvironment(env_, base_, folder_);
      return true;
    } catch (const ui::Error& e) {
      lines_.push_back(std::string(folder_) + ": " + e.what());
      return false;
    }
  }

  std::unique_ptr<MyXOBJ> LoadMesh(const std::string& file) {
    auto mesh = std::make_unique<MyXOBJ>();
    mesh->Init();
    if (!mesh->Load(device_, Path(file), kMeshLoadFlags)) {
      Report(file, "cannot be loaded: " + mesh->LoadError + " (draws nothing)");
      return nullptr;
    }
    if (mesh->NumMaterials == 0) Report(file, "has no materials (draws nothing)");
    for (std::uint32_t i = 0; i < mesh->NumMaterials; ++i)
      if (!mesh->Textures[i] && !mesh->TextureNames[i].empty())
        Report(file, "texture '" + os::SystemToUtf8(mesh->TextureNames[i]) + "' cannot be loaded (drawn untextured)");
    return mesh;
  }

  const MyMotionOBJ* KeyShape(int number) {
    auto& slot = key_shapes_[number];
    if (!slot) {
      slot = std::make_unique<MyMotionOBJ>();
      slot->Clear();
      slot->Load(base_, id_, number, nullptr);
    }
    return slot.get();
  }

  void CheckMotions(const MyXOBJ& model) {
    std::set<int> reachable;
    for (int k = 0; k < kDrawnAlternatives; ++k)
      for (int p = 0; p < kSelectPoints; ++p) {
        const int m = env_.MotionSelect[static_cast<size_t>(k)][static_cast<size_t>(p)];
        if (m < 0 || m >= kMotionCount) {
          Report("marray.txt", ui::Format("alternative %d, point %d names motion %d, outside 0 to 19", k, p, m));
        } else {
          reachable.insert(m);
        }
      }
    std::set<int> reported_keys;
    for (int m : reachable) {
      const int steps = env_.MotionSteps[static_cast<size_t>(m)];
      if (m >= kFileMotions) Report("marray.txt", ui::Format("motion %d is not in motion.txt (its tables are all 0)", m));
      if (steps < 0 || steps >= kFileSlots) {
        Report("motion.txt", ui::Format("motion %d has %d steps: it reads slots past the 15 in the file", m, steps));
        continue;
      }
      for (int slot = 0; slot <= steps; ++slot) {
        const int number = env_.MotionKeys[static_cast<size_t>(m)][static_cast<size_t>(slot)];
        if (number < 0 || number >= kMotionObjectCount) {
          Report("motion.txt", ui::Format("motion %d, slot %d names key shape %d, outside 0 to 49", m, slot, number));
          continue;
        }
        if (!reported_keys.insert(number).second) continue;
        const MyMotionOBJ* key = KeyShape(number);
        const std::string idt = ui::Format("%d.idt", number);
        if (!key->Loaded) {
          Report(idt, ui::Format("key shape %d (motion %d) is missing or damaged", number, m));
        } else if (key->Indices.size() != model.NumIndices) {
          Report(idt, ui::Format("key shape %d has %zu face corners, the model %u", number, key->Indices.size(),
                                 model.NumIndices));
        } else if (key->IndexLimit > key->Positions.size() / 3) {
          Report(idt, ui::Format("key shape %d names vertex %u, its .vdt holds %zu", number, key->IndexLimit - 1,
                                 key->Positions.size() / 3));
        }
      }
    }
  }

  gfx::Device& device_;
  std::string base_, folder_;
  int id_;
  SceneEnvironment env_;
  std::vector<std::string> lines_;
  std::unique_ptr<MyMotionOBJ> key_shapes_[kMotionObjectCount];
};

}  // namespace

std::vector<std::string> CheckScene(gfx::Device& device, const std::string& base_dir, int scene_id) {
  return SceneChecker(device, base_dir, scene_id).Run();
}
