#pragma once
// The orbit camera: the eye from the look-at point, yaw, pitch and distance, and light 0 turned with it.

class Viewer;

// Recomputes Eye and LightVector, writes the camera figures into Label1 and hands light 0 to the
// device (when one exists).
void UpdateCamera(Viewer& viewer);
