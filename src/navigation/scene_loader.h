#pragma once
// Replacing the current scene by the one in folder dir<SceneId>.

class Viewer;

// Loads scene scene_id (the stored SceneId must already equal it). False, with "Scene:NULL" in the
// status bar, when the folder has no model.x; errors of the motion files propagate to the caller.
bool LoadScene(Viewer& viewer, int scene_id);
