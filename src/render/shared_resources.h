#pragma once
// The resources every scene shares, made once after the device and released at close.

class Viewer;

// Sets the start camera and loads the first scene. True on success.
bool SetupSharedResources(Viewer& viewer);
// Releases what the set-up and the scene loads made on the device.
void ReleaseSharedResources(Viewer& viewer);
