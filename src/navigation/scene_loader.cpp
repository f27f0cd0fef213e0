#include "navigation/scene_loader.h"

#include "app/Unit1.h"
#include "app/viewer.h"
#include "environment/Unit2.h"
#include "navigation/camera.h"
#include "platform/os/codepage.h"
#include "platform/os/file.h"
#include "platform/os/path.h"
#include "platform/ui/format.h"

namespace {

// Frees the mesh, then makes a fresh one and loads the file into it: never two meshes at once.
// Without a device (its set-up failed) the new mesh stays empty.
void ReplaceMesh(std::unique_ptr<MyXOBJ>& mesh, gfx::Device* device, const std::string& path) {
  mesh->Free();
  mesh.reset();
  mesh = std::make_unique<MyXOBJ>();
  mesh->Init();
  if (device != nullptr) mesh->Load(*device, path, kMeshLoadFlags);
}

}  // namespace

bool LoadScene(Viewer& viewer, int scene_id) {
  ViewerState& s = viewer.State;
  TForm1& form = *viewer.Form1;
  const std::string base = os::GetCurrentDir();
  const std::string folder = ui::Format("dir%d", scene_id);
  if (!os::FileExists(ScenePath(base, folder, "model.x"))) {
    form.StatusBar1.Panels[3].Text = "Scene:NULL";
    return false;
  }
  // The editor shows the new scene's files before the viewer reads them; a failure here leaves the
  // scene record untouched, so the morph may go on.
  if (s.Debug && viewer.Form2) viewer.Form2->LoadAll.Execute();
  try {
    ReadSceneEnvironment(viewer.Environment, base, form.SceneFolderName());
  } catch (...) {
    s.MorphHalted = true;
    throw;
  }
  const SceneEnvironment& env = viewer.Environment;
  s.Pitch = env.Pitch;
  s.Yaw = env.Yaw;
  s.Dist = env.Dist;
  s.LookAt = {env.LX, env.LY, env.LZ};
  s.Active = false;
  form.Memo1.Lines.clear();
  for (int i = 0; i < s.MotionObjectCount; ++i) {
    auto& entry = s.MotionObjects[static_cast<size_t>(i)];
    entry->Free();
    entry = std::make_unique<MyMotionOBJ>();
    entry->Clear();
    std::string vdt_path;
    if (entry->Load(base, scene_id, i, &vdt_path)) form.Memo1.Lines.push_back(os::SystemToUtf8(os::NativePath(vdt_path)));
  }
  form.Memo1.Invalidate();
  ReplaceMesh(s.BackgroundMesh, s.GetDevice(), ScenePath(base, folder, "bg.x"));
  ReplaceMesh(s.ModelMesh, s.GetDevice(), ScenePath(base, folder, "model.x"));
  s.ModelMesh->RecomputeNormals = true;
  MorphInputs morph = viewer.MorphContext();
  s.ModelMesh->StartMotion(morph);
  s.FpsBaseTime = viewer.TimeGetTime();
  s.MorphHalted = false;
  s.Active = true;
  UpdateCamera(viewer);
  form.StatusBar1.Panels[3].Text = ui::Format("Scene:%d", scene_id);
  if (!s.ComputeNormals) s.ModelMesh->RecomputeNormals = false;
  return true;
}
