#pragma once
// The resources every scene shares, made once after the device and released at close: the marker
// meshes, the thirteen sprites, the texture for extra passes, light 0 and the projection.

class Viewer;

// Sets everything up and loads the first scene. True (failures of single files are not reported).
bool SetupSharedResources(Viewer& viewer);
// Left-handed perspective, 30 degrees vertical field of view, the panel's aspect, near 0.1, far 100.
bool SetupProjection(Viewer& viewer);
// Releases the scene's objects and the shared resources, before the device goes.
void ReleaseSharedResources(Viewer& viewer);
