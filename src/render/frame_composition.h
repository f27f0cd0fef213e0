#pragma once
// One frame between begin-scene and end-scene: camera, background, model, debug markers, overlay and
// the hover test on the control points.

class Viewer;

// The distance in pixels below which the mouse hovers a control point.
inline constexpr int kHoverRadius = 30;

void ComposeFrame(Viewer& viewer);
