#pragma once
// The one rendering device, bound to the rendering panel, with a graded fallback from hardware to
// software vertex processing to the reference device.

class Viewer;

// True when the device exists; false after showing the failure's message box.
bool SetupDevice(Viewer& viewer);
// Releases the device, then the object it came from.
void ReleaseDevice(Viewer& viewer);
