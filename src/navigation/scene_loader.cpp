#include "navigation/scene_loader.h"

#include "app/Unit1.h"
#include "app/viewer.h"
#include "navigation/camera.h"
#include "platform/os/file.h"
#include "platform/os/path.h"
#include "platform/ui/format.h"

bool LoadScene(Viewer& viewer, int scene_id) {
  ViewerState& s = viewer.State;
  TForm1& form = *viewer.Form1;
  const std::string base = os::GetCurrentDir();
  const std::string folder = ui::Format("dir%d", scene_id);
  if (!os::FileExists(ScenePath(base, folder, "model.x"))) {
    form.StatusBar1.Panels[3].Text = "Scene:NULL";
    return false;
  }
  ReadSceneEnvironment(viewer.Environment, base, form.SceneFolderName());
  const SceneEnvironment& env = viewer.Environment;
  s.Pitch = env.Pitch;
  s.Yaw = env.Yaw;
  s.Dist = env.Dist;
  s.LookAt = {env.LX, env.LY, env.LZ};
  s.Active = false;
  form.Memo1.Lines.clear();
  form.Memo1.Invalidate();
  s.FpsBaseTime = viewer.TimeGetTime();
  s.Active = true;
  UpdateCamera(viewer);
  form.StatusBar1.Panels[3].Text = ui::Format("Scene:%d", scene_id);
  return true;
}
