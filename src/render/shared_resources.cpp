#include "render/shared_resources.h"

#include "app/viewer.h"
#include "navigation/scene_loader.h"

bool SetupSharedResources(Viewer& viewer) {
  ViewerState& s = viewer.State;
  s.Eye = {0.0f, 0.0f, 0.1f};
  s.LookAt = {0.0f, 0.0f, 0.0f};
  LoadScene(viewer, s.SceneId);
  return true;
}

void ReleaseSharedResources(Viewer& viewer) {
  ViewerState& s = viewer.State;
  for (auto* mesh : {&s.BackgroundMesh, &s.ModelMesh, &s.ControlMesh, &s.CenterMesh})
    if (*mesh) (*mesh)->Free();
  for (auto& motion : s.MotionObjects)
    if (motion) motion->Free();
}
