#pragma once
// Driving the headless viewer through everything a user does with a scene, for the tests that check
// it survives damaged input and long runs.
#include "frontends/cli/headless.h"

namespace test {

// Presses the left button on control point `point` (1 .. 3) where it is drawn, drags it quickly for a
// few frames and lets go. Without a device, or with the point off screen, it grabs the panel's middle.
void GrabControlPoint(cli::HeadlessSession& session, int point);

// From a started session, in few frames: a grab, switches to the other scene, to one that does not
// exist and back, the debug view, the key-shape export, the demo mode and the background switched.
void TourScenes(cli::HeadlessSession& session);

}  // namespace test
